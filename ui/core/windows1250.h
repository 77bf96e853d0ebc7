// The data files hold Windows-1250 bytes with CR LF line breaks; the windows
// hold UTF-8 text with '\n'. DecodeWindows1250 and EncodeWindows1250 are the
// only crossing between them, so every byte that loads saves back unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zef {

// CR LF, a bare CR and a bare LF each become one '\n'. The five bytes that
// Windows-1250 leaves undefined come back as the C1 controls of the same
// value, which encode to the same bytes again.
std::string DecodeWindows1250(std::string_view bytes);

// A character that Windows-1250 cannot hold, with its 1-based line.
struct UnencodableCharacter {
    std::string character;  // UTF-8
    char32_t codePoint = 0;
    int line = 0;
};

struct Windows1250Text {
    std::string bytes;
    // Set when the text holds a character that has no Windows-1250 byte; the
    // bytes are then incomplete and must not be written anywhere.
    std::optional<UnencodableCharacter> failure;
};

// '\n', '\r', "\r\n" and the Unicode line and paragraph separators each become
// CR LF; nothing is added at the end. A byte sequence that is not UTF-8 counts
// as the replacement character, which has no Windows-1250 byte.
Windows1250Text EncodeWindows1250(std::string_view utf8);

// The byte of each character of `utf8` in turn, `missing` for one that has
// none; line breaks stay as they are. For measuring a text character by
// character, where a character that cannot be saved must still count.
std::string Windows1250Characters(std::string_view utf8, char missing);

// Report text for a terminal: CR LF becomes LF, and a byte that Windows-1250
// leaves undefined becomes U+FFFD, the sign of a character that is not there.
std::string Windows1250ToUtf8(std::string_view bytes);

}  // namespace zef
