#include "webU.h"

#include "application_title.h"
#include "frame_position.h"
#include "logout_inhibitor.h"
#include "plan_reset.h"
#include "qt_text.h"
#include "report_view.h"
#include "session_guard.h"
#include "treasury_chart.h"
#include "window_system.h"
#include "window_texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>

namespace zef {

TForm1* Form1 = nullptr;

namespace {

const QString kHotKeyDescription = QStringLiteral("Zamknout a odemknout okno ZeF");
constexpr std::uint32_t kKeysymM = 0x6d;

}  // namespace

TForm1::TForm1(std::optional<std::filesystem::path> settingsFolder, QWidget* parent)
    : QWidget(parent), messages_(*this), core_(messages_),
      introPlayer_(*this, {[this] { return IntroRunning(); }, [this] { LoadGLTextures(); },
                           [this](const QKeyEvent& event) { FormKeyDown(event.key(), event.modifiers()); },
                           [this] { FormClick(); }}),
      previewWorker_([this](PlanPreview preview) {
          QMetaObject::invokeMethod(
              this, [this, preview = std::move(preview)]() mutable { ShowPreview(std::move(preview)); },
              Qt::QueuedConnection);
      })
{
    Form1 = this;
    BuildLayout();
    reportView_ = new ReportView(Memo3);
    sessionGuard_ = new SessionGuard([this] { return !isEnabled(); }, [this] { ShowLockedMessage(); }, this);
    new LogoutInhibitor(this, FromUtf8(kLockedText));
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    // On the calculator group, so that F6 does nothing while the intro runs.
    auto* chartKey =
        new QShortcut(QKeySequence(Qt::Key_F6), GroupBox3, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(chartKey, &QShortcut::activated, this, &TForm1::Button7Click);
    connect(&hotKey_, &GlobalHotKey::activated, this, &TForm1::WMHotKey);
    Memo4->installEventFilter(this);
    ConnectPreview();
    FormCreate(settingsFolder);
}

TForm1::~TForm1()
{
    FormDestroy();
    Form1 = nullptr;
}

// The order matters: the start-up refresh runs before the settings are read,
// so it does not count, and the intro decision needs the restored switch.
void TForm1::FormCreate(const std::optional<std::filesystem::path>& settingsFolder)
{
    core_.createDataFiles();
    setWindowTitle(FromUtf8(kWindowCaption));
    SetApplicationTitle(FromUtf8(kApplicationTitle));
    core_.offerInterruptedSave();
    // An editor that never received the plan must not be saved over it.
    if (const std::optional<std::string> plan = core_.loadPlan()) {
        Memo4->setPlainText(FromUtf8(*plan));
        Button3Click();
    }
    HotKeyAtom = GlobalHotKey::AddAtom(std::string(kHotKeyAtomName).c_str());
    hotKey_.registerKey(HotKeyAtom, kControlMask | kAltMask | kShiftMask, kKeysymM, FromUtf8(kHotKeyAtomName),
                        kHotKeyDescription);
    ApplySettings(settingsFolder);
    // Without a GL library or a context the intro cannot run; the window
    // then starts as if the switch were off, and the switch is still kept.
    if (!chbIntro->isChecked() || !introPlayer_.start()) {
        viditelnost(true);
        setWindowOpacity(1.0);
    }
}

void TForm1::FormDestroy()
{
    // Closed during the intro: tear it down without showing the calculator.
    if (IntroRunning()) {
        introPlayer_.end();
    }
    hotKey_.unregisterKey();
    const bool placed = CanPlaceWindows(CurrentWindowSystem());
    core_.closeSettings({pos().x(), pos().y(), chbIntro->isChecked(), placed});
}

void TForm1::ApplySettings(const std::optional<std::filesystem::path>& settingsFolder)
{
    const StoredSettings stored = core_.openSettings(settingsFolder);
    if (CanPlaceWindows(CurrentWindowSystem())) {
        MoveFrame(*this, QPoint(stored.left, stored.top));
    }
    chbIntro->setChecked(stored.intro);
}

void TForm1::viditelnost(bool value)
{
    GroupBox3->setVisible(value);
    if (value) {
        Memo4->setFocus();
    }
}

void TForm1::Button3Click()
{
    if (core_.refresh(Memo4Text())) {
        reportView_->show(core_.planningState().reportText);
        chartFollowsPreview_ = false;
        if (treasuryChart_ && treasuryChart_->isVisible()) {
            treasuryChart_->showRecording(core_.lastRecording());
        }
    }
    CloseIfAsked();
}

void TForm1::Button7Click()
{
    if (!treasuryChart_) {
        treasuryChart_ = new TreasuryChart(this);
    }
    ShowInChart();
    ShowBeside(*treasuryChart_, *this);
}

void TForm1::Button6Click()
{
    const QMessageBox::StandardButton answer =
        QMessageBox::question(nullptr, FromUtf8(kQuestionCaption), FromUtf8(kResetQuestion),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes || messages_.ending()) {
        return;
    }
    Memo4->setPlainText(FromUtf8(ResetDirectives(Memo4Text())));
}

void TForm1::Memo4KeyDown(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_F5) {
        Button3Click();
    }
}

// The raw text keeps no-break spaces, which the plain text would turn into
// ordinary spaces.
std::string TForm1::Memo4Text() const
{
    QString text = Memo4->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return ToUtf8(text);
}

void TForm1::WMHotKey(std::uint32_t id)
{
    if (id == HotKeyAtom) {
        setEnabled(!isEnabled());
    }
}

bool TForm1::FormCloseQuery()
{
    if (isEnabled()) {
        return true;
    }
    ShowLockedMessage();
    return false;
}

void TForm1::CloseOnTermination()
{
    if (isEnabled()) {
        messages_.endWithoutAsking();
        AnswerOpenDialogsSafely();
    }
    // Queued: a dialog just answered first returns to whoever opened it.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::ShowLockedMessage()
{
    // No owner: a dialog owned by the disabled window would be disabled too.
    QMessageBox message(QMessageBox::NoIcon, ApplicationTitle(), FromUtf8(kLockedText), QMessageBox::Ok);
    message.exec();
}

void TForm1::CloseIfAsked()
{
    if (closeAsked_ && !core_.running()) {
        closeAsked_ = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    // A close during a planning run ends the run; the window closes once it has.
    if (core_.running()) {
        closeAsked_ = true;
        core_.cancelRun();
        event->ignore();
        return;
    }
    event->accept();
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
        Memo4KeyDown(*static_cast<QKeyEvent*>(event));
    }
    // The key goes on to the editor unchanged.
    return QWidget::eventFilter(watched, event);
}

}  // namespace zef
