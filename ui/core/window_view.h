// What the window model asks of a front end: a handful of calls on its
// controls and windows, each doing one thing with its toolkit, none deciding
// anything. The Qt window and the Windows window each implement these; the
// model (window_model.h) holds every rule. Texts are UTF-8.
#pragma once

#include "best_plan_dialog.h"
#include "catalogue_rows.h"
#include "chart_model.h"
#include "plan_preview.h"
#include "window_beside.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

// A window of its own beside the main one: the chart, the unit list.
class SecondWindowView {
public:
    virtual ~SecondWindowView() = default;
    virtual bool visible() const = 0;
    // Shown before: it stays where the player left it.
    virtual bool shownBefore() const = 0;
    // The size of its frame once shown.
    virtual ScreenSize frameSize() const = 0;
    virtual void moveFrame(ScreenPoint at) = 0;
    // Shows it, in front, with the keyboard.
    virtual void showInFront() = 0;
};

// The treasury chart's window.
class ChartWindowView : public SecondWindowView {
public:
    virtual void showRecording(const TurnRecording& recording, ChartSource source) = 0;
};

// The list of the unit types of arm.txt; choosing one calls the model's
// unitChosen() with its number.
class UnitListView : public SecondWindowView {
public:
    virtual void showRows(const std::vector<CatalogueRow>& rows) = 0;
};

// The dialog that searches for the best plan; its buttons call the model's
// bestPlan() rules and bestPlanApply(), bestPlanChart().
class BestPlanWindowView : public SecondWindowView, public BestPlanDialogView {};

// The key that locks the window from anywhere: Ctrl+Alt+Shift and a letter.
struct LockKey {
    char letter;
    std::string_view name;         // the atom's name
    std::string_view description;  // what a desktop lists it as
};

class WindowView {
public:
    virtual ~WindowView() = default;

    // The window itself.
    virtual void setCaption(std::string_view caption) = 0;
    virtual void setApplicationTitle(std::string_view title) = 0;
    // Shows the calculator group and gives the editor the keyboard.
    virtual void showCalculator() = 0;
    // The intro runs exactly while the calculator group is hidden.
    virtual bool introRunning() const = 0;
    // False when the intro cannot run here (no GL library, no context).
    virtual bool startIntro() = 0;
    virtual void endIntro() = 0;
    // Whole-window opacity off: the window drawn as it is.
    virtual void setOpaque() = 0;
    virtual void setLocked(bool locked) = 0;
    // A close request that comes back through the model's FormCloseQuery,
    // once the current event is over.
    virtual void closeSoon() = 0;

    // Where the window is and may go; nothing where windows cannot be
    // placed (a Wayland compositor places them).
    virtual std::optional<ScreenRect> frame() const = 0;
    virtual void moveFrame(ScreenPoint at) = 0;
    // The free part of the screen the window is on.
    virtual ScreenRect workArea() const = 0;
    virtual bool introSwitch() const = 0;
    virtual void setIntroSwitch(bool on) = 0;

    // The lock key: registers it and returns the identifier it arrives with.
    virtual std::uint32_t registerLockKey(const LockKey& key) = 0;
    virtual void unregisterLockKey() = 0;

    // The plan editor: its whole text (line breaks as the control has them),
    // the line holding the caret (from 1), and the lines to underline.
    virtual std::string editorText() const = 0;
    virtual void setEditorText(const std::string& text) = 0;
    virtual std::int32_t caretLine() const = 0;
    virtual void insertAtCaret(const std::string& text) = 0;
    virtual void underlineLines(const std::vector<std::int32_t>& lines) = 0;

    // The report view: the whole report so far (Windows-1250, CR LF).
    virtual void showReport(const std::string& report) = 0;

    // The preview line: grey while its text is older than the editor's.
    virtual void showPreviewLine(const PreviewLabel& label) = 0;
    virtual void setPreviewLineCurrent(bool current) = 0;
    // Calls the model's previewPause() once `pause` has passed, unless asked again.
    virtual void startPreviewTimer(std::chrono::milliseconds pause) = 0;
    // Called on the preview's own thread: hands the preview to the model's
    // previewArrived() on the window's thread.
    virtual void deliverPreview(PlanPreview preview) = 0;

    // The boxes the design shows without an owner window.
    virtual bool askWithoutOwner(std::string_view question) = 0;
    virtual void tellWithoutOwner(std::string_view message) = 0;
    // Every open box and dialog gets its safe answer: No, OK or Cancel.
    virtual void answerOpenDialogs() = 0;

    // The second windows, made the first time they are needed.
    virtual ChartWindowView& chartWindow() = 0;
    virtual bool hasChartWindow() const = 0;
    virtual UnitListView& unitList() = 0;
    virtual BestPlanWindowView& bestPlanWindow() = 0;
};

}  // namespace zef
