// The codec between the files' Windows-1250 bytes and the windows' UTF-8.
#include "windows1250.h"

#include "case_name.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(Windows1250Test, EveryByteSavesBackUnchanged)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            bytes += static_cast<char>(b);
        }
    }
    const Windows1250Text saved = EncodeWindows1250(DecodeWindows1250(bytes));
    ASSERT_FALSE(saved.failure);
    EXPECT_EQ(saved.bytes, bytes);
}

struct CodecCase {
    const char* name;
    std::string text;   // UTF-8, as the window holds it
    std::string bytes;  // as the file holds it
};

// Both directions; a round trip alone cannot tell two swapped characters apart.
class BothWaysTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(BothWaysTest, MatchesTheCodeChart)
{
    EXPECT_EQ(DecodeWindows1250(GetParam().bytes), GetParam().text);
    const Windows1250Text saved = EncodeWindows1250(GetParam().text);
    ASSERT_FALSE(saved.failure);
    EXPECT_EQ(saved.bytes, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, BothWaysTest,
    ::testing::Values(
        CodecCase{"CzechLowerCase", "áčďéěíňóřšťúůýž", "\xe1\xe8\xef\xe9\xec\xed\xf2\xf3\xf8\x9a\x9d\xfa\xf9\xfd\x9e"},
        CodecCase{"CzechUpperCase", "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", "\xc1\xc8\xcf\xc9\xcc\xcd\xd2\xd3\xd8\x8a\x8d\xda\xd9\xdd\x8e"},
        CodecCase{"QuotesDashesEllipsisEuro", "„“‚‘–—…€", "\x84\x93\x82\x91\x96\x97\x85\x80"},
        CodecCase{"UndefinedByteIsItsControl", "\u0081", "\x81"}, CodecCase{"LineBreak", "a\nb", "a\r\nb"},
        CodecCase{"NoBreakAddedAtTheEnd", "a", "a"}, CodecCase{"Empty", "", ""}),
    testing::CaseName<CodecCase>);

class LoadTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(LoadTest, EveryLineEndBecomesOneBreak) { EXPECT_EQ(DecodeWindows1250(GetParam().bytes), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(LineEnds, LoadTest,
                         ::testing::Values(CodecCase{"BareLF", "a\nb", "a\nb"}, CodecCase{"BareCR", "a\nb", "a\rb"},
                                           CodecCase{"LFCRIsTwoBreaks", "a\n\nb", "a\n\rb"}),
                         testing::CaseName<CodecCase>);

class SaveTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(SaveTest, EveryBreakBecomesCrLf)
{
    const Windows1250Text saved = EncodeWindows1250(GetParam().text);
    ASSERT_FALSE(saved.failure);
    EXPECT_EQ(saved.bytes, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, SaveTest,
                         ::testing::Values(CodecCase{"CrLfStaysOneBreak", "a\r\nb", "a\r\nb"},
                                           CodecCase{"BareCR", "a\rb", "a\r\nb"},
                                           CodecCase{"ParagraphSeparator", "a\u2029b", "a\r\nb"},
                                           CodecCase{"LineSeparator", "a\u2028b", "a\r\nb"}),
                         testing::CaseName<CodecCase>);

struct UnencodableCase {
    const char* name;
    std::string text;
    std::string character;
    char32_t codePoint;
    int line;
};

class UnencodableTest : public ::testing::TestWithParam<UnencodableCase> {};

TEST_P(UnencodableTest, IsNamedWithItsLine)
{
    const Windows1250Text saved = EncodeWindows1250(GetParam().text);
    ASSERT_TRUE(saved.failure);
    EXPECT_EQ(saved.failure->character, GetParam().character);
    EXPECT_EQ(saved.failure->codePoint, GetParam().codePoint);
    EXPECT_EQ(saved.failure->line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Characters, UnencodableTest,
                         ::testing::Values(UnencodableCase{"ArrowOnLine1", "a→b", "→", 0x2192, 1},
                                           UnencodableCase{"CyrillicOnLine3", "a\nb\ncЖ", "Ж", 0x416, 3},
                                           UnencodableCase{"EmojiIsOneCharacter", "x\n😀", "😀", 0x1F600, 2},
                                           UnencodableCase{"FirstOfTwo", "ä\nα\nβ", "α", 0x3B1, 2},
                                           UnencodableCase{"BrokenUtf8", "a\n\xC3", "\xC3", 0xFFFD, 2}),
                         testing::CaseName<UnencodableCase>);

// Each character its byte, one that has none (broken UTF-8 too) the stand-in.
TEST(Windows1250Test, CharactersForMeasuringKeepOneByteEach)
{
    EXPECT_EQ(Windows1250Characters("Š→a\n😀\xC3", '?'), "\x8a?a\n??");
}

TEST(Windows1250Test, TerminalTextMarksUndefinedBytesAndKeepsLoneCR)
{
    EXPECT_EQ(Windows1250ToUtf8("\x8a\x81\r\nx\ry"), "Š\uFFFD\nx\ry");
}

}  // namespace
}  // namespace zef
