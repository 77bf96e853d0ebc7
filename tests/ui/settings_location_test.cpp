#include "settings.h"
#include "settings_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Root passes every permission check, so as root (as in CI) a read-only
// folder would look writable. Without CAP_DAC_OVERRIDE root sees folders as
// their permissions say; dropping it from the permitted set too reaches
// access(), which checks root against that set.
bool DropFileAccessOverride()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    const __u32 override = 1U << CAP_DAC_OVERRIDE;
    data[0].effective &= ~override;
    data[0].permitted &= ~override;
    data[0].inheritable &= ~override;
    return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

class SettingsLocationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void choosesFolder_data();
    void choosesFolder();
};

void SettingsLocationTest::initTestCase()
{
    QVERIFY(DropFileAccessOverride());
}

void SettingsLocationTest::choosesFolder_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("fileBeside");
    QTest::addColumn<bool>("beside");
    QTest::newRow("writable folder: beside the executable") << true << false << true;
    QTest::newRow("read-only folder: the user's folder") << false << false << false;
    QTest::newRow("read-only folder with zeF.ini: beside the executable") << false << true << true;
}

void SettingsLocationTest::choosesFolder()
{
    QFETCH(bool, writable);
    QFETCH(bool, fileBeside);
    QFETCH(bool, beside);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString executableFolder = root.filePath(QStringLiteral("bin"));
    const QString userFolder = root.filePath(QStringLiteral("home/.config/ZeF"));
    QVERIFY(QDir().mkpath(executableFolder));
    if (fileBeside) {
        QFile ini(QDir(executableFolder).filePath(QString::fromLatin1(zef::kSettingsFileName)));
        QVERIFY(ini.open(QIODevice::WriteOnly));
    }
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(executableFolder, writable ? readOnly | QFile::WriteOwner : readOnly));

    const QString chosen = zef::ChooseSettingsFolder(executableFolder, userFolder);
    QFile::setPermissions(executableFolder, readOnly | QFile::WriteOwner);  // so that the folder can be removed

    QCOMPARE(chosen, beside ? executableFolder : userFolder);
    // The user's folder is made only when it is used.
    QCOMPARE(QDir(userFolder).exists(), !beside);
}

QTEST_GUILESS_MAIN(SettingsLocationTest)
#include "settings_location_test.moc"
