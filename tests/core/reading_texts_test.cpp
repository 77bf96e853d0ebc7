// The Czech words for how a plan line was read, one row for each kind of
// line and of warning.
#include "reading_texts.h"

#include "case_name.h"
#include "catalogue.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

struct ReadingCase {
    const char* name;
    std::string plan;
    std::string expected;  // the reading of the plan's last line
};

class ReadingInCzechTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingInCzechTest, SaysWhatTheReaderMadeOfTheLine)
{
    PlanningState catalogue;
    // Idle adds no damage (strength 0).
    LoadCatalogue(catalogue, "Foot 100 10 0 3 12 0 5 50\r\nIdle 1 0 0 0 0 0 0 1 000\r\n");
    EXPECT_EQ(ReadingInCzech(ReadPlanLines(catalogue, GetParam().plan).back()), GetParam().expected);
}

std::string TwentyOneLines()
{
    std::string plan;
    for (int line = 0; line < 21; ++line) {
        plan += "Foot 1 5\n";
    }
    return plan;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadingInCzechTest,
    ::testing::Values(
        ReadingCase{"Directive", "@facktor 1.5", "řádek 1: direktiva @facktor (násobek všech množství) = 1.5"},
        ReadingCase{"FileOrder", "@skip",
                    "řádek 1: direktiva @skip (nábor v pořadí souboru, ne od nejlevnější údržby)"},
        ReadingCase{"NoEffect", "@foo 5", "řádek 1: direktiva bez účinku: její čtvrtý znak nic nenastavuje"},
        ReadingCase{"Comment", "; 1 2", "řádek 1: komentář"},
        ReadingCase{"Ignored", "x 5", "řádek 1: nic: méně než dvě číslice"},
        ReadingCase{"PlanLineAfterTheFactor", "@facktor 2\nFoot 1 1500",
                    "řádek 2: plán č. 1: jednotka 1 (Foot), 3\u00a0000 DMG"},
        ReadingCase{
            "ThousandsSeparator", "Foot 1 2,000",
            "řádek 1: plán č. 1: jednotka 1 (Foot), 2 DMG\n⚠ „2,000“ se čte jako 2 (oddělovač tisíců); pište 2000"},
        ReadingCase{
            "LetterO", "Foot 1 2OO",
            "řádek 1: plán č. 1: jednotka 1 (Foot), 2 DMG\n⚠ „2OO“ se čte jako 2 (písmeno O místo nuly); pište 200"},
        ReadingCase{
            "NoRow", "Drak 7 100",
            "řádek 1: plán č. 1: jednotka 7 (v arm.txt není), 100 DMG\n⚠ jednotka 7 v arm.txt není, má řádky 1 až 2"},
        ReadingCase{
            "RecruitsNothing", "Idle 2 100",
            "řádek 1: plán č. 1: jednotka 2 (Idle), 100 DMG\n⚠ jednotka 2 nic nenaverbuje: v arm.txt má sílu 0"},
        ReadingCase{"OneNumberOnly", "Foot 01",
                    "řádek 1: plán č. 1: jednotka 1 (Foot), 0 DMG\n⚠ jen jedno číslo: množství je 0"},
        ReadingCase{"PastThePlansLines", TwentyOneLines(),
                    "řádek 21: řádek plánu navíc\n⚠ počítá se jen prvních 20 řádků plánu, tento se vynechá"}),
    testing::CaseName<ReadingCase>);

}  // namespace
}  // namespace zef
