#include "catalogue.h"

#include "data_lines.h"
#include "number_runs.h"
#include "plan_inputs.h"

#include <algorithm>
#include <cstddef>

namespace zef {

namespace {
constexpr std::size_t kMinCatalogueDigits = 9;
constexpr std::size_t kNameLength = 4;
}  // namespace

void FoldAccents(std::string& text)
{
    for (char& c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0x8E: c = 0x5A; break;                     // Ž -> Z
        case 0xC8: c = 0x43; break;                     // Č -> C
        case 0xE1: c = static_cast<char>(0xA0); break;  // á -> no-break space
        case 0xEC: c = 0x65; break;                     // ě -> e
        case 0xED: c = static_cast<char>(0xA1); break;  // í -> caron
        case 0xFD: c = 0x79; break;                     // ý -> y
        default: break;
        }
    }
}

void LoadCatalogue(PlanningState& state, std::string_view bytes)
{
    for (int row = 0; row < kCatalogueRows; ++row) {
        state.catalogueNames[row].clear();
        state.catalogueValues[row].fill(0);
    }
    int row = 0;
    DataLines lines(bytes);
    for (std::string line; lines.next(line);) {
        FoldAccents(line);
        if (CountDigits(line) < kMinCatalogueDigits) {
            continue;
        }
        // Rows past the 20th have no place in the catalogue.
        if (row == kCatalogueRows) {
            break;
        }
        const std::size_t nameStart = line.find_first_not_of(' ');
        state.catalogueNames[row] = line.substr(nameStart, kNameLength);
        const auto values = ScanNumbers(line, kCatalogueColumns);
        std::copy(values.begin(), values.end(), state.catalogueValues[row].begin());
        ++row;
    }
}

void LoadCatalogue(PlanningState& state) { LoadCatalogue(state, ReadDataFileOrEmpty(kCatalogueFileName)); }

}  // namespace zef
