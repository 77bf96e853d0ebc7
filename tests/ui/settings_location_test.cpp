#include "settings_location.h"
#include "settings.h"
#include "without_permission_override.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class SettingsLocationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void choosesFolder_data();
    void choosesFolder();
};

void SettingsLocationTest::initTestCase()
{
    // As root (as in CI) a read-only folder would otherwise look writable.
    zef::testing::DropPermissionOverride();
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
