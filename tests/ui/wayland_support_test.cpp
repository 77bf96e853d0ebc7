// The small rules under the Wayland support: which window system a Qt
// platform is, where positions can be kept, the portal's trigger notation
// and the object paths a portal makes for its requests.
#include "global_hot_key.h"
#include "portal_hot_key.h"
#include "portal_request.h"
#include "window_system.h"

#include <QtTest>

using zef::WindowSystem;

Q_DECLARE_METATYPE(zef::WindowSystem)

class WaylandSupportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowSystemOfPlatform_data();
    void windowSystemOfPlatform();
    void shortcutTrigger_data();
    void shortcutTrigger();
    void portalHandlePath_data();
    void portalHandlePath();
    void tokensDiffer();
};

void WaylandSupportTest::windowSystemOfPlatform_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<WindowSystem>("system");
    QTest::addColumn<bool>("placesWindows");
    QTest::newRow("xcb") << "xcb" << WindowSystem::X11 << true;
    QTest::newRow("wayland") << "wayland" << WindowSystem::Wayland << false;
    QTest::newRow("wayland-egl") << "wayland-egl" << WindowSystem::Wayland << false;
    QTest::newRow("wayland-brcm") << "wayland-brcm" << WindowSystem::Wayland << false;
    QTest::newRow("name only starting alike") << "waylandish" << WindowSystem::Other << true;
    QTest::newRow("offscreen") << "offscreen" << WindowSystem::Other << true;
    QTest::newRow("empty") << "" << WindowSystem::Other << true;
}

void WaylandSupportTest::windowSystemOfPlatform()
{
    QFETCH(QString, platform);
    QFETCH(WindowSystem, system);
    QFETCH(bool, placesWindows);
    QCOMPARE(zef::WindowSystemOf(platform), system);
    QCOMPARE(zef::CanPlaceWindows(system), placesWindows);
}

void WaylandSupportTest::shortcutTrigger_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("keysym");
    QTest::addColumn<QString>("trigger");
    const int all = zef::kControlMask | zef::kAltMask | zef::kShiftMask;
    QTest::newRow("the lock key") << all << 0x6d << "CTRL+ALT+SHIFT+m";
    QTest::newRow("modifiers in the fixed order")
        << (zef::kShiftMask | zef::kControlMask) << int('a') << "CTRL+SHIFT+a";
    QTest::newRow("Alt alone") << int(zef::kAltMask) << int('z') << "ALT+z";
    QTest::newRow("digit") << int(zef::kControlMask) << int('7') << "CTRL+7";
    QTest::newRow("no modifier") << 0 << int('q') << "q";
    QTest::newRow("locks are not modifiers") << (zef::kNumLockMask | zef::kLockMask) << int('m') << "m";
    QTest::newRow("upper-case keysym has another name") << all << int('M') << "";
    QTest::newRow("named key") << all << 0xff1b << "";
}

void WaylandSupportTest::shortcutTrigger()
{
    QFETCH(int, modifiers);
    QFETCH(int, keysym);
    QFETCH(QString, trigger);
    QCOMPARE(zef::ShortcutTrigger(std::uint16_t(modifiers), std::uint32_t(keysym)), trigger);
}

void WaylandSupportTest::portalHandlePath_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("uniqueName");
    QTest::addColumn<QString>("path");
    QTest::newRow("request") << "request"
                             << ":1.42"
                             << "/org/freedesktop/portal/desktop/request/1_42/t";
    QTest::newRow("session") << "session"
                             << ":1.7"
                             << "/org/freedesktop/portal/desktop/session/1_7/t";
    QTest::newRow("every dot") << "request"
                               << ":12.3.4"
                               << "/org/freedesktop/portal/desktop/request/12_3_4/t";
}

void WaylandSupportTest::portalHandlePath()
{
    QFETCH(QString, kind);
    QFETCH(QString, uniqueName);
    QFETCH(QString, path);
    QCOMPARE(zef::PortalHandlePath(kind, uniqueName, QStringLiteral("t")), path);
}

void WaylandSupportTest::tokensDiffer()
{
    const QString first = zef::NewPortalToken();
    const QString second = zef::NewPortalToken();
    QVERIFY(first != second);
    // A token becomes the last element of an object path.
    const QRegularExpression element(QStringLiteral("^[A-Za-z0-9_]+$"));
    QVERIFY(element.match(first).hasMatch());
}

QTEST_GUILESS_MAIN(WaylandSupportTest)
#include "wayland_support_test.moc"
