#include "webU.h"

#include "application_title.h"
#include "catalogue.h"
#include "file_messages.h"
#include "frame_position.h"
#include "ini_file.h"
#include "logout_inhibitor.h"
#include "plan_reset.h"
#include "planning_state.h"
#include "report_view.h"
#include "session_guard.h"
#include "text_file.h"
#include "treasury_chart.h"
#include "window_system.h"
#include "windows1250_codec.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
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

// Created in this order when missing.
const QStringList DataFiles = {kPlanFile, QString::fromLatin1(kCatalogueFileName)};

const QString kCaption = QStringLiteral("ZeF v.3 – autor: q71, q71@example.org, https://zef.example.org");
const QString kApplicationTitle = QStringLiteral("q71_brouzdac");
const char* const kHotKeyAtomName = "KlavZkrZeF";
const QString kHotKeyDescription = QStringLiteral("Zamknout a odemknout okno ZeF");
const QString kLockedText = QStringLiteral("pls\nNEVYPÍNAT\ndík r");
constexpr std::uint32_t kKeysymM = 0x6d;

// The editor's text with '\n' line breaks. The raw text keeps no-break spaces,
// which the plain text would turn into ordinary spaces.
QString EditorText(const QPlainTextEdit& editor)
{
    QString text = editor.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

}  // namespace

TForm1::TForm1(const QString& settingsDirectory, QWidget* parent)
    : QWidget(parent), settingsDirectory_(settingsDirectory), planOnDisk_(kPlanFile), planRunner_(this),
      introPlayer_(*this, {[this] { return IntroRunning(); }, [this] { LoadGLTextures(); },
                           [this](const QKeyEvent& event) { FormKeyDown(event.key(), event.modifiers()); },
                           [this] { FormClick(); }})
{
    Form1 = this;
    BuildLayout();
    reportView_ = new ReportView(Memo3);
    sessionGuard_ = new SessionGuard([this] { return !isEnabled(); }, [this] { ShowLockedMessage(); }, this);
    new LogoutInhibitor(this, kLockedText);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    // On the calculator group, so that F6 does nothing while the intro runs.
    auto* chartKey =
        new QShortcut(QKeySequence(Qt::Key_F6), GroupBox3, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(chartKey, &QShortcut::activated, this, &TForm1::Button7Click);
    connect(&hotKey_, &GlobalHotKey::activated, this, &TForm1::WMHotKey);
    Memo4->installEventFilter(this);
    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
    Form1 = nullptr;
}

// The order matters: the start-up refresh runs before the settings are read,
// so it does not count, and the intro decision needs the restored switch.
void TForm1::FormCreate()
{
    for (const QString& name : DataFiles) {
        if (const std::optional<QString> error = CreateIfMissing(name)) {
            ShowError(CannotCreateMessage(name, *error));
        }
    }
    setWindowTitle(kCaption);
    SetApplicationTitle(kApplicationTitle);
    // An editor that never received the plan must not be saved over it.
    if (LoadPlanEditor()) {
        Button3Click();
    }
    HotKeyAtom = GlobalHotKey::AddAtom(kHotKeyAtomName);
    hotKey_.registerKey(HotKeyAtom, kControlMask | kAltMask | kShiftMask, kKeysymM,
                        QString::fromLatin1(kHotKeyAtomName), kHotKeyDescription);
    ApplySettings();
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
    StoreSettings();
}

void TForm1::ApplySettings()
{
    SettingsIni = std::make_unique<IniFile>(QDir(settingsDirectory_).filePath(QString::fromLatin1(kSettingsFileName)));
    const StoredSettings stored = ReadSettings(*SettingsIni);
    settingsAtStart_ = stored;
    if (CanPlaceWindows(CurrentWindowSystem())) {
        MoveFrame(*this, QPoint(stored.left, stored.top));
    }
    StartCount = stored.starts + 1;
    DesignCount = stored.designs;
    RecruitCount = stored.recruitments;
    chbIntro->setChecked(stored.intro);
}

void TForm1::StoreSettings()
{
    if (!SettingsIni) {
        return;
    }
    const StoredSettings onDisk = ReadSettings(*SettingsIni);
    // Where windows cannot be placed the position reads 0, 0: the stored one stays.
    const QPoint position = CanPlaceWindows(CurrentWindowSystem()) ? pos() : QPoint(onDisk.left, onDisk.top);
    const StoredSettings now{position.x(), position.y(), StartCount, DesignCount, RecruitCount, chbIntro->isChecked()};
    try {
        WriteSettings(*SettingsIni, SettingsToStore(onDisk, settingsAtStart_, now));
    } catch (const IniWriteError& error) {
        // The window is going away, so the message has no owner.
        QMessageBox message(QMessageBox::Critical, kApplicationTitle, QString::fromLocal8Bit(error.what()),
                            QMessageBox::Ok);
        message.setInformativeText(error.reason());
        message.exec();
    }
    SettingsIni.reset();
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
    if (planRunner_.running()) {
        return;
    }
    ++DesignCount;
    const Windows1250Text plan = EncodeWindows1250(EditorText(*Memo4));
    if (plan.failure) {
        const UnencodableCharacter& bad = *plan.failure;
        ShowError(QStringLiteral("Znak „%1“ (U+%2) na řádku %3 nejde uložit do %4 v kódování Windows-1250. "
                                 "Nic se neuložilo ani nepřepočítalo.")
                      .arg(bad.character)
                      .arg(bad.character.isEmpty() ? 0u : bad.character.toUcs4().value(0), 4, 16, QChar(u'0'))
                      .arg(bad.line)
                      .arg(kPlanFile));
        return;
    }
    if (!SavePlan(plan.bytes)) {
        return;
    }
    const PlanRunOutcome outcome = planRunner_.run(planningState_);
    if (outcome.result == PlanRunResult::Failed) {
        ShowError(outcome.error);
    }
    if (outcome.result != PlanRunResult::Completed) {
        return;
    }
    reportView_->show(planningState_.reportText);
    lastRecording_ = std::move(outcome.recording);
    if (treasuryChart_ && treasuryChart_->isVisible()) {
        treasuryChart_->showRecording(lastRecording_);
    }
}

void TForm1::Button7Click()
{
    if (!treasuryChart_) {
        treasuryChart_ = new TreasuryChart(this);
    }
    treasuryChart_->showRecording(lastRecording_);
    treasuryChart_->show();
    treasuryChart_->raise();
    treasuryChart_->activateWindow();
}

void TForm1::Button6Click()
{
    const QMessageBox::StandardButton answer =
        QMessageBox::question(nullptr, QStringLiteral("ZeF"), QStringLiteral("Opravdu resetovat nastavení?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    Memo4->setPlainText(ResetDirectives(EditorText(*Memo4)));
}

void TForm1::Memo4KeyDown(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_F5) {
        Button3Click();
    }
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

void TForm1::ShowLockedMessage()
{
    // No owner: a dialog owned by the disabled window would be disabled too.
    QMessageBox message(QMessageBox::NoIcon, ApplicationTitle(), kLockedText, QMessageBox::Ok);
    message.exec();
}

void TForm1::ShowError(const QString& text) { QMessageBox::critical(this, ApplicationTitle(), text); }

void TForm1::closeEvent(QCloseEvent* event)
{
    // A close during a planning run waits for the run; Cancel is at hand.
    if (planRunner_.running() || !FormCloseQuery()) {
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
