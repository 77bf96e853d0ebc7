// The preview: the editor's text run as the next refresh would run it, on a
// planning state of its own and from bytes in memory, so that nothing is
// saved, no report grows and no counter moves. Its summary is worded here, in
// Czech (UTF-8), so that every front end shows the same line.
#pragma once

#include "file_failure.h"
#include "plan_reading.h"
#include "shortfall_finder.h"
#include "turn_budget.h"
#include "turn_recorder.h"
#include "windows1250.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

struct PreviewSummary {
    // The figures the report's summary prints: turns, damage, gold and mana left.
    std::int32_t turns = 0;
    double damage = 0;
    double gold = 0;
    double mana = 0;
    std::optional<Shortfall> goldShortfall;
    std::optional<Shortfall> manaShortfall;
    // Why there are no figures; at most one is set.
    std::optional<UnencodableCharacter> unencodable;
    std::optional<PlanTooLong> tooLong;
    std::optional<FileFailure> unreadableCatalogue;
    bool outOfMemory = false;

    bool hasFigures() const { return !unencodable && !tooLong && !unreadableCatalogue && !outOfMemory; }
};

struct PlanPreview {
    std::uint64_t generation = 0;  // which request of a PreviewWorker it answers
    PreviewSummary summary;
    // How each line of the editor was read; none for an unencodable text.
    std::vector<PlanLineReading> readings;
    TurnRecording recording;  // empty unless the chart wanted it
};

// Whether the preview in progress is still wanted; asked every 65,536
// turns, so that a preview the player has typed past stops at once.
using StillWanted = std::function<bool()>;

// Whether a preview records its run's turns for the chart. Recording costs
// several times the run itself, so a window asks for it only while its chart
// shows the preview; the summary, the shortfalls and the readings are the
// same either way.
enum class ChartRecording { Wanted, NotWanted };

// What previews made one after another on one thread keep between them, so
// that a recorded preview does not allocate its recording anew each time:
// the recorder, reset before each run, and `reusable`, whose vectors the next
// recording is written into. A preview leaves with its recording; the caller
// puts a recording it is done with back into `reusable`.
struct PreviewStorage {
    TurnRecorder recorder;
    TurnRecording reusable;
};

// Runs the editor's text (UTF-8) with the bytes of arm.txt; nothing when
// `stillWanted` says no during the run. A run the memory cannot hold gives a
// preview that says so. A recording is made with `storage` when given, else
// with a recorder of the preview's own.
std::optional<PlanPreview> PreviewPlan(std::string_view editorText, std::string_view catalogueBytes,
                                       const StillWanted& stillWanted = {},
                                       ChartRecording chart = ChartRecording::Wanted,
                                       PreviewStorage* storage = nullptr);

// The same with arm.txt as it is now in the current directory.
std::optional<PlanPreview> PreviewPlanWithCatalogueFile(std::string_view editorText,
                                                        const StillWanted& stillWanted = {},
                                                        ChartRecording chart = ChartRecording::Wanted,
                                                        PreviewStorage* storage = nullptr);

// One short line, such as "Náhled: 31 TU, DMG 15 328, zl 31k, mn 128k".
std::string PreviewLine(const PreviewSummary& summary);
// The rest, a line for each figure and shortfall, or the whole reason why
// there are no figures.
std::string PreviewDetails(const PreviewSummary& summary);

// What the window's preview line shows while the editor's cursor stands on
// line `fileLine`: that line's first warning, else the summary's line; the
// tip adds the details and how the line was read.
struct PreviewLabel {
    std::string text;
    std::string tip;
    bool warning = false;
};
PreviewLabel PreviewLabelFor(const PlanPreview& preview, std::int32_t fileLine);

}  // namespace zef
