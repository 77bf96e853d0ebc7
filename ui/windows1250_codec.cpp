#include "windows1250_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zef {

namespace {

constexpr const char* kEncoding = "windows-1250";

bool IsLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Normalises every kind of line break to '\n' ("\r\n" counts as one).
QString WithPlainLineBreaks(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!IsLineBreak(c)) {
            result.append(c);
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            ++i;
        }
        result.append(u'\n');
    }
    return result;
}

bool Encodes(const QString& character)
{
    QStringEncoder encoder(kEncoding);
    const QByteArray bytes = encoder.encode(character);
    return !encoder.hasError();
}

// Only called once the whole text is known to fail, so the per-character
// encoders cost nothing in the normal case.
UnencodableCharacter FirstUnencodable(const QString& plain)
{
    int line = 1;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain.at(i) == u'\n') {
            ++line;
            continue;
        }
        const qsizetype length =
            plain.at(i).isHighSurrogate() && i + 1 < plain.size() && plain.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = plain.mid(i, length);
        if (!Encodes(character)) {
            return {character, line};
        }
        i += length - 1;
    }
    return {QString(), line};
}

}  // namespace

QString DecodeWindows1250(QByteArrayView bytes)
{
    QStringDecoder decoder(kEncoding);
    return WithPlainLineBreaks(decoder.decode(bytes));
}

Windows1250Text EncodeWindows1250(const QString& text)
{
    const QString plain = WithPlainLineBreaks(text);
    QString crlf;
    crlf.reserve(plain.size() + plain.count(u'\n'));
    for (const QChar c : plain) {
        if (c == u'\n') {
            crlf.append(u'\r');
        }
        crlf.append(c);
    }

    QStringEncoder encoder(kEncoding);
    Windows1250Text result;
    result.bytes = encoder.encode(crlf);
    if (encoder.hasError()) {
        result.failure = FirstUnencodable(plain);
    }
    return result;
}

}  // namespace zef
