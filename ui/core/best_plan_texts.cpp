#include "best_plan_texts.h"

#include "catalogue.h"
#include "data_lines.h"
#include "plan_file.h"
#include "report_format.h"
#include "windows1250.h"

#include <algorithm>

namespace zef {

namespace {

std::string Damage(double damage) { return IntegerFigure(damage) + " DMG"; }
std::string Turns(std::int32_t turns) { return FormatCount(turns) + " TU"; }
// A changed request's answer that the time did not let the search prove is
// at least that good.
std::string AtLeast(const WhatIf& changed) { return changed.proven ? "" : "aspoň "; }

std::string LimitName(PlanLimit limit)
{
    switch (limit) {
    case PlanLimit::Turns: return "tahy";
    case PlanLimit::Gold: return "zlato";
    case PlanLimit::Mana: return "mana";
    case PlanLimit::Lines: return "20 řádků plánu";
    }
    return {};
}

std::string WhyNone(const BestPlanRequest& request, NoPlanReason reason)
{
    const bool damage = request.question == BestPlanQuestion::FewestTurns;
    switch (reason) {
    case NoPlanReason::NoUnitType: return "žádný povolený typ jednotky nelze rekrutovat";
    case NoPlanReason::Reserve:
        return "žádný plán, který drží zlato i manu na nule nebo výš, nenechá zásobu na " +
               FormatCount(request.reserve) + " TU";
    case NoPlanReason::OutOfStock:
        return damage ? "každému plánu dojde zlato nebo mana dřív, než dosáhne " + Damage(double(request.target))
                      : "zlato nebo mana jsou pod nulou už před prvním tahem";
    case NoPlanReason::TooManyTurns:
        return "žádný plán nedosáhne " + Damage(double(request.target)) + " do " + Turns(kMaxBestPlanTurns);
    case NoPlanReason::None: break;
    }
    return {};
}

// Characters, not bytes: UTF-8 continuation bytes take no column.
std::string PadRight(std::string text, std::size_t width)
{
    const auto columns = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    return columns >= width ? text : text + std::string(width - columns, ' ');
}

std::string Row(const std::string& label, const std::string& turns, const std::string& damage, const std::string& gold,
                const std::string& mana)
{
    return PadRight(label, 14) + PadLeft(turns, 6) + PadLeft(damage, 9) + PadLeft(gold, 8) + PadLeft(mana, 8) + "\n";
}

std::string Row(const std::string& label, const PlanFigures& figures)
{
    return Row(label, FormatCount(figures.turns), IntegerFigure(figures.damage), ThousandsFigure(figures.gold) + "k",
               ThousandsFigure(figures.mana) + "k");
}

// The answer's plan lines as rekrut.txt now holds them, with the file-order
// directive when it was added.
std::string PlanLinesOf(const PlanAnswer& answer)
{
    std::string lines;
    for (const std::string& line : SplitDataLines(answer.planBytes)) {
        const ClassifiedLine classified = ClassifyPlanLine(line);
        const bool fileOrder = classified.kind == PlanLineKind::Directive && classified.directive &&
                               classified.directive->effect == DirectiveEffect::FileOrder;
        if (classified.kind == PlanLineKind::Plan || fileOrder) {
            lines += "  " + Windows1250ToUtf8(line) + "\n";
        }
    }
    return lines;
}

std::string UnitName(std::string_view catalogueBytes, std::int64_t row)
{
    PlanningState catalogue;
    LoadCatalogue(catalogue, catalogueBytes);
    return Windows1250ToUtf8(CatalogueNameOf(catalogue, row));
}

}  // namespace

PlanFigures FiguresOf(const Treasury& end, std::int32_t turns) { return {turns, end.damage, end.gold, end.mana}; }

std::string QuestionText(const BestPlanRequest& request)
{
    return request.question == BestPlanQuestion::MostDamage ? "Nejvíc DMG nejvýš za " + Turns(request.target)
                                                            : "Nejméně TU k " + Damage(double(request.target));
}

std::string StatusText(const BestPlanRequest& request, const BestPlanResult& result)
{
    switch (result.status) {
    case BestPlanStatus::ProvenOptimal: return "dokázaně nejlepší plán";
    case BestPlanStatus::BestFound:
        if (request.question == BestPlanQuestion::MostDamage) {
            return "nejlepší nalezený plán; žádný plán nedá víc než " + Damage(result.damageBound);
        }
        return "nejlepší nalezený plán; žádný plán to nezvládne za méně než " + Turns(result.turnsBound);
    case BestPlanStatus::NoPlan: return "žádný plán: " + WhyNone(request, result.reason);
    case BestPlanStatus::NothingFound: return "hledání skončilo dřív, než našlo plán";
    }
    return {};
}

std::string ComparisonText(const PlanFigures& player, const PlanFigures& answer)
{
    return Row("", "TU", "DMG", "zl", "mn") + Row("váš plán", player) + Row("nejlepší plán", answer);
}

std::string LimitsText(const BestPlanRequest& request, const BestPlanResult& result)
{
    std::string text;
    if (!result.binding.empty()) {
        text = "Omezují: ";
        for (std::size_t i = 0; i < result.binding.size(); ++i) {
            text += (i ? ", " : "") + LimitName(result.binding[i]);
        }
        text += ".\n";
    }
    if (result.oneMoreTurn) {
        text += "O tah víc (nejvýš " + Turns(result.oneMoreTurn->turns) + "): " + AtLeast(*result.oneMoreTurn) +
                Damage(result.oneMoreTurn->damage) + ".";
    }
    if (result.moreGold) {
        text += text.empty() || text.back() == '\n' ? "" : " ";
        text += "S 10 % zlata navíc: " + AtLeast(*result.moreGold) +
                (request.question == BestPlanQuestion::MostDamage ? Damage(result.moreGold->damage)
                                                                  : Turns(result.moreGold->turns)) +
                ".";
    }
    return text.empty() || text.back() == '\n' ? text : text + "\n";
}

std::string RunnerUpText(const BestPlanResult& result, const std::string& without)
{
    if (!result.runnerUp) {
        return {};
    }
    return "Druhý nejlepší, bez " + without + ": " + Turns(result.runnerUp->turns) + ", " +
           Damage(result.runnerUp->end.damage) + ".\n";
}

std::string BestPlanText(const BestPlanRequest& request, const BestPlanResult& result, std::string_view catalogueBytes,
                         const std::optional<PlanFigures>& player)
{
    std::string text = QuestionText(request) + ": " + StatusText(request, result) + ".\n";
    if (!result.answer) {
        return text;
    }
    const PlanAnswer& answer = *result.answer;
    if (player) {
        text += ComparisonText(*player, FiguresOf(answer.end, answer.turns));
    }
    text += LimitsText(request, result) + RunnerUpText(result, UnitName(catalogueBytes, result.runnerUpWithout));
    return text + (answer.lines.empty() ? "\nPlán: žádný řádek, žádný tah.\n" : "\nPlán:\n" + PlanLinesOf(answer));
}

}  // namespace zef
