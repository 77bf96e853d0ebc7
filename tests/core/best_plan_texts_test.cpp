// The words for a best plan: each status and reason, the table's columns and
// what binds it.
#include "best_plan_texts.h"
#include "case_name.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zef {
namespace {

BestPlanRequest Asking(BestPlanQuestion question, std::int64_t target)
{
    BestPlanRequest request;
    request.question = question;
    request.target = target;
    request.reserve = 5;
    return request;
}

BestPlanResult Ending(BestPlanStatus status, NoPlanReason reason = NoPlanReason::None)
{
    BestPlanResult result;
    result.status = status;
    result.reason = reason;
    result.damageBound = 25600;
    result.turnsBound = 15;
    return result;
}

struct StatusCase {
    std::string name;
    BestPlanRequest request;
    BestPlanResult result;
    std::string text;
};

class StatusTextTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusTextTest, SaysHowGoodTheAnswerIsOrWhyThereIsNone)
{
    EXPECT_EQ(StatusText(GetParam().request, GetParam().result), GetParam().text);
}

const BestPlanRequest kMost = Asking(BestPlanQuestion::MostDamage, 31);
const BestPlanRequest kFewest = Asking(BestPlanQuestion::FewestTurns, 15328);

INSTANTIATE_TEST_SUITE_P(
    Statuses, StatusTextTest,
    ::testing::Values(
        StatusCase{"Proven", kMost, Ending(BestPlanStatus::ProvenOptimal), "dokázaně nejlepší plán"},
        StatusCase{"FoundWithItsDamageBound", kMost, Ending(BestPlanStatus::BestFound),
                   "nejlepší nalezený plán; žádný plán nedá víc než 25600 DMG"},
        StatusCase{"FoundWithItsTurnsBound", kFewest, Ending(BestPlanStatus::BestFound),
                   "nejlepší nalezený plán; žádný plán to nezvládne za méně než 15 TU"},
        StatusCase{"NothingFound", kMost, Ending(BestPlanStatus::NothingFound),
                   "hledání skončilo dřív, než našlo plán"},
        StatusCase{"NoUnitType", kMost, Ending(BestPlanStatus::NoPlan, NoPlanReason::NoUnitType),
                   "žádný plán: žádný povolený typ jednotky nelze rekrutovat"},
        StatusCase{"Reserve", kMost, Ending(BestPlanStatus::NoPlan, NoPlanReason::Reserve),
                   "žádný plán: žádný plán, který drží zlato i manu na nule nebo výš, nenechá zásobu na 5 TU"},
        StatusCase{"OutOfStockBeforeTheDamage", kFewest, Ending(BestPlanStatus::NoPlan, NoPlanReason::OutOfStock),
                   "žádný plán: každému plánu dojde zlato nebo mana dřív, než dosáhne 15328 DMG"},
        StatusCase{"OutOfStockAtTheStart", kMost, Ending(BestPlanStatus::NoPlan, NoPlanReason::OutOfStock),
                   "žádný plán: zlato nebo mana jsou pod nulou už před prvním tahem"},
        StatusCase{"TooManyTurns", kFewest, Ending(BestPlanStatus::NoPlan, NoPlanReason::TooManyTurns),
                   "žádný plán: žádný plán nedosáhne 15328 DMG do 10000 TU"}),
    testing::CaseName<StatusCase>);

// Where each line's last figure ends, in characters: "á" and "š" are two
// bytes each, one column.
std::vector<std::size_t> LineWidths(const std::string& text)
{
    std::vector<std::size_t> widths{0};
    for (const char c : text) {
        if (c == '\n') {
            widths.push_back(0);
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++widths.back();
        }
    }
    widths.pop_back();
    return widths;
}

TEST(ComparisonTextTest, ColumnsLineUpWhateverTheLabels)
{
    const std::string text = ComparisonText({31, 15328, 31000, 128000}, {31, 25440, 930, 102880});
    const std::vector<std::size_t> widths = LineWidths(text);
    ASSERT_EQ(widths.size(), 3u);
    EXPECT_TRUE(std::all_of(widths.begin(), widths.end(), [&](std::size_t w) { return w == widths[0]; })) << text;
    EXPECT_NE(text.find("váš plán          31    15328     31k    128k\n"), std::string::npos) << text;
}

TEST(LimitsTextTest, NamesWhatBindsAndWhatIsOnlyAtLeast)
{
    BestPlanResult result = Ending(BestPlanStatus::ProvenOptimal);
    result.binding = {PlanLimit::Turns, PlanLimit::Gold, PlanLimit::Lines};
    result.oneMoreTurn = WhatIf{32, 26160, true};
    result.moreGold = WhatIf{31, 25520, false};
    EXPECT_EQ(LimitsText(kMost, result), "Omezují: tahy, zlato, 20 řádků plánu.\n"
                                         "O tah víc (nejvýš 32 TU): 26160 DMG. S 10 % zlata navíc: aspoň 25520 DMG.\n");
}

TEST(LimitsTextTest, FewerTurnsWithMoreGold)
{
    BestPlanResult result = Ending(BestPlanStatus::ProvenOptimal);
    result.moreGold = WhatIf{17, 15400, true};
    EXPECT_EQ(LimitsText(kFewest, result), "S 10 % zlata navíc: 17 TU.\n");
}

TEST(LimitsTextTest, NothingToSay) { EXPECT_EQ(LimitsText(kMost, Ending(BestPlanStatus::ProvenOptimal)), ""); }

}  // namespace
}  // namespace zef
