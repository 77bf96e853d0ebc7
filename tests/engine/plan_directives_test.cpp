// The directive table is the one place that names the directives and the
// start values; the reader, zef-plan --help and the README follow it.
#include "plan_directives.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zef {
namespace {

TEST(PlanDirectivesTest, StartTreasuryHoldsTheStartValuesAndNothingRecruited)
{
    const Treasury t = StartTreasury();
    EXPECT_EQ(t.gold, 1500000);
    EXPECT_EQ(t.goldIncome, 3600);
    EXPECT_EQ(t.mana, 500000);
    EXPECT_EQ(t.manaIncome, 35000);
    EXPECT_EQ(t.manaCap, 450000);
    EXPECT_EQ(t.damage, 0);
    EXPECT_EQ(t.conversionBacklog, 0);
    EXPECT_EQ(t.goldUpkeep, 0);
    EXPECT_EQ(t.manaUpkeep, 0);
    EXPECT_EQ(t.unitsTotal, 0);
}

TEST(PlanDirectivesTest, EverySelectorNamesItsOwnDirective)
{
    for (const Directive& directive : kDirectives) {
        // As written with its value: "@zl 120000" is selected by the space.
        const std::string written = std::string(directive.name) + " 1";
        EXPECT_EQ(written[3], directive.selector) << directive.name;
        EXPECT_EQ(DirectiveFor(directive.selector), &directive) << directive.name;
    }
    EXPECT_EQ(DirectiveFor('q'), nullptr);
}

// The README's rows: "| `@zl 120000` | gold on hand | 1500000 |".
std::vector<std::string> ReadmeDirectiveRows()
{
    std::ifstream readme(std::filesystem::path(ZEF_SOURCE_DIR) / "README.md");
    std::vector<std::string> rows;
    for (std::string line; std::getline(readme, line);) {
        const std::size_t start = line.find("| `@");
        if (start != std::string::npos) {
            rows.push_back(line.substr(start));
        }
    }
    return rows;
}

TEST(PlanDirectivesTest, ReadmeTableListsTheTableInItsOrder)
{
    const std::vector<std::string> rows = ReadmeDirectiveRows();
    ASSERT_EQ(rows.size(), kDirectives.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Directive& directive = kDirectives[i];
        const std::string& row = rows[i];
        const std::size_t nameEnd = row.find_first_of(" `", 3);
        EXPECT_EQ(row.substr(3, nameEnd - 3), directive.name) << row;
        const std::string cells = row.substr(row.find("` | ") + 4);
        EXPECT_EQ(cells, std::string(directive.meaning) + " | " + IfAbsentText(directive) + " |") << row;
    }
}

}  // namespace
}  // namespace zef
