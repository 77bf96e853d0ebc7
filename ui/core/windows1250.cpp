#include "windows1250.h"

#include <algorithm>
#include <array>

namespace zef {

namespace {

// Bytes 0x80 to 0xFF from Windows-1250's code chart; bytes below 0x80 are
// ASCII. The five bytes the chart leaves undefined (0x81, 0x83, 0x88, 0x90,
// 0x98) stand for the C1 controls of the same value. A table of our own
// rather than a general converter: every system has it, and the first
// conversion loads nothing.
constexpr std::array<char16_t, 128> kUpperHalf = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0083', u'\u201E', u'\u2026', u'\u2020', u'\u2021',  // 0x80
    u'\u0088', u'\u2030', u'\u0160', u'\u2039', u'\u015A', u'\u0164', u'\u017D', u'\u0179',  // 0x88
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',  // 0x90
    u'\u0098', u'\u2122', u'\u0161', u'\u203A', u'\u015B', u'\u0165', u'\u017E', u'\u017A',  // 0x98
    u'\u00A0', u'\u02C7', u'\u02D8', u'\u0141', u'\u00A4', u'\u0104', u'\u00A6', u'\u00A7',  // 0xA0
    u'\u00A8', u'\u00A9', u'\u015E', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u017B',  // 0xA8
    u'\u00B0', u'\u00B1', u'\u02DB', u'\u0142', u'\u00B4', u'\u00B5', u'\u00B6', u'\u00B7',  // 0xB0
    u'\u00B8', u'\u0105', u'\u015F', u'\u00BB', u'\u013D', u'\u02DD', u'\u013E', u'\u017C',  // 0xB8
    u'\u0154', u'\u00C1', u'\u00C2', u'\u0102', u'\u00C4', u'\u0139', u'\u0106', u'\u00C7',  // 0xC0
    u'\u010C', u'\u00C9', u'\u0118', u'\u00CB', u'\u011A', u'\u00CD', u'\u00CE', u'\u010E',  // 0xC8
    u'\u0110', u'\u0143', u'\u0147', u'\u00D3', u'\u00D4', u'\u0150', u'\u00D6', u'\u00D7',  // 0xD0
    u'\u0158', u'\u016E', u'\u00DA', u'\u0170', u'\u00DC', u'\u00DD', u'\u0162', u'\u00DF',  // 0xD8
    u'\u0155', u'\u00E1', u'\u00E2', u'\u0103', u'\u00E4', u'\u013A', u'\u0107', u'\u00E7',  // 0xE0
    u'\u010D', u'\u00E9', u'\u0119', u'\u00EB', u'\u011B', u'\u00ED', u'\u00EE', u'\u010F',  // 0xE8
    u'\u0111', u'\u0144', u'\u0148', u'\u00F3', u'\u00F4', u'\u0151', u'\u00F6', u'\u00F7',  // 0xF0
    u'\u0159', u'\u016F', u'\u00FA', u'\u0171', u'\u00FC', u'\u00FD', u'\u0163', u'\u02D9',  // 0xF8
};

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsUndefined(unsigned char byte)
{
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t CharacterOf(unsigned char byte) { return byte < 0x80 ? byte : kUpperHalf[byte - 0x80]; }

// The code point that starts at `at`, and how many bytes it takes; a sequence
// that is not UTF-8 reads as one replacement character per byte.
char32_t NextCodePoint(std::string_view text, std::size_t at, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    length = 1;
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : 0;
    if (extra == 0 || at + extra >= text.size()) {
        return kReplacementCharacter;
    }
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return kReplacementCharacter;
        }
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return kReplacementCharacter;
    }
    length = extra + 1;
    return c;
}

bool IsLineBreak(char32_t c) { return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029; }

// The byte that holds `c`, or nothing when Windows-1250 has none.
std::optional<char> ByteFor(char32_t c)
{
    if (c < 0x80) {
        return static_cast<char>(c);
    }
    const auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), c);
    if (found == kUpperHalf.end()) {
        return std::nullopt;
    }
    return static_cast<char>(0x80 + (found - kUpperHalf.begin()));
}

}  // namespace

std::string DecodeWindows1250(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            text += '\n';
            continue;
        }
        AppendUtf8(text, CharacterOf(byte));
    }
    return text;
}

Windows1250Text EncodeWindows1250(std::string_view utf8)
{
    Windows1250Text result;
    result.bytes.reserve(utf8.size() + utf8.size() / 16);
    int line = 1;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 0;
        const char32_t c = NextCodePoint(utf8, i, length);
        if (IsLineBreak(c)) {
            // "\r\n" counts as one break.
            if (c == u'\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++length;
            }
            result.bytes += "\r\n";
            ++line;
            i += length;
            continue;
        }
        if (const std::optional<char> byte = ByteFor(c)) {
            result.bytes += *byte;
            i += length;
            continue;
        }
        result.failure = UnencodableCharacter{std::string(utf8.substr(i, length)), c, line};
        return result;
    }
    return result;
}

std::string Windows1250Characters(std::string_view utf8, char missing)
{
    std::string bytes;
    for (std::size_t i = 0, length = 0; i < utf8.size(); i += length) {
        bytes += ByteFor(NextCodePoint(utf8, i, length)).value_or(missing);
    }
    return bytes;
}

std::string Windows1250ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        AppendUtf8(text, IsUndefined(byte) ? kReplacementCharacter : CharacterOf(byte));
    }
    return text;
}

}  // namespace zef
