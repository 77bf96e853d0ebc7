#include "webU.h"

#include "application_title.h"
#include "best_plan_window.h"
#include "catalogue_list.h"
#include "frame_position.h"
#include "logout_inhibitor.h"
#include "painter_canvas.h"
#include "qt_text.h"
#include "report_view.h"
#include "session_guard.h"
#include "treasury_chart.h"
#include "window_layout.h"
#include "window_system.h"
#include "window_texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <cctype>
#include <memory>

namespace zef {

TForm1* Form1 = nullptr;

TForm1::TForm1(std::optional<std::filesystem::path> settingsFolder, std::optional<std::filesystem::path> movedTo,
               QWidget* parent)
    : QWidget(parent), messages_(*this),
      introPlayer_(*this, {[this] { return introRunning(); }, [this] { LoadGLTextures(); },
                           [this](const QKeyEvent&) { model_.FormKeyDown(); }, [this] { FormClick(); }}),
      model_(*this, messages_)
{
    Form1 = this;
    BuildLayout();
    reportView_ = new ReportView(Memo3);
    new SessionGuard([this] { return !model_.FormQueryEndSession(); }, [this] { model_.explainLock(); }, this);
    new LogoutInhibitor(this, FromUtf8(kLockedText));
    ConnectControls();
    model_.FormCreate(settingsFolder, movedTo);
}

TForm1::~TForm1()
{
    model_.FormDestroy();
    Form1 = nullptr;
}

void TForm1::ConnectControls()
{
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    // On the calculator group, so that they do nothing while the intro runs.
    for (const auto& [key, windowKey] : {std::pair{Qt::Key_F6, WindowKey::F6}, std::pair{Qt::Key_F8, WindowKey::F8}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), GroupBox3, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, windowKey] { model_.GroupKeyDown(windowKey); });
    }
    connect(&hotKey_, &GlobalHotKey::activated, this, &TForm1::WMHotKey);
    Memo4->installEventFilter(this);
    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    connect(previewTimer_, &QTimer::timeout, this, [this] { model_.previewPause(); });
    connect(Memo4, &QPlainTextEdit::textChanged, this, [this] { model_.Memo4Change(); });
    connect(Memo4, &QPlainTextEdit::cursorPositionChanged, this, [this] { model_.caretMoved(); });
    Memo4->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo4, &QWidget::customContextMenuRequested, this, &TForm1::Memo4ContextMenu);
}

void TForm1::viditelnost(bool value)
{
    GroupBox3->setVisible(value);
    if (value) {
        Memo4->setFocus();
    }
}

void TForm1::CloseOnTermination()
{
    if (!model_.FormQueryEndSession()) {
        model_.explainLock();
        return;
    }
    model_.FormEndSession();
}

void TForm1::Memo4ContextMenu(const QPoint& at)
{
    const std::unique_ptr<QMenu> menu(Memo4->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(FromUtf8(kUnitListCommand), this, &TForm1::Memo4Catalogue);
    menu->addAction(FromUtf8(kBestPlanCommand), this, &TForm1::BestPlanClick);
    menu->exec(Memo4->viewport()->mapToGlobal(at));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (model_.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // With no window manager keys reach a window only once it is activated.
    activateWindow();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo4 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        model_.Memo4KeyDown(key == Qt::Key_F5 ? WindowKey::F5 : key == Qt::Key_F7 ? WindowKey::F7 : WindowKey::Other);
    }
    // The key goes on to the editor unchanged.
    return QWidget::eventFilter(watched, event);
}

void TForm1::setCaption(std::string_view caption) { setWindowTitle(FromUtf8(caption)); }

void TForm1::setApplicationTitle(std::string_view title) { SetApplicationTitle(FromUtf8(title)); }

void TForm1::setLocked(bool locked) { setEnabled(!locked); }

void TForm1::closeSoon() { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); }

std::optional<ScreenRect> TForm1::frame() const
{
    if (!CanPlaceWindows(CurrentWindowSystem())) {
        return std::nullopt;
    }
    const QRect frame = frameGeometry();
    return ScreenRect{frame.left(), frame.top(), frame.width(), frame.height()};
}

void TForm1::moveFrame(ScreenPoint at) { MoveFrame(*this, {at.left, at.top}); }

