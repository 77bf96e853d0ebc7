// Replacing a file either puts the new bytes down whole or leaves the old file
// byte for byte, on a full disk and in a read-only folder alike.
#include "file_replace.h"
#include "file_size_limit.h"
#include "test_files.h"
#include "without_permission_override.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using zef::test::ReadAll;
using zef::test::WriteAll;

namespace {
const QByteArray kOld = "@zl 120000\r\n1 1000\r\n";
const QByteArray kNew = QByteArray(8000, 'x');
}  // namespace

class FileReplaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zef::testing::DropPermissionOverride(); }
    void replaces_data();
    void replaces();
};

void FileReplaceTest::replaces_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<bool>("readOnlyFile");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("readOnlyReported");
    QTest::newRow("writable folder") << false << false << false << true << false;
    QTest::newRow("full disk") << false << false << true << false << false;
    QTest::newRow("read-only folder, writable file") << true << false << false << true << false;
    QTest::newRow("read-only folder, full disk") << true << false << true << false << false;
    QTest::newRow("read-only file") << false << true << false << false << true;
}

void FileReplaceTest::replaces()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(bool, readOnlyFile);
    QFETCH(bool, fullDisk);
    QFETCH(bool, replaced);
    QFETCH(bool, readOnlyReported);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("rekrut.txt"));
    WriteAll(path, kOld);
    if (readOnlyFile) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    }
    if (readOnlyFolder) {
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    }
    std::optional<zef::ReplaceFailure> failure;
    {
        std::optional<zef::testing::FileSizeLimit> limit;
        if (fullDisk) {
            limit.emplace(4096);
        }
        failure = zef::ReplaceFileVerified(path, kNew);
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(ReadAll(path), replaced ? kNew : kOld);
    QCOMPARE(failure.has_value(), !replaced);
    if (failure) {
        QCOMPARE(failure->readOnly, readOnlyReported);
        QVERIFY(!failure->reason.isEmpty());
    }
    // Nothing is left behind: no temporary file beside the plan.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("rekrut.txt")});
}

QTEST_GUILESS_MAIN(FileReplaceTest)
#include "file_replace_test.moc"
