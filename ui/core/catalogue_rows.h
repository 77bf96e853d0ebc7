// The unit types of arm.txt as the catalogue list shows them: the number a
// plan line names each by, its name as the report prints it, its prices,
// upkeeps, strength and units per turn.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

inline constexpr std::array<std::string_view, 8> kCatalogueTitles{"č.",        "jednotka",  "cena zl", "cena mn",
                                                                  "údržba zl", "údržba mn", "síla",    "za tah"};

struct CatalogueRow {
    int number = 0;                                          // the unit number a plan line writes
    std::array<std::string, kCatalogueTitles.size()> cells;  // UTF-8, under kCatalogueTitles
};

// The rows that a run would load from these bytes of arm.txt.
std::vector<CatalogueRow> CatalogueRows(std::string_view catalogueBytes);

}  // namespace zef
