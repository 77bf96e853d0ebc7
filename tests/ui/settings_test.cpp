#include "settings.h"
#include "ini_file.h"
#include "test_files.h"

#include <QtTest>

using zef::StoredSettings;

using zef::test::ReadAll;

class SettingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void reads_data();
    void reads();
    void newFileGetsTheWrittenSpellings();
    void updatesOtherSpellingsInPlace();
    void unwritableFileThrows();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void SettingsTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QString::fromLatin1(zef::kSettingsFileName));
}

void SettingsTest::reads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("starts");
    QTest::addColumn<int>("designs");
    QTest::addColumn<int>("recruitments");
    QTest::addColumn<bool>("intro");
    QTest::newRow("no file") << QByteArray() << 100 << 100 << 0 << 0 << 0 << true;
    QTest::newRow("all entries")
        << QByteArray("[FormOptions]\r\nintro=0\r\nleft=10\r\ntop=20\r\n[Statistika]\r\nspusteni=3\r\n"
                      "navrhArmady=4\r\nnarekrutovani=5\r\n")
        << 10 << 20 << 3 << 4 << 5 << false;
    QTest::newRow("hexadecimal left") << QByteArray("[FormOptions]\r\nLeft=0x64\r\nTop=$20\r\n") << 100 << 32 << 0 << 0
                                      << 0 << true;
    QTest::newRow("non-numeric intro is true")
        << QByteArray("[FormOptions]\r\nintro=ano\r\n") << 100 << 100 << 0 << 0 << 0 << true;
    QTest::newRow("any non-zero intro is true")
        << QByteArray("[FormOptions]\r\nintro=-2\r\n") << 100 << 100 << 0 << 0 << 0 << true;
    QTest::newRow("non-numeric left gives default")
        << QByteArray("[FormOptions]\r\nleft=x\r\n") << 100 << 100 << 0 << 0 << 0 << true;
}

void SettingsTest::reads()
{
    QFETCH(QByteArray, content);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, starts);
    QFETCH(int, designs);
    QFETCH(int, recruitments);
    QFETCH(bool, intro);
    if (!content.isEmpty()) {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const StoredSettings s = zef::ReadSettings(zef::IniFile(path_));
    QCOMPARE(s.left, left);
    QCOMPARE(s.top, top);
    QCOMPARE(s.starts, starts);
    QCOMPARE(s.designs, designs);
    QCOMPARE(s.recruitments, recruitments);
    QCOMPARE(s.intro, intro);
}

void SettingsTest::newFileGetsTheWrittenSpellings()
{
    zef::IniFile ini(path_);
    zef::WriteSettings(ini, StoredSettings{7, 8, 1, 2, 0, false});
    QCOMPARE(ReadAll(path_),
             QByteArray("[FormOptions]\r\nintro=0\r\nleft=7\r\ntop=8\r\n\r\n[Statistika]\r\nspusteni=1\r\n"
                        "navrhArmady=2\r\nnarekrutovani=0\r\n"));
}

void SettingsTest::updatesOtherSpellingsInPlace()
{
    {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[FormOptions]\r\nLeft=1\r\n[statistika]\r\nspusteni=4\r\n");
    }
    zef::IniFile ini(path_);
    StoredSettings s = zef::ReadSettings(ini);
    s.starts += 1;
    zef::WriteSettings(ini, s);
    QCOMPARE(ReadAll(path_), QByteArray("[FormOptions]\r\nLeft=1\r\nintro=1\r\ntop=100\r\n[statistika]\r\n"
                                        "spusteni=5\r\nnavrhArmady=0\r\nnarekrutovani=0\r\n"));
}

void SettingsTest::unwritableFileThrows()
{
    // A directory in the file's place makes every write fail.
    QVERIFY(QDir(dir_->path()).mkdir(QString::fromLatin1(zef::kSettingsFileName)));
    zef::IniFile ini(path_);
    QVERIFY_THROWS_EXCEPTION(zef::IniWriteError, zef::WriteSettings(ini, StoredSettings{}));
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
