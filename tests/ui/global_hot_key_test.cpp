#include "global_hot_key.h"

#include "gui_test_main.h"

#include <QtTest>

namespace {

constexpr std::uint8_t kPress = 2;
constexpr std::uint8_t kRelease = 3;
constexpr std::uint8_t kKeycodeM = 58;
constexpr std::uint16_t kHotKey = zef::kControlMask | zef::kAltMask | zef::kShiftMask;

}  // namespace

class GlobalHotKeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesPress_data();
    void matchesPress();
    void atomIsStable();
};

void GlobalHotKeyTest::matchesPress_data()
{
    QTest::addColumn<int>("responseType");
    QTest::addColumn<int>("keycode");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("matches");
    QTest::newRow("Ctrl+Alt+Shift+M") << int(kPress) << int(kKeycodeM) << int(kHotKey) << true;
    QTest::newRow("with Num Lock") << int(kPress) << int(kKeycodeM) << int(kHotKey | zef::kNumLockMask) << true;
    QTest::newRow("with Caps Lock") << int(kPress) << int(kKeycodeM) << int(kHotKey | zef::kLockMask) << true;
    QTest::newRow("with both locks") << int(kPress) << int(kKeycodeM)
                                     << int(kHotKey | zef::kLockMask | zef::kNumLockMask) << true;
    QTest::newRow("sent by a client") << int(kPress | 0x80) << int(kKeycodeM) << int(kHotKey) << true;
    QTest::newRow("mouse buttons held") << int(kPress) << int(kKeycodeM) << int(kHotKey | 0x100) << true;
    QTest::newRow("release") << int(kRelease) << int(kKeycodeM) << int(kHotKey) << false;
    QTest::newRow("other key") << int(kPress) << int(kKeycodeM + 1) << int(kHotKey) << false;
    QTest::newRow("without Shift") << int(kPress) << int(kKeycodeM) << int(zef::kControlMask | zef::kAltMask) << false;
    QTest::newRow("with Super as well") << int(kPress) << int(kKeycodeM) << int(kHotKey | 0x40) << false;
}

void GlobalHotKeyTest::matchesPress()
{
    QFETCH(int, responseType);
    QFETCH(int, keycode);
    QFETCH(int, state);
    QFETCH(bool, matches);
    QCOMPARE(
        zef::IsHotKeyPress(std::uint8_t(responseType), std::uint8_t(keycode), std::uint16_t(state), kKeycodeM, kHotKey),
        matches);
}

void GlobalHotKeyTest::atomIsStable()
{
    const std::uint32_t atom = zef::GlobalHotKey::AddAtom("KlavZkrZeF");
    QVERIFY(atom != 0);
    QCOMPARE(zef::GlobalHotKey::AddAtom("KlavZkrZeF"), atom);
}

ZEF_GUI_TEST_MAIN(GlobalHotKeyTest)
#include "global_hot_key_test.moc"
