#include "win_text.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(WinText, CzechTextCrossesUnchanged)
{
    const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy – €";
    EXPECT_EQ(Utf8(Wide(czech)), czech);
    EXPECT_EQ(Wide("ř"), std::wstring(1, wchar_t(0x0159)));
}

TEST(WinText, EditTextEndsLinesWithCrLf)
{
    EXPECT_EQ(EditText("a\nb\r\nc\n"), L"a\r\nb\r\nc\r\n");
    EXPECT_EQ(EditText(""), L"");
}

TEST(WinText, CharacterBeyondTheBasicPlaneCrossesAsASurrogatePair)
{
    const std::string emoji = "\xF0\x9F\x98\x80";  // U+1F600
    EXPECT_EQ(Wide(emoji).size(), 2u);
    EXPECT_EQ(Utf8(Wide(emoji)), emoji);
}

}  // namespace
}  // namespace zef
