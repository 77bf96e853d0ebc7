#include "best_plan_dialog.h"

#include "catalogue.h"
#include "file_messages.h"
#include "plan_check.h"
#include "plan_file.h"
#include "recruit.h"
#include "report_format.h"
#include "rounding.h"
#include "run_plan.h"
#include "turn_budget.h"
#include "whole_file.h"
#include "window_texts.h"
#include "windows1250.h"

#include <algorithm>
#include <exception>
#include <new>
#include <utility>

namespace zef {

namespace {

// The player's own plan, where it is short enough to run at once: its turns
// and figures are the dialog's first numbers and the answer's comparison.
std::optional<CheckedPlan> PlayersPlan(std::string_view catalogue, std::string_view plan)
{
    try {
        if (PlannedTurnsOf(catalogue, plan) <= kMaxBestPlanTurns) {
            return CheckPlan(catalogue, plan);
        }
    } catch (const PlanTooLong&) {
    }
    return std::nullopt;
}

BestPlanOffer OfferFor(std::string_view catalogue, std::string_view plan)
{
    PlanningState state;
    LoadCatalogue(state, catalogue);
    BestPlanOffer offer;
    for (CatalogueRow& row : CatalogueRows(catalogue)) {
        if (!RecruitsNothing(CatalogueValuesOf(state, row.number))) {
            offer.choice.rows.push_back(row.number);
            offer.rows.push_back(std::move(row));
        }
    }
    const std::optional<CheckedPlan> player = PlayersPlan(catalogue, plan);
    offer.turns = std::clamp<std::int64_t>(player ? player->turns : 0, 1, kMaxBestPlanTurns);
    offer.damage = std::max<std::int64_t>(player ? RoundHalfEven(player->end.damage) : 0, 1);
    offer.choice.target = offer.turns;
    return offer;
}

BestPlanOutcome Search(std::uint64_t search, const std::string& catalogue, const std::string& plan,
                       const BestPlanRequest& request, const SearchHook& hook)
{
    BestPlanOutcome outcome;
    outcome.search = search;
    try {
        const std::optional<CheckedPlan> player = PlayersPlan(catalogue, plan);
        const BestPlanResult result = FindBestPlan(catalogue, plan, request, hook);
        outcome.text = BestPlanText(request, result, catalogue,
                                    player ? std::optional(FiguresOf(player->end, player->turns)) : std::nullopt);
        if (result.answer) {
            outcome.editorText = DecodeWindows1250(result.answer->planBytes);
            PlanningState state;
            TurnRecorder recorder;
            RunPlan(state, catalogue, result.answer->planBytes, {}, &recorder);
            outcome.recording = recorder.recording();
        }
    } catch (const std::bad_alloc&) {
        outcome.text = OutOfMemoryMessage();
    } catch (const std::exception& error) {
        outcome.text = error.what();
    }
    return outcome;
}

}  // namespace

BestPlanDialog::BestPlanDialog(BestPlanDialogView& view) : view_(view) {}

BestPlanDialog::~BestPlanDialog()
{
    cancelled_ = true;
    Join();
}

std::optional<std::string> BestPlanDialog::open(std::string_view editorText)
{
    const Windows1250Text plan = EncodeWindows1250(editorText);
    if (plan.failure) {
        return UnencodableCharacterProblem(kPlanFileName, *plan.failure);
    }
    const FileRead catalogue = ReadWholeFile(kCatalogueFileName);
    if (catalogue.failure) {
        return UnreadableFileProblem(kCatalogueFileName, *catalogue.failure);
    }
    const BestPlanOffer offer = OfferFor(catalogue.bytes, plan.bytes);
    if (offer.rows.empty()) {
        return std::string(kBestPlanNothingToSearch);
    }
    catalogue_ = catalogue.bytes;
    plan_ = plan.bytes;
    editorText_ = editorText;
    view_.showOffer(offer);
    return std::nullopt;
}

void BestPlanDialog::start(const BestPlanChoice& choice)
{
    if (choice.rows.empty()) {
        view_.showAnswer(std::string(kBestPlanNoRows), false);
        return;
    }
    cancelled_ = true;
    Join();
    cancelled_ = false;
    searching_ = true;
    answer_ = {};
    view_.showAnswer({}, false);
    view_.showSearching(true);
    const BestPlanRequest request{choice.question, choice.target, choice.rows, choice.reserve};
    thread_ = std::thread([this, search = ++search_, request, catalogue = catalogue_, plan = plan_] {
        int shown = -1;
        const SearchHook hook = [&](const SearchProgress& progress) {
            const int steps = ProgressStepsDone(std::uint64_t(std::max(progress.turn, 0)),
                                                std::uint64_t(std::max(progress.turns, 0)));
            if (steps != shown) {
                shown = steps;
                view_.deliverProgress(search, steps);
            }
            return !cancelled_;
        };
        view_.deliverOutcome(Search(search, catalogue, plan, request, hook));
    });
}

void BestPlanDialog::cancel() { cancelled_ = true; }

void BestPlanDialog::progressArrived(std::uint64_t search, int stepsDone)
{
    if (searching_ && search == search_) {
        view_.showProgress(stepsDone);
    }
}

void BestPlanDialog::outcomeArrived(BestPlanOutcome outcome)
{
    if (outcome.search != search_) {
        return;
    }
    Join();
    searching_ = false;
    answer_ = std::move(outcome);
    view_.showSearching(false);
    view_.showAnswer(answer_.text, answer_.editorText.has_value());
}

void BestPlanDialog::Join()
{
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace zef
