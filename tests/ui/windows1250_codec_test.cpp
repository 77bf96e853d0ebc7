#include "windows1250_codec.h"

#include <QtTest>

using zef::DecodeWindows1250;
using zef::EncodeWindows1250;

class Windows1250CodecTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteSavesBackUnchanged();
    void lettersHaveTheirBytes_data();
    void lettersHaveTheirBytes();
    void lineBreaksLoad_data();
    void lineBreaksLoad();
    void lineBreaksSave_data();
    void lineBreaksSave();
    void unencodableCharacterIsNamed_data();
    void unencodableCharacterIsNamed();
};

void Windows1250CodecTest::everyByteSavesBackUnchanged()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            bytes.append(char(b));
        }
    }
    const zef::Windows1250Text saved = EncodeWindows1250(DecodeWindows1250(bytes));
    QVERIFY(!saved.failure);
    QCOMPARE(saved.bytes, bytes);
}

// A round trip cannot tell two swapped characters apart; the code chart can.
void Windows1250CodecTest::lettersHaveTheirBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Czech lower case") << QStringLiteral("áčďéěíňóřšťúůýž")
                                      << QByteArray("\xe1\xe8\xef\xe9\xec\xed\xf2\xf3\xf8\x9a\x9d\xfa\xf9\xfd\x9e");
    QTest::newRow("Czech upper case") << QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ")
                                      << QByteArray("\xc1\xc8\xcf\xc9\xcc\xcd\xd2\xd3\xd8\x8a\x8d\xda\xd9\xdd\x8e");
    QTest::newRow("quotes, dashes, ellipsis, euro")
        << QStringLiteral("„“‚‘–—…€") << QByteArray("\x84\x93\x82\x91\x96\x97\x85\x80");
}

void Windows1250CodecTest::lettersHaveTheirBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(DecodeWindows1250(bytes), text);
    const zef::Windows1250Text saved = EncodeWindows1250(text);
    QVERIFY(!saved.failure);
    QCOMPARE(saved.bytes, bytes);
}

void Windows1250CodecTest::lineBreaksLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("bare LF") << QByteArray("a\nb") << QStringLiteral("a\nb");
    QTest::newRow("bare CR") << QByteArray("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("trailing CR LF") << QByteArray("a\r\n") << QStringLiteral("a\n");
    QTest::newRow("Czech letters") << QByteArray("\x9e\xe1\xf8") << QStringLiteral("žář");
    QTest::newRow("undefined byte") << QByteArray("\x81") << QStringLiteral("\u0081");
}

void Windows1250CodecTest::lineBreaksLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeWindows1250(bytes), text);
}

void Windows1250CodecTest::lineBreaksSave_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("LF") << QStringLiteral("a\nb") << QByteArray("a\r\nb");
    QTest::newRow("no break added at the end") << QStringLiteral("a") << QByteArray("a");
    QTest::newRow("CR LF stays one break") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("bare CR") << QStringLiteral("a\rb") << QByteArray("a\r\nb");
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << QByteArray("a\r\nb");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QByteArray("a\r\nb");
    QTest::newRow("empty") << QString() << QByteArray();
}

void Windows1250CodecTest::lineBreaksSave()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const zef::Windows1250Text saved = EncodeWindows1250(text);
    QVERIFY(!saved.failure);
    QCOMPARE(saved.bytes, bytes);
}

void Windows1250CodecTest::unencodableCharacterIsNamed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("line");
    QTest::newRow("arrow on line 1") << QStringLiteral("a→b") << QStringLiteral("→") << 1;
    QTest::newRow("Cyrillic on line 3") << QStringLiteral("a\nb\ncЖ") << QStringLiteral("Ж") << 3;
    QTest::newRow("emoji is one character") << QStringLiteral("x\n😀") << QStringLiteral("😀") << 2;
    QTest::newRow("first of two") << QStringLiteral("ä\nα\nβ") << QStringLiteral("α") << 2;
}

void Windows1250CodecTest::unencodableCharacterIsNamed()
{
    QFETCH(QString, text);
    QFETCH(QString, character);
    QFETCH(int, line);
    const zef::Windows1250Text saved = EncodeWindows1250(text);
    QVERIFY(saved.failure);
    QCOMPARE(saved.failure->character, character);
    QCOMPARE(saved.failure->line, line);
}

QTEST_APPLESS_MAIN(Windows1250CodecTest)
#include "windows1250_codec_test.moc"
