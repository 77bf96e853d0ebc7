// The data files hold Windows-1250 bytes with CR LF line breaks; the widgets
// hold Unicode with '\n'. These two functions are the only crossing between
// them, so every byte that loads saves back unchanged.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace zef {

// CR LF, a bare CR and a bare LF each become one '\n'. The five bytes that
// Windows-1250 leaves undefined come back as the C1 controls of the same
// value, which encode to the same bytes again.
QString DecodeWindows1250(QByteArrayView bytes);

// A character that Windows-1250 cannot hold, with its 1-based line.
struct UnencodableCharacter {
    QString character;
    int line = 0;
};

struct Windows1250Text {
    QByteArray bytes;
    // Set when the text holds a character that has no Windows-1250 byte; the
    // bytes are then incomplete and must not be written anywhere.
    std::optional<UnencodableCharacter> failure;
};

// '\n', '\r', "\r\n" and the Unicode line and paragraph separators each become
// CR LF; nothing is added at the end.
Windows1250Text EncodeWindows1250(const QString& text);

}  // namespace zef
