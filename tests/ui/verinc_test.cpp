#include "verInc.h"
#include "ini_file.h"

#include <QtTest>

class VerIncTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsTrailingNumber_data();
    void splitsTrailingNumber();
    void formsOptionsPath_data();
    void formsOptionsPath();
    void stamps_data();
    void stamps();
    void missingFileStaysMissing();
};

void VerIncTest::splitsTrailingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("version") << QStringLiteral("1.0.0.7") << 7 << QStringLiteral("1.0.0.");
    QTest::newRow("letter prefix") << QStringLiteral("K12") << 12 << QStringLiteral("K");
    QTest::newRow("digits only") << QStringLiteral("12") << 12 << QString();
    QTest::newRow("no digits counts as 0") << QStringLiteral("beta") << 0 << QStringLiteral("beta");
    QTest::newRow("empty") << QString() << 0 << QString();
    QTest::newRow("too large for 32 bits") << QStringLiteral("v99999999999") << 0 << QStringLiteral("v99999999999");
    QTest::newRow("int max") << QStringLiteral("v2147483647") << 2147483647 << QStringLiteral("v");
}

void VerIncTest::splitsTrailingNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, prefix);
    QCOMPARE(zef::SplitTrailingNumber(text), number);
    QCOMPARE(text, prefix);
}

void VerIncTest::formsOptionsPath_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("options");
    // Always beside the executable: never a file of its folder's name outside it.
    QTest::newRow("extension") << QStringLiteral("/b/zeF.exe") << QStringLiteral("/b/zeF.dof");
    QTest::newRow("no extension") << QStringLiteral("/build/ui/zef") << QStringLiteral("/build/ui/zef.dof");
    QTest::newRow("shorter than four") << QStringLiteral("ab") << QStringLiteral("ab.dof");
    QTest::newRow("dot in the folder only") << QStringLiteral("/opt/zef.d/zef") << QStringLiteral("/opt/zef.d/zef.dof");
    QTest::newRow("hidden name") << QStringLiteral("/b/.zef") << QStringLiteral("/b/.zef.dof");
}

void VerIncTest::formsOptionsPath()
{
    QFETCH(QString, executable);
    QFETCH(QString, options);
    QCOMPARE(zef::ProjectOptionsPath(executable), options);
}

void VerIncTest::stamps_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("after");  // section/key=value
    QTest::newRow("worked example")
        << QByteArray("[Version Info]\r\nBuild=7\r\n[Version Info Keys]\r\nProductVersion=1.0.0.7\r\n"
                      "FileVersion=1.0.0.6\r\nKompilace=K7\r\n")
        << QStringList{"Version Info/Build=8",
                       "Version Info Keys/ProductVersion=1.0.0.8",
                       "Version Info Keys/FileVersion=1.0.0.7",
                       "Version Info Keys/Kompilace=K8",
                       "Version Info/Kompilace=1",
                       "Version Info/AutoIncBuild=1"};
    QTest::newRow("digits only") << QByteArray("[Version Info Keys]\r\nFileVersion=12\r\nProductVersion=12\r\n")
                                 << QStringList{"Version Info Keys/FileVersion=12",
                                                "Version Info Keys/ProductVersion=13", "Version Info/Build=13"};
    QTest::newRow("largest wins")
        << QByteArray("[Version Info]\r\nBuild=3\r\n[Version Info Keys]\r\nProductVersion=1.0.0.9\r\n")
        << QStringList{"Version Info/Build=10", "Version Info Keys/ProductVersion=1.0.0.10",
                       "Version Info Keys/FileVersion=9", "Version Info Keys/Kompilace=10"};
    QTest::newRow("no entries") << QByteArray("; empty\r\n")
                                << QStringList{"Version Info/Build=1",
                                               "Version Info/Kompilace=1",
                                               "Version Info/AutoIncBuild=1",
                                               "Version Info Keys/ProductVersion=1",
                                               "Version Info Keys/FileVersion=0",
                                               "Version Info Keys/Kompilace=1"};
    QTest::newRow("text without number")
        << QByteArray("[Version Info Keys]\r\nProductVersion=beta\r\n[Version Info]\r\nBuild=4\r\n")
        << QStringList{"Version Info Keys/ProductVersion=beta5", "Version Info/Build=5"};
}

void VerIncTest::stamps()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zef.dof"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    zef::StampProjectOptions(path);
    const zef::IniFile dof(path);
    for (const QString& expected : after) {
        const qsizetype slash = expected.indexOf(u'/');
        const qsizetype equals = expected.indexOf(u'=');
        const QByteArray section = expected.left(slash).toLatin1();
        const QByteArray key = expected.mid(slash + 1, equals - slash - 1).toLatin1();
        QCOMPARE(dof.readString(section, key, "(missing)"), expected.mid(equals + 1).toLatin1());
    }
}

void VerIncTest::missingFileStaysMissing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zef.dof"));
    zef::StampProjectOptions(path);
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(VerIncTest)
#include "verinc_test.moc"
