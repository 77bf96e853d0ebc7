#include "reading_texts.h"

#include "czech_figures.h"
#include "plan_directives.h"
#include "report_format.h"
#include "windows1250.h"

namespace zef {

namespace {

std::string_view CzechMeaning(const Directive& directive)
{
    switch (directive.selector) {
    case ' ': return "zlato na začátku";
    case 'd': return "příjem zlata za tah";
    case 'a': return "mana na začátku";
    case 't': return "příjem many za tah";
    case 'x': return "strop many";
    case 'g': return "DMG armády na začátku";
    case 'c': return "násobek všech množství";
    case 'z': return "čekající převody";
    case 'i': return "nábor v pořadí souboru, ne od nejlevnější údržby";
    default: return {};
    }
}

std::string DirectiveReading(const PlanLineReading& reading)
{
    if (!reading.directive) {
        return "direktiva bez účinku: její čtvrtý znak nic nenastavuje";
    }
    const Directive& directive = *reading.directive;
    std::string text = "direktiva " + std::string(directive.name) + " (" + std::string(CzechMeaning(directive)) + ")";
    return directive.effect == DirectiveEffect::FileOrder ? text : text + " = " + GeneralFigure(reading.value);
}

std::string PlanLineReadingText(const PlanLineReading& reading)
{
    if (reading.planNumber == 0) {
        return "řádek plánu navíc";
    }
    const std::string unit = reading.unitName.empty() ? "v arm.txt není" : DecodeWindows1250(reading.unitName);
    return "plán č. " + std::to_string(reading.planNumber) + ": jednotka " + FormatCount(reading.row) + " (" + unit +
           "), " + CzechAmount(reading.amount) + " DMG";
}

std::string WhatWasRead(const PlanLineReading& reading)
{
    switch (reading.kind) {
    case PlanLineKind::Directive: return DirectiveReading(reading);
    case PlanLineKind::Comment: return "komentář";
    case PlanLineKind::Ignored: return "nic: méně než dvě číslice";
    case PlanLineKind::Plan: return PlanLineReadingText(reading);
    }
    return {};
}

}  // namespace

std::string WarningInCzech(const PlanWarning& warning)
{
    switch (warning.kind) {
    case PlanWarningKind::ThousandsSeparator:
        return "„" + warning.written + "“ se čte jako " + warning.read + " (oddělovač tisíců); pište " + warning.meant;
    case PlanWarningKind::LetterO:
        return "„" + warning.written + "“ se čte jako " + warning.read + " (písmeno O místo nuly); pište " +
               warning.meant;
    case PlanWarningKind::NoCatalogueRow:
        return "jednotka " + warning.written + " v arm.txt není" +
               (warning.catalogueRows == 0 ? std::string(", ten nemá žádnou jednotku")
                                           : ", má řádky 1 až " + std::to_string(warning.catalogueRows));
    case PlanWarningKind::RecruitsNothing:
        return "jednotka " + warning.written + " nic nenaverbuje: v arm.txt má " +
               (warning.zeroColumn == batch ? "počet za tah 0" : "sílu 0");
    case PlanWarningKind::OneNumberOnly: return "jen jedno číslo: množství je 0";
    case PlanWarningKind::PastPlanLines:
        return "počítá se jen prvních " + std::to_string(kPlanLines) + " řádků plánu, tento se vynechá";
    }
    return {};
}

std::string ReadingInCzech(const PlanLineReading& reading)
{
    std::string text = "řádek " + std::to_string(reading.fileLine) + ": " + WhatWasRead(reading);
    for (const PlanWarning& warning : reading.warnings) {
        text += "\n⚠ " + WarningInCzech(warning);
    }
    return text;
}

}  // namespace zef