ScreenRect TForm1::workArea() const
{
    const QRect area = screen()->availableGeometry();
    return {area.left(), area.top(), area.width(), area.height()};
}

bool TForm1::introSwitch() const { return chbIntro->isChecked(); }

void TForm1::setIntroSwitch(bool on) { chbIntro->setChecked(on); }

std::uint32_t TForm1::registerLockKey(const LockKey& key)
{
    const std::uint32_t atom = GlobalHotKey::AddAtom(std::string(key.name).c_str());
    // An X11 keysym of a letter is its lower case.
    const auto keysym = static_cast<std::uint32_t>(std::tolower(static_cast<unsigned char>(key.letter)));
    hotKey_.registerKey(atom, kControlMask | kAltMask | kShiftMask, keysym, FromUtf8(key.name),
                        FromUtf8(key.description));
    return atom;
}

void TForm1::unregisterLockKey() { hotKey_.unregisterKey(); }

// The raw text keeps no-break spaces, which the plain text would turn into
// ordinary spaces.
std::string TForm1::editorText() const
{
    QString text = Memo4->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return ToUtf8(text);
}

void TForm1::setEditorText(const std::string& text) { Memo4->setPlainText(FromUtf8(text)); }

std::int32_t TForm1::caretLine() const { return Memo4->textCursor().blockNumber() + 1; }

void TForm1::insertAtCaret(const std::string& text)
{
    activateWindow();
    Memo4->setFocus();
    Memo4->insertPlainText(FromUtf8(text));
}

void TForm1::underlineLines(const std::vector<std::int32_t>& lines)
{
    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wavy.setUnderlineColor(Colour(layout::kWarningWaveColour));
    QList<QTextEdit::ExtraSelection> marks;
    for (const std::int32_t line : lines) {
        const QTextBlock block = Memo4->document()->findBlockByNumber(line - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            marks.append({cursor, wavy});
        }
    }
    Memo4->setExtraSelections(marks);
}

void TForm1::showReport(const std::string& report) { reportView_->show(report); }

void TForm1::showPreviewLine(const PreviewLabel& label)
{
    Label1->setText(Label1->fontMetrics().elidedText(FromUtf8(label.text), Qt::ElideRight, Label1->width()));
    Label1->setToolTip(FromUtf8(label.tip));
    QPalette palette = this->palette();
    if (label.warning) {
        // The window's background role makes its labels draw in the button text colour.
        palette.setColor(Label1->foregroundRole(), Colour(layout::kWarningColour));
    }
    Label1->setPalette(palette);
}

void TForm1::setPreviewLineCurrent(bool current) { Label1->setEnabled(current); }

void TForm1::startPreviewTimer(std::chrono::milliseconds pause) { previewTimer_->start(pause); }

void TForm1::deliverPreview(PlanPreview preview)
{
    QMetaObject::invokeMethod(
        this, [this, preview = std::move(preview)]() mutable { model_.previewArrived(std::move(preview)); },
        Qt::QueuedConnection);
}

bool TForm1::askWithoutOwner(std::string_view question)
{
    return QMessageBox::question(nullptr, FromUtf8(kQuestionCaption), FromUtf8(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// No owner: a box owned by the disabled window would be disabled too.
void TForm1::tellWithoutOwner(std::string_view message)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), FromUtf8(message), QMessageBox::Ok);
    box.exec();
}

void TForm1::answerOpenDialogs() { AnswerOpenDialogsSafely(); }

ChartWindowView& TForm1::chartWindow()
{
    if (!treasuryChart_) {
        treasuryChart_ = new TreasuryChart(this);
    }
    return *treasuryChart_;
}

BestPlanWindowView& TForm1::bestPlanWindow()
{
    if (!bestPlanWindow_) {
        bestPlanWindow_ = new BestPlanWindow(this, model_);
    }
    return *bestPlanWindow_;
}

UnitListView& TForm1::unitList()
{
    if (!catalogueList_) {
        catalogueList_ = new CatalogueList(this);
        connect(catalogueList_, &CatalogueList::unitChosen, this, [this](int number) { model_.unitChosen(number); });
    }
    return *catalogueList_;
}

}  // namespace zef
