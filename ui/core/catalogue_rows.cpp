#include "catalogue_rows.h"

#include "catalogue.h"
#include "report_format.h"
#include "windows1250.h"

namespace zef {

std::vector<CatalogueRow> CatalogueRows(std::string_view catalogueBytes)
{
    PlanningState state;
    LoadCatalogue(state, catalogueBytes);
    std::vector<CatalogueRow> rows;
    for (int row = 1; row <= kCatalogueRows && !CatalogueNameOf(state, row).empty(); ++row) {
        const UnitValues& unit = CatalogueValuesOf(state, row);
        CatalogueRow& shown = rows.emplace_back();
        shown.number = row;
        shown.cells = {std::to_string(row),
                       DecodeWindows1250(CatalogueNameOf(state, row)),
                       GeneralFigure(unit[priceGold]),
                       GeneralFigure(unit[priceMana]),
                       GeneralFigure(unit[upkeepGold]),
                       GeneralFigure(unit[upkeepMana]),
                       GeneralFigure(unit[strength]),
                       GeneralFigure(unit[batch])};
    }
    return rows;
}

}  // namespace zef
