#include "plan_preview.h"

#include "catalogue.h"
#include "czech_figures.h"
#include "file_messages.h"
#include "plan_file.h"
#include "reading_texts.h"
#include "report_format.h"
#include "run_plan.h"
#include "whole_file.h"

namespace zef {

namespace {

constexpr std::string_view kLineStart = "Náhled: ";
constexpr std::string_view kOutOfMemory = "na výpočet nestačí paměť";
constexpr std::string_view kDetailsStart = "Náhled plánu z editoru: neuložený, F5 ho uloží a spočítá.\n";
// The engine's progress hook hears from a run every 2^22 turns, tens of
// milliseconds apart; the preview asks whether it is still wanted every 2^16.
constexpr std::int32_t kWantedEvery = (1 << 16) - 1;

// Everything a preview learns from watching its run, and where it stops it.
class PreviewWatch : public TurnObserver {
public:
    // Records the turns with `recorder` when there is one.
    PreviewWatch(const StillWanted& stillWanted, TurnRecorder* recorder)
        : recorder_(recorder), stillWanted_(stillWanted)
    {
    }

    void observe(const TurnRecord& record) override
    {
        // The run ends as one that its progress hook cancelled.
        if ((record.turn & kWantedEvery) == 0 && stillWanted_ && !stillWanted_()) {
            throw PlanCancelled{};
        }
        if (recorder_) {
            recorder_->observe(record);
        }
        shortfall.observe(record);
    }
    void finished(const Treasury& treasury, std::int32_t turns) override
    {
        summary.turns = turns;
        summary.damage = treasury.damage;
        summary.gold = treasury.gold;
        summary.mana = treasury.mana;
    }

    ShortfallFinder shortfall;
    PreviewSummary summary;

private:
    TurnRecorder* recorder_;
    const StillWanted& stillWanted_;
};

std::string ShortfallDetail(std::string_view stock, const std::optional<Shortfall>& first)
{
    if (!first) {
        return {};
    }
    return "\n" + std::string(stock) + " pod nulou od tahu " + std::to_string(first->turn) + " (" +
           CzechAmount(first->value) + "), řádek " + std::to_string(first->fileLine);
}

}  // namespace

std::optional<PlanPreview> PreviewPlan(std::string_view editorText, std::string_view catalogueBytes,
                                       const StillWanted& stillWanted, ChartRecording chart, PreviewStorage* storage)
{
    PlanPreview preview;
    const Windows1250Text plan = EncodeWindows1250(editorText);
    if (plan.failure) {
        preview.summary.unencodable = plan.failure;
        return preview;
    }
    std::optional<TurnRecorder> ownRecorder;
    TurnRecorder* recorder = nullptr;
    if (chart == ChartRecording::Wanted) {
        recorder = storage ? &storage->recorder : &ownRecorder.emplace();
        recorder->reset();
    }
    PlanningState state;
    PreviewWatch watch(stillWanted, recorder);
    try {
        if (RunPlan(state, catalogueBytes, plan.bytes, {}, &watch) == PlanOutcome::Cancelled) {
            return std::nullopt;
        }
        preview.summary = watch.summary;
        preview.summary.goldShortfall = watch.shortfall.gold();
        preview.summary.manaShortfall = watch.shortfall.mana();
        if (recorder) {
            if (storage) {
                preview.recording = std::move(storage->reusable);
            }
            recorder->recording(preview.recording);
        }
    } catch (const PlanTooLong& refusal) {
        preview.summary.tooLong = refusal;
    } catch (const std::bad_alloc&) {
        preview.summary = {};
        preview.summary.outOfMemory = true;
        preview.recording = {};
    }
    // A refused run has loaded the catalogue too.
    preview.readings = ReadPlanLines(state, plan.bytes);
    return preview;
}

std::optional<PlanPreview> PreviewPlanWithCatalogueFile(std::string_view editorText, const StillWanted& stillWanted,
                                                        ChartRecording chart, PreviewStorage* storage)
{
    FileRead catalogue;
    try {
        catalogue = ReadWholeFile(kCatalogueFileName, stillWanted);
    } catch (const PlanCancelled&) {
        return std::nullopt;
    }
    if (catalogue.failure) {
        PlanPreview preview;
        preview.summary.unreadableCatalogue = catalogue.failure;
        return preview;
    }
    return PreviewPlan(editorText, catalogue.bytes, stillWanted, chart, storage);
}

std::string PreviewLine(const PreviewSummary& summary)
{
    std::string line(kLineStart);
    if (summary.unencodable) {
        return line + "znak „" + summary.unencodable->character + "“ na řádku " +
               std::to_string(summary.unencodable->line) + " nejde uložit";
    }
    if (summary.tooLong) {
        return line + "řádek " + std::to_string(summary.tooLong->line().fileLine) + " chce příliš mnoho tahů";
    }
    if (summary.unreadableCatalogue) {
        return line + std::string(kCatalogueFileName) + " nejde přečíst";
    }
    if (summary.outOfMemory) {
        return line + std::string(kOutOfMemory);
    }
    line += FormatCount(summary.turns) + " TU, DMG " + CzechAmount(summary.damage);
    const auto& gold = summary.goldShortfall;
    const auto& mana = summary.manaShortfall;
    if (gold && (!mana || gold->turn <= mana->turn)) {
        return line + ", zl pod nulou od tahu " + std::to_string(gold->turn);
    }
    if (mana) {
        return line + ", mn pod nulou od tahu " + std::to_string(mana->turn);
    }
    return line + ", zl " + ThousandsFigure(summary.gold) + "k, mn " + ThousandsFigure(summary.mana) + "k";
}

std::string PreviewDetails(const PreviewSummary& summary)
{
    std::string details(kDetailsStart);
    if (summary.unencodable) {
        return details + UnencodableCharacterProblem(kPlanFileName, *summary.unencodable);
    }
    if (summary.tooLong) {
        return details + PlanTooLongProblem(*summary.tooLong);
    }
    if (summary.unreadableCatalogue) {
        return details + UnreadableFileProblem(kCatalogueFileName, *summary.unreadableCatalogue);
    }
    if (summary.outOfMemory) {
        return details + std::string(kOutOfMemory) + ".";
    }
    return details + "tahů: " + FormatCount(summary.turns) + "\nDMG: " + CzechAmount(summary.damage) +
           "\nzbývá zl: " + CzechAmount(summary.gold) + ", mn: " + CzechAmount(summary.mana) +
           ShortfallDetail("zlato", summary.goldShortfall) + ShortfallDetail("mana", summary.manaShortfall);
}

PreviewLabel PreviewLabelFor(const PlanPreview& preview, std::int32_t fileLine)
{
    PreviewLabel label{.text = PreviewLine(preview.summary), .tip = PreviewDetails(preview.summary)};
    // The readings hold every line of the text, the first at index 0.
    if (fileLine < 1 || std::size_t(fileLine) > preview.readings.size()) {
        return label;
    }
    const PlanLineReading& reading = preview.readings[std::size_t(fileLine) - 1];
    label.tip += "\n\n" + ReadingInCzech(reading);
    if (!reading.warnings.empty()) {
        label.text = "řádek " + std::to_string(fileLine) + ": " + WarningInCzech(reading.warnings.front());
        label.warning = true;
    }
    return label;
}

}  // namespace zef
