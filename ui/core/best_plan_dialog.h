// The "Nejlepší plán…" dialog's rules, apart from any toolkit: what it offers
// (the question and its number, the unit types of arm.txt that recruit, the
// reserve), the search on a thread of its own with its progress and its
// cancel, the answer told beside the editor's plan, and what "Použít" puts in
// the editor. The search runs on the editor's text and arm.txt as they are
// when it starts; nothing is saved.
#pragma once

#include "best_plan.h"
#include "best_plan_texts.h"
#include "catalogue_rows.h"
#include "turn_recorder.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace zef {

// What the player chooses in the dialog.
struct BestPlanChoice {
    BestPlanQuestion question = BestPlanQuestion::MostDamage;
    std::int64_t target = 0;
    std::vector<std::int64_t> rows;  // ticked; none: the search is refused
    int reserve = 0;
};

// What the dialog offers when it opens: the unit types to tick (those that
// recruit, all ticked), and for each question the number of the editor's own
// plan: its turns and the damage it reaches.
struct BestPlanOffer {
    std::vector<CatalogueRow> rows;
    std::int64_t turns = 1;
    std::int64_t damage = 1;
    BestPlanChoice choice;
};

// What a finished search leaves: its text, and the answer to put in the
// editor and to show in the chart.
struct BestPlanOutcome {
    std::uint64_t search = 0;  // which start() it answers
    std::string text;          // UTF-8, '\n' line ends
    std::optional<std::string> editorText;
    TurnRecording recording;
};

class BestPlanDialogView {
public:
    virtual ~BestPlanDialogView() = default;
    virtual void showOffer(const BestPlanOffer& offer) = 0;
    // Searching: the search button gives way to cancel, the progress shows.
    virtual void showSearching(bool searching) = 0;
    virtual void showProgress(int stepsDone) = 0;  // of kProgressSteps
    // The answer's text; "Použít" and the chart only for an answer.
    virtual void showAnswer(const std::string& text, bool answered) = 0;
    // Called on the search's thread: hand these to the dialog's thread.
    virtual void deliverProgress(std::uint64_t search, int stepsDone) = 0;
    virtual void deliverOutcome(BestPlanOutcome outcome) = 0;
};

class BestPlanDialog {
public:
    explicit BestPlanDialog(BestPlanDialogView& view);
    // Cancels a search in progress and waits for its thread.
    ~BestPlanDialog();
    BestPlanDialog(const BestPlanDialog&) = delete;
    BestPlanDialog& operator=(const BestPlanDialog&) = delete;

    // Opens on the editor's text (UTF-8) and arm.txt as they are now; the
    // text of a message when there is nothing to search.
    std::optional<std::string> open(std::string_view editorText);
    void start(const BestPlanChoice& choice);
    void cancel();
    // Back on the dialog's thread.
    void progressArrived(std::uint64_t search, int stepsDone);
    void outcomeArrived(BestPlanOutcome outcome);

    // The editor's text with the answer's plan lines, for "Použít", and the
    // editor's text the search was made for.
    const std::optional<std::string>& answerText() const { return answer_.editorText; }
    const std::string& searchedText() const { return editorText_; }
    const TurnRecording& answerRecording() const { return answer_.recording; }
    bool searching() const { return searching_; }

private:
    void Join();

    BestPlanDialogView& view_;
    std::string catalogue_;  // arm.txt's bytes when the dialog opened
    std::string plan_;       // the editor's text as rekrut.txt would hold it
    std::string editorText_;
    BestPlanOutcome answer_;
    bool searching_ = false;
    std::uint64_t search_ = 0;
    std::atomic<bool> cancelled_{false};
    std::thread thread_;
};

}  // namespace zef
