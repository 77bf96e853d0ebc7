#include "planning_state.h"

namespace zef {

namespace {
bool IsCatalogueRow(std::int64_t row) { return row >= 1 && row <= kCatalogueRows; }
}  // namespace

const std::string& CatalogueNameOf(const PlanningState& state, std::int64_t row)
{
    static const std::string noName;
    return IsCatalogueRow(row) ? state.catalogueNames[row - 1] : noName;
}

const UnitValues& CatalogueValuesOf(const PlanningState& state, std::int64_t row)
{
    static const UnitValues noValues{};
    return IsCatalogueRow(row) ? state.catalogueValues[row - 1] : noValues;
}

}  // namespace zef
