#include "ini_file.h"
#include "test_files.h"
#include "without_permission_override.h"

#include <QtTest>

using zef::IniFile;

using zef::test::ReadAll;
using zef::test::WriteAll;

class IniFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void parsesIntegers_data();
    void parsesIntegers();
    void readsWithoutRegardToCase_data();
    void readsWithoutRegardToCase();
    void writes_data();
    void writes();
    void firstWriteCreatesTheFile();
    void unwritableFolderThrows();
    void unreadableFileIsNotWrittenOver();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void IniFileTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QStringLiteral("test.ini"));
}

void IniFileTest::parsesIntegers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << QByteArray("123") << true << 123;
    QTest::newRow("leading blanks") << QByteArray("  \t42") << true << 42;
    QTest::newRow("minus") << QByteArray("-7") << true << -7;
    QTest::newRow("plus") << QByteArray("+7") << true << 7;
    QTest::newRow("dollar hex") << QByteArray("$1F") << true << 31;
    QTest::newRow("0x hex") << QByteArray("0x64") << true << 100;
    QTest::newRow("0X hex") << QByteArray("0X64") << true << 100;
    QTest::newRow("negative hex") << QByteArray("-$10") << true << -16;
    QTest::newRow("hex all ones is -1") << QByteArray("$FFFFFFFF") << true << -1;
    QTest::newRow("int max") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << true << int(-2147483647 - 1);
    QTest::newRow("beyond int max") << QByteArray("2147483648") << false << 0;
    QTest::newRow("hex beyond 32 bits") << QByteArray("$100000000") << false << 0;
    QTest::newRow("empty") << QByteArray("") << false << 0;
    QTest::newRow("sign only") << QByteArray("-") << false << 0;
    QTest::newRow("prefix only") << QByteArray("0x") << false << 0;
    QTest::newRow("trailing text") << QByteArray("12a") << false << 0;
    QTest::newRow("trailing blank") << QByteArray("12 ") << false << 0;
    QTest::newRow("word") << QByteArray("yes") << false << 0;
    QTest::newRow("hex digit in decimal") << QByteArray("1F") << false << 0;
}

void IniFileTest::parsesIntegers()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, converts);
    QFETCH(int, value);
    const std::optional<std::int32_t> parsed = zef::ParseIniInteger(text);
    QCOMPARE(parsed.has_value(), converts);
    if (converts) {
        QCOMPARE(*parsed, value);
    }
}

void IniFileTest::readsWithoutRegardToCase_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("value");
    const QByteArray file = "; note\r\n[FormOptions]\r\nLeft=0x64\r\n\r\n[statistika]\r\n spusteni = 5 \r\n";
    QTest::newRow("exact case") << file << QByteArray("FormOptions") << QByteArray("Left") << 100;
    QTest::newRow("other case") << file << QByteArray("formoptions") << QByteArray("LEFT") << 100;
    QTest::newRow("blanks around") << file << QByteArray("Statistika") << QByteArray("spusteni") << 5;
    QTest::newRow("key in another section") << file << QByteArray("statistika") << QByteArray("Left") << -1;
    QTest::newRow("missing section") << file << QByteArray("Nothing") << QByteArray("Left") << -1;
    QTest::newRow("bare LF file") << QByteArray("[a]\nk=3\n") << QByteArray("A") << QByteArray("K") << 3;
    QTest::newRow("comment is no entry") << QByteArray("[a]\n;k=3\n") << QByteArray("a") << QByteArray("k") << -1;
}

void IniFileTest::readsWithoutRegardToCase()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(int, value);
    WriteAll(path_, content);
    QCOMPARE(IniFile(path_).readInteger(section, key, -1), value);
}

void IniFileTest::writes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replaces in place, keeps spelling")
        << QByteArray("[FormOptions]\r\nLeft=5\r\nTop=6\r\n") << QByteArray("formoptions") << QByteArray("left")
        << QByteArray("[FormOptions]\r\nLeft=9\r\nTop=6\r\n");
    QTest::newRow("adds a key to its section")
        << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n") << QByteArray("A") << QByteArray("z")
        << QByteArray("[a]\r\nx=1\r\nz=9\r\n\r\n[b]\r\ny=2\r\n");
    QTest::newRow("adds a section at the end")
        << QByteArray("; keep me\r\n[a]\r\nx=1\r\n") << QByteArray("Statistika") << QByteArray("spusteni")
        << QByteArray("; keep me\r\n[a]\r\nx=1\r\n\r\n[Statistika]\r\nspusteni=9\r\n");
    QTest::newRow("keeps foreign lines") << QByteArray("junk line\n[a]\n;c\nx=1\n") << QByteArray("a")
                                         << QByteArray("x") << QByteArray("junk line\r\n[a]\r\n;c\r\nx=9\r\n");
}

void IniFileTest::writes()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, after);
    WriteAll(path_, before);
    IniFile(path_).writeInteger(section, key, 9);
    QCOMPARE(ReadAll(path_), after);
}

void IniFileTest::firstWriteCreatesTheFile()
{
    IniFile ini(path_);
    QCOMPARE(ini.readBool("FormOptions", "intro", true), true);
    ini.writeBool("FormOptions", "intro", false);
    QCOMPARE(ReadAll(path_), QByteArray("[FormOptions]\r\nintro=0\r\n"));
    QCOMPARE(ini.readBool("FormOptions", "intro", true), false);
}

void IniFileTest::unwritableFolderThrows()
{
    IniFile ini(dir_->filePath(QStringLiteral("missing/test.ini")));
    try {
        ini.writeString("a", "b", "c");
        QFAIL("the write should have failed");
    } catch (const zef::IniWriteError& error) {
        QCOMPARE(QString::fromLocal8Bit(error.what()), QStringLiteral("Unable to write to ") + ini.path());
    }
}

void IniFileTest::unreadableFileIsNotWrittenOver()
{
    zef::testing::DropPermissionOverride();
    const QByteArray stored = "[FormOptions]\r\nleft=30\r\n[Other]\r\nkept=1\r\n";
    WriteAll(path_, stored);
    QVERIFY(QFile::setPermissions(path_, QFile::WriteOwner));
    IniFile ini(path_);
    QVERIFY_THROWS_EXCEPTION(zef::IniWriteError, ini.writeInteger("FormOptions", "top", 40));
    QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(ReadAll(path_), stored);
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "ini_file_test.moc"
