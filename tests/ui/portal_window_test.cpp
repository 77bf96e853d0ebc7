// The window on Wayland, with the desktop portal played by the stand-in on a
// private bus (tests/portal): run through tests/system/wayland_session.sh.
// The hot key arrives as the portal's Activated signal; the test asks the
// stand-in to emit it and reads back what the window bound and inhibited.
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "modal_answer.h"
#include "test_files.h"
#include "webU.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QtTest>

using zef::TForm1;
using zef::test::ModalAnswer;

namespace {

const QString kShortcutId = QStringLiteral("KlavZkrZeF");
const QString kLockedText = QStringLiteral("pls\nNEVYPÍNAT\ndík r");

// The stand-in's control interface.
class PortalStandIn {
public:
    PortalStandIn()
        : control_(QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/example/zef/PortalStandIn"),
                   QStringLiteral("org.example.zef.PortalStandIn"))
    {
    }

    bool reachable() const { return control_.isValid(); }
    void setAnswer(const QString& answer) { control_.call(QStringLiteral("SetAnswer"), answer); }
    QString boundTrigger() { return QDBusReply<QString>(control_.call(QStringLiteral("BoundTrigger"), kShortcutId)); }
    QString boundDescription()
    {
        return QDBusReply<QString>(control_.call(QStringLiteral("BoundDescription"), kShortcutId));
    }
    bool activate() { return QDBusReply<bool>(control_.call(QStringLiteral("Activate"), kShortcutId)); }
    QStringList logoutInhibitions()
    {
        return QDBusReply<QStringList>(control_.call(QStringLiteral("LogoutInhibitions")));
    }

private:
    QDBusInterface control_;
};

// Collects the warnings the program writes to standard error.
QStringList warnings;

void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg) {
        warnings << text;
    }
}

}  // namespace

class PortalWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void bindsLockWithPreferredTrigger();
    void activatedTogglesLock();
    void lockedWindowRefusesClose();
    void lockHoldsOffLogout();
    void closingReleasesBinding();
    void storedPositionStays();
    void missingKeyIsExplainedOnce_data();
    void missingKeyIsExplainedOnce();

private:
    std::unique_ptr<TForm1> start();
    bool bindingArrived();

    PortalStandIn standIn_;
    std::unique_ptr<zef::test::WindowFolders> folders_;
};

void PortalWindowTest::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY2(standIn_.reachable(), "the portal stand-in is not on the session bus");
    // These tests are about the lock; the intro would cover the calculator.
    zef::SetGLLibraryNames("libzef-no-gl.so.1", "libzef-no-glu.so.1");
}

void PortalWindowTest::init()
{
    standIn_.setAnswer(QStringLiteral("bind"));
    folders_ = std::make_unique<zef::test::WindowFolders>();
    QVERIFY(folders_->isValid());
}

void PortalWindowTest::cleanup() { folders_.reset(); }

std::unique_ptr<TForm1> PortalWindowTest::start()
{
    auto window = std::make_unique<TForm1>(folders_->settingsFolder());
    window->show();
    return window;
}

bool PortalWindowTest::bindingArrived()
{
    return QTest::qWaitFor([this] { return !standIn_.boundTrigger().isEmpty(); }, 5000);
}

void PortalWindowTest::bindsLockWithPreferredTrigger()
{
    auto window = start();
    QVERIFY(bindingArrived());
    QCOMPARE(standIn_.boundTrigger(), QStringLiteral("CTRL+ALT+SHIFT+m"));
    QCOMPARE(standIn_.boundDescription(), QStringLiteral("Zamknout a odemknout okno ZeF"));
}

void PortalWindowTest::activatedTogglesLock()
{
    auto window = start();
    QVERIFY(bindingArrived());
    QVERIFY(window->isEnabled());
    QVERIFY(standIn_.activate());
    QTRY_VERIFY(!window->isEnabled());
    QVERIFY(standIn_.activate());
    QTRY_VERIFY(window->isEnabled());
}

void PortalWindowTest::lockedWindowRefusesClose()
{
    auto window = start();
    QVERIFY(bindingArrived());
    QVERIFY(standIn_.activate());
    QTRY_VERIFY(!window->isEnabled());
    {
        ModalAnswer answer;
        QVERIFY(!window->close());
        QCOMPARE(answer.texts(), QStringList{kLockedText});
        QVERIFY(window->isVisible());
    }
    QVERIFY(standIn_.activate());
    QTRY_VERIFY(window->isEnabled());
    ModalAnswer answer;
    QVERIFY(window->close());
    QVERIFY(answer.texts().isEmpty());
}

void PortalWindowTest::lockHoldsOffLogout()
{
    auto window = start();
    QVERIFY(bindingArrived());
    QVERIFY(standIn_.activate());
    QTRY_COMPARE(standIn_.logoutInhibitions(), QStringList{kLockedText});
    QVERIFY(standIn_.activate());
    QTRY_VERIFY(standIn_.logoutInhibitions().isEmpty());
}

void PortalWindowTest::closingReleasesBinding()
{
    auto window = start();
    QVERIFY(bindingArrived());
    QVERIFY(standIn_.activate());
    QTRY_VERIFY(!window->isEnabled());
    // Destroyed while locked, the window gives back the key and the inhibition.
    window.reset();
    QTRY_VERIFY(standIn_.boundTrigger().isEmpty());
    QTRY_VERIFY(standIn_.logoutInhibitions().isEmpty());
    QVERIFY(!standIn_.activate());
}

void PortalWindowTest::storedPositionStays()
{
    const QString ini = QDir(folders_->settings.path()).filePath(QStringLiteral("zeF.ini"));
    zef::test::WriteAll(ini, "[FormOptions]\r\nLeft=30\r\nTop=40\r\n");
    auto window = start();
    QVERIFY(bindingArrived());
    window.reset();
    const QByteArray stored = zef::test::ReadAll(ini);
    QVERIFY2(stored.contains("Left=30\r\nTop=40\r\n"), stored.constData());
}

void PortalWindowTest::missingKeyIsExplainedOnce_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("reason");
    QTest::newRow("binding declined") << "decline"
                                      << "the binding of the shortcut was declined";
    QTest::newRow("portal without global shortcuts") << "absent"
                                                     << "the desktop portal offers no global shortcuts";
}

void PortalWindowTest::missingKeyIsExplainedOnce()
{
    QFETCH(QString, answer);
    QFETCH(QString, reason);
    standIn_.setAnswer(answer);
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
    auto window = start();
    QTRY_VERIFY(!warnings.isEmpty());
    QTest::qWait(200);
    qInstallMessageHandler(previous);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(reason), qPrintable(warnings.first()));
    // The window runs on without the lock.
    QVERIFY(!standIn_.activate());
    QVERIFY(window->isEnabled());
}

ZEF_GUI_TEST_MAIN(PortalWindowTest)
#include "portal_window_test.moc"
