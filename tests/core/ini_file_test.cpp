// The initialisation file: integers as stored, names without regard to case,
// writes that keep everything else, and writes that fail whole.
#include "ini_file.h"

#include "case_name.h"
#include "file_bytes.h"
#include "plan_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

struct IntegerCase {
    const char* name;
    const char* text;
    std::optional<std::int32_t> value;
};

class ParseIniIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIniIntegerTest, ConvertsOnlyAWholeNumber) { EXPECT_EQ(ParseIniInteger(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIniIntegerTest,
    ::testing::Values(
        IntegerCase{"Decimal", "123", 123}, IntegerCase{"LeadingBlanks", "  \t42", 42}, IntegerCase{"Minus", "-7", -7},
        IntegerCase{"Plus", "+7", 7}, IntegerCase{"DollarHex", "$1F", 31}, IntegerCase{"ZeroXHex", "0x64", 100},
        IntegerCase{"UpperZeroXHex", "0X64", 100}, IntegerCase{"NegativeHex", "-$10", -16},
        IntegerCase{"HexAllOnesIsMinusOne", "$FFFFFFFF", -1}, IntegerCase{"IntMax", "2147483647", 2147483647},
        IntegerCase{"IntMin", "-2147483648", -2147483647 - 1}, IntegerCase{"BeyondIntMax", "2147483648", std::nullopt},
        IntegerCase{"HexBeyond32Bits", "$100000000", std::nullopt}, IntegerCase{"Empty", "", std::nullopt},
        IntegerCase{"SignOnly", "-", std::nullopt}, IntegerCase{"PrefixOnly", "0x", std::nullopt},
        IntegerCase{"TrailingText", "12a", std::nullopt}, IntegerCase{"TrailingBlank", "12 ", std::nullopt},
        IntegerCase{"Word", "yes", std::nullopt}, IntegerCase{"HexDigitInDecimal", "1F", std::nullopt}),
    testing::CaseName<IntegerCase>);

struct ReadCase {
    const char* name;
    const char* content;
    const char* section;
    const char* key;
    std::int32_t value;
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, FindsTheEntryWithoutRegardToCase)
{
    const testing::PlanFolder folder;
    WriteBytes("test.ini", GetParam().content);
    EXPECT_EQ(IniFile("test.ini").readInteger(GetParam().section, GetParam().key, -1), GetParam().value);
}

constexpr const char* kStored = "; note\r\n[FormOptions]\r\nLeft=0x64\r\n\r\n[statistika]\r\n spusteni = 5 \r\n";

INSTANTIATE_TEST_SUITE_P(Entries, IniReadTest,
                         ::testing::Values(ReadCase{"ExactCase", kStored, "FormOptions", "Left", 100},
                                           ReadCase{"OtherCase", kStored, "formoptions", "LEFT", 100},
                                           ReadCase{"BlanksAround", kStored, "Statistika", "spusteni", 5},
                                           ReadCase{"KeyInAnotherSection", kStored, "statistika", "Left", -1},
                                           ReadCase{"MissingSection", kStored, "Nothing", "Left", -1},
                                           ReadCase{"BareLFFile", "[a]\nk=3\n", "A", "K", 3},
                                           ReadCase{"CommentIsNoEntry", "[a]\n;k=3\n", "a", "k", -1}),
                         testing::CaseName<ReadCase>);

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* after;
};

class IniWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyTheEntry)
{
    const testing::PlanFolder folder;
    WriteBytes("test.ini", GetParam().before);
    IniFile("test.ini").writeInteger(GetParam().section, GetParam().key, 9);
    EXPECT_EQ(ReadBytes("test.ini"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, IniWriteTest,
    ::testing::Values(WriteCase{"ReplacesInPlaceKeepingSpelling", "[FormOptions]\r\nLeft=5\r\nTop=6\r\n", "formoptions",
                                "left", "[FormOptions]\r\nLeft=9\r\nTop=6\r\n"},
                      WriteCase{"AddsAKeyToItsSection", "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "A", "z",
                                "[a]\r\nx=1\r\nz=9\r\n\r\n[b]\r\ny=2\r\n"},
                      WriteCase{"AddsASectionAtTheEnd", "; keep me\r\n[a]\r\nx=1\r\n", "Statistika", "spusteni",
                                "; keep me\r\n[a]\r\nx=1\r\n\r\n[Statistika]\r\nspusteni=9\r\n"},
                      WriteCase{"KeepsForeignLines", "junk line\n[a]\n;c\nx=1\n", "a", "x",
                                "junk line\r\n[a]\r\n;c\r\nx=9\r\n"},
                      WriteCase{"EmptyFileGetsTheSection", "", "FormOptions", "intro", "[FormOptions]\r\nintro=9\r\n"}),
    testing::CaseName<WriteCase>);

TEST(IniFileTest, AFailedWriteNamesTheFileAndItsCause)
{
    const testing::PlanFolder folder;
    IniFile ini("missing/test.ini");
    try {
        ini.writeString("a", "b", "c");
        ADD_FAILURE() << "the write should have failed";
    } catch (const IniWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to missing/test.ini");
        EXPECT_EQ(error.failure().problem, FileProblem::NotFound);
    }
}

}  // namespace
}  // namespace zef
