// The main window's rules, driven without a display through a view that
// records what it is told: the creation order, the lock and the close guard,
// the end of the session, the reset, the intro's end, the preview while
// typing and the windows beside the main one. Both front ends show these.
#include "window_model.h"

#include "case_name.h"
#include "file_bytes.h"
#include "plan_folder.h"
#include "plan_reset.h"
#include "recorded_dialogs.h"
#include "window_texts.h"

#include <gtest/gtest.h>

#include <deque>

namespace zef {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// A window beside the main one that records where it was put and whether
// it shows; `View` is the interface it shows through.
template <typename View>
class FakeSecondWindow : public View {
public:
    bool visible() const override { return isVisible; }
    bool shownBefore() const override { return shown; }
    ScreenSize frameSize() const override { return {300, 200}; }
    void moveFrame(ScreenPoint at) override { movedTo = at; }
    void showInFront() override { isVisible = shown = true; }

    bool isVisible = false;
    bool shown = false;
    std::optional<ScreenPoint> movedTo;
};

class FakeChart : public FakeSecondWindow<ChartWindowView> {
public:
    void showRecording(const TurnRecording& recording, ChartSource shownSource) override
    {
        turns = recording.samples.size();
        source = shownSource;
    }

    std::size_t turns = 0;
    std::optional<ChartSource> source;
};

class FakeUnitList : public FakeSecondWindow<UnitListView> {
public:
    void showRows(const std::vector<CatalogueRow>& offered) override { rows = offered; }

    std::vector<CatalogueRow> rows;
};

// The best plan's dialog; it hands the search's outcome over at once, as
// the front ends do through their event loops.
class FakeBestPlan : public FakeSecondWindow<BestPlanWindowView> {
public:
    void showOffer(const BestPlanOffer& offered) override { offer = offered; }
    void showSearching(bool isSearching) override { searching = isSearching; }
    void showProgress(int) override {}
    void showAnswer(const std::string& text, bool isAnswered) override
    {
        answer = text;
        answered = isAnswered;
    }
    void deliverProgress(std::uint64_t, int) override {}
    void deliverOutcome(BestPlanOutcome outcome) override
    {
        const std::lock_guard lock(mutex);
        outcomes.push_back(std::move(outcome));
        arrived.notify_one();
    }
    BestPlanOutcome nextOutcome()
    {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [this] { return !outcomes.empty(); });
        BestPlanOutcome outcome = std::move(outcomes.front());
        outcomes.pop_front();
        return outcome;
    }

    std::optional<BestPlanOffer> offer;
    bool searching = false;
    std::string answer;
    bool answered = false;

private:
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<BestPlanOutcome> outcomes;
};

// A window that records what the model tells it; `calls` keeps the order of
// the calls a rule's order is about.
class FakeView : public WindowView {
public:
    void setCaption(std::string_view text) override { caption = text; }
    void setApplicationTitle(std::string_view) override {}
    void showCalculator() override
    {
        calls.push_back("showCalculator");
        calculatorShown = true;
    }
    bool introRunning() const override { return !calculatorShown; }
    bool startIntro() override
    {
        calls.push_back("startIntro");
        return introStarts;
    }
    void endIntro() override { calls.push_back("endIntro"); }
    void setOpaque() override { calls.push_back("setOpaque"); }
    void setLocked(bool locked) override { isLocked = locked; }
    void closeSoon() override { ++closes; }
    std::optional<ScreenRect> frame() const override { return placeable ? std::optional(where) : std::nullopt; }
    void moveFrame(ScreenPoint at) override { where.left = at.left, where.top = at.top; }
    ScreenRect workArea() const override { return {0, 0, 1920, 1080}; }
    bool introSwitch() const override { return intro; }
    void setIntroSwitch(bool on) override { intro = on; }
    std::uint32_t registerLockKey(const LockKey& key) override
    {
        calls.push_back("registerLockKey " + std::string(1, key.letter));
        return 77;
    }
    void unregisterLockKey() override { calls.push_back("unregisterLockKey"); }
    std::string editorText() const override { return editor; }
    void setEditorText(const std::string& text) override { editor = text; }
    std::int32_t caretLine() const override { return caret; }
    void insertAtCaret(const std::string& text) override { editor += text; }
    void underlineLines(const std::vector<std::int32_t>& lines) override { underlined = lines; }
    void showReport(const std::string& report) override { reportShown = report; }
    void showPreviewLine(const PreviewLabel& label) override { previewLine = label; }
    void setPreviewLineCurrent(bool current) override { previewCurrent = current; }
    void startPreviewTimer(std::chrono::milliseconds pause) override { timer = pause; }
    void deliverPreview(PlanPreview preview) override
    {
        const std::lock_guard lock(mutex);
        delivered.push_back(std::move(preview));
        arrived.notify_one();
    }
    bool askWithoutOwner(std::string_view question) override
    {
        asked.emplace_back(question);
        return answer;
    }
    void tellWithoutOwner(std::string_view message) override { told.emplace_back(message); }
    void answerOpenDialogs() override { calls.push_back("answerOpenDialogs"); }
    ChartWindowView& chartWindow() override { return chart; }
    bool hasChartWindow() const override { return true; }
    UnitListView& unitList() override { return units; }
    BestPlanWindowView& bestPlanWindow() override { return bestPlan; }

    // Waits for the preview's thread to hand over a preview.
    PlanPreview nextPreview()
    {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [this] { return !delivered.empty(); });
        PlanPreview preview = std::move(delivered.front());
        delivered.pop_front();
        return preview;
    }

    std::vector<std::string> calls;
    std::string caption;
    bool calculatorShown = false;
    bool introStarts = false;
    bool isLocked = false;
    int closes = 0;
    bool placeable = true;
    ScreenRect where{100, 100, 579, 385};
    bool intro = false;
    std::string editor;
    std::int32_t caret = 1;
    std::vector<std::int32_t> underlined;
    std::string reportShown;
    std::optional<PreviewLabel> previewLine;
    bool previewCurrent = true;
    std::optional<std::chrono::milliseconds> timer;
    bool answer = false;
    std::vector<std::string> asked;
    std::vector<std::string> told;
    FakeChart chart;
    FakeUnitList units;
    FakeBestPlan bestPlan;

private:
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<PlanPreview> delivered;
};

constexpr const char* kCatalogue = "Pesi 100 0 0 0 0 0 25 1\r\n";

class WindowModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes("arm.txt", kCatalogue);
        WriteBytes("rekrut.txt", "@zl 5000\r\n1 100\r\n");
        std::filesystem::create_directories(settings_);
    }
    WindowModel& Create()
    {
        model_.FormCreate(settings_);
        return model_;
    }

    const testing::PlanFolder folder_;
    const std::filesystem::path settings_ = folder_.path() / "settings";
    testing::RecordedDialogs dialogs_;
    FakeView view_;
    WindowModel model_{view_, dialogs_, folder_.path() / "state"};
};

struct IntroCase {
    const char* name;
    bool switchOn;
    bool introStarts;
    std::vector<std::string> calls;
};

class WindowCreationTest : public WindowModelTest, public ::testing::WithParamInterface<IntroCase> {};

// The start-up refresh comes before the lock key and the settings; the intro
// decision takes the switch the settings restored, and a window whose intro
// cannot start shows the calculator at once.
TEST_P(WindowCreationTest, FollowsTheDesignedOrder)
{
    WriteBytes(settings_ / "zeF.ini",
               GetParam().switchOn ? "[FormOptions]\r\nintro=1\r\n" : "[FormOptions]\r\nintro=0\r\n");
    view_.introStarts = GetParam().introStarts;
    Create();
    EXPECT_EQ(view_.calls, GetParam().calls);
    EXPECT_EQ(view_.editor, "@zl 5000\n1 100\n");
    EXPECT_EQ(view_.reportShown, model_.core().planningState().reportText);
    EXPECT_FALSE(view_.reportShown.empty());
    EXPECT_EQ(view_.caption, kWindowCaption);
    EXPECT_EQ(model_.core().DesignCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Intro, WindowCreationTest,
    ::testing::Values(
        IntroCase{"SwitchOff", false, true, {"registerLockKey M", "showCalculator", "setOpaque"}},
        IntroCase{"IntroRuns", true, true, {"registerLockKey M", "startIntro"}},
        IntroCase{"IntroCannotStart", true, false, {"registerLockKey M", "startIntro", "showCalculator", "setOpaque"}}),
    testing::CaseName<IntroCase>);

TEST_F(WindowModelTest, AWindowThatLeftItsInstallationFolderNamesTheFolderItWorksIn)
{
    model_.FormCreate(settings_, folder_.path());
    EXPECT_EQ(view_.caption, WorkingFolderCaption(folder_.path().string()));
}

// The calculator is shown before the intro's thread stops, and the opacity
// restored only after it; once the intro has ended a key does nothing more.
TEST_F(WindowModelTest, AKeyEndsTheIntroInItsOrder)
{
    WriteBytes(settings_ / "zeF.ini", "[FormOptions]\r\nintro=1\r\n");
    view_.introStarts = true;
    Create();
    view_.calls.clear();
    model_.FormKeyDown();
    model_.FormKeyDown();
    EXPECT_EQ(view_.calls, (std::vector<std::string>{"showCalculator", "endIntro", "setOpaque"}));
}

TEST_F(WindowModelTest, TheLockKeyTogglesTheLockAndNoOtherKeyDoes)
{
    Create();
    model_.WMHotKey(78);
    EXPECT_FALSE(view_.isLocked);
    model_.WMHotKey(77);
    EXPECT_TRUE(view_.isLocked);
    EXPECT_FALSE(model_.FormQueryEndSession());
    model_.WMHotKey(77);
    EXPECT_FALSE(view_.isLocked);
    EXPECT_TRUE(model_.FormQueryEndSession());
}

struct CloseCase {
    const char* name;
    bool locked;
    bool duringRun;
    bool closesNow;
    bool closesSoon;  // once the run has returned
    bool refusalSaid;
};

class CloseQueryTest : public WindowModelTest, public ::testing::WithParamInterface<CloseCase> {};

// A locked window refuses and says why; a close during a run cancels the run,
// adds nothing to the report, and the window closes once the run has returned.
TEST_P(CloseQueryTest, DecidesAsTheLockAndTheRunSay)
{
    const CloseCase& c = GetParam();
    WriteBytes("arm.txt", "Pesi 100 0 0 0 0 0 1 1\r\n");
    Create();
    if (c.locked) {
        model_.WMHotKey(77);
    }
    const std::string report = model_.core().planningState().reportText;
    std::optional<bool> closesNow;
    if (c.duringRun) {
        // 400 million damage at 0.4 a turn: the progress hook hears from the run after 2^22 turns.
        view_.editor = "1 400000000\n";
        dialogs_.progress = [&](std::uint64_t, std::uint64_t) {
            if (!closesNow) {
                closesNow = model_.FormCloseQuery();
            }
            return true;
        };
        model_.Button3Click();
    } else {
        closesNow = model_.FormCloseQuery();
    }
    EXPECT_EQ(closesNow, c.closesNow);
    EXPECT_EQ(view_.closes, c.closesSoon ? 1 : 0);
    EXPECT_EQ(view_.told,
              c.refusalSaid ? std::vector<std::string>{std::string(kLockedText)} : std::vector<std::string>{});
    EXPECT_EQ(model_.core().planningState().reportText, report);
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseQueryTest,
                         ::testing::Values(CloseCase{"Idle", false, false, true, false, false},
                                           CloseCase{"Locked", true, false, false, false, true},
                                           CloseCase{"DuringARun", false, true, false, true, false}),
                         testing::CaseName<CloseCase>);

struct EndSessionCase {
    const char* name;
    bool locked;
    std::vector<std::string> calls;
    int closes;
};

class EndSessionTest : public WindowModelTest, public ::testing::WithParamInterface<EndSessionCase> {};

// The session ends for good: the settings are written at once, locked or not,
// and only once; an unlocked window answers its boxes and closes.
TEST_P(EndSessionTest, WritesTheSettingsAtOnceAndClosesUnlessLocked)
{
    Create();
    if (GetParam().locked) {
        model_.WMHotKey(77);
    }
    view_.calls.clear();
    view_.where.left = 321;
    model_.FormEndSession();
    EXPECT_NE(ReadBytes(settings_ / "zeF.ini").find("left=321"), std::string::npos);
    view_.where.left = 654;
    model_.FormDestroy();
    EXPECT_NE(ReadBytes(settings_ / "zeF.ini").find("left=321"), std::string::npos);
    EXPECT_EQ(view_.calls, GetParam().calls);
    EXPECT_EQ(view_.closes, GetParam().closes);
    EXPECT_EQ(dialogs_.ending(), !GetParam().locked);
}

INSTANTIATE_TEST_SUITE_P(
    Lock, EndSessionTest,
    ::testing::Values(EndSessionCase{"Unlocked", false, {"answerOpenDialogs", "unregisterLockKey"}, 1},
                      EndSessionCase{"Locked", true, {"unregisterLockKey"}, 0}),
    testing::CaseName<EndSessionCase>);

// A TERM during the start-up refresh: the run is cancelled, and the window
// closes once it has been created, counting this start.
TEST_F(WindowModelTest, TheSessionEndingDuringTheStartUpRefreshClosesTheCreatedWindow)
{
    WriteBytes("arm.txt", "Pesi 100 0 0 0 0 0 1 1\r\n");
    WriteBytes("rekrut.txt", "1 400000000\r\n");
    dialogs_.progress = [&](std::uint64_t, std::uint64_t) {
        model_.FormEndSession();
        return true;
    };
    Create();
    EXPECT_EQ(view_.closes, 1);
    EXPECT_TRUE(model_.core().planningState().reportText.empty());
    model_.FormDestroy();
    EXPECT_NE(ReadBytes(settings_ / "zeF.ini").find("spusteni=1"), std::string::npos);
}

TEST_F(WindowModelTest, AWindowThatCannotBePlacedKeepsTheStoredPosition)
{
    WriteBytes(settings_ / "zeF.ini", "[FormOptions]\r\nleft=30\r\ntop=40\r\n");
    view_.placeable = false;
    Create();
    model_.FormDestroy();
    EXPECT_NE(ReadBytes(settings_ / "zeF.ini").find("left=30\r\ntop=40"), std::string::npos);
}

struct ResetCase {
    const char* name;
    bool yes;
    bool ending;
    const char* editor;
    const char* after;
};

class ResetTest : public WindowModelTest, public ::testing::WithParamInterface<ResetCase> {};

// The reset asks first and changes only the editor: nothing is saved or run.
TEST_P(ResetTest, ReplacesTheDirectivesOnlyAfterYes)
{
    Create();
    const std::string report = model_.core().planningState().reportText;
    view_.editor = GetParam().editor;
    view_.answer = GetParam().yes;
    if (GetParam().ending) {
        dialogs_.endWithoutAsking();
    }
    model_.Button6Click();
    EXPECT_EQ(view_.asked, std::vector<std::string>{std::string(kResetQuestion)});
    EXPECT_EQ(view_.editor, GetParam().after);
    EXPECT_EQ(ReadBytes("rekrut.txt"), "@zl 5000\r\n1 100\r\n");
    EXPECT_EQ(model_.core().planningState().reportText, report);
}

const std::string kResetPlan = std::string(DefaultDirectives) + "abc\n\n \nx\n";

INSTANTIATE_TEST_SUITE_P(Answers, ResetTest,
                         ::testing::Values(ResetCase{"Yes", true, false, "  @zl 5\nabc\n\n   \n x", kResetPlan.c_str()},
                                           ResetCase{"YesWithCrLf", true, false, "  @zl 5\r\nabc\r\n\r\n   \r\n x",
                                                     kResetPlan.c_str()},
                                           ResetCase{"No", false, false, "  @zl 5\nabc", "  @zl 5\nabc"},
                                           ResetCase{"YesAsTheWindowEnds", true, true, "  @zl 5\nabc", "  @zl 5\nabc"}),
                         testing::CaseName<ResetCase>);

// The keys the model hears: F5 in the editor refreshes, F7 opens the unit
// list, F6 in the calculator the chart.
TEST_F(WindowModelTest, TheEditorsKeysRefreshAndOpenTheUnitList)
{
    Create();
    view_.editor = "1 200\n";
    model_.Memo4KeyDown(WindowKey::Other);
    EXPECT_EQ(ReadBytes("rekrut.txt"), "@zl 5000\r\n1 100\r\n");
    model_.Memo4KeyDown(WindowKey::F5);
    EXPECT_EQ(ReadBytes("rekrut.txt"), "1 200\r\n");
    model_.Memo4KeyDown(WindowKey::F7);
    ASSERT_EQ(view_.units.rows.size(), 1u);
    EXPECT_EQ(view_.units.rows[0].cells[1], "Pesi");
    model_.unitChosen(1);
    EXPECT_EQ(view_.editor, "1 200\n1");
    model_.GroupKeyDown(WindowKey::F6);
    EXPECT_TRUE(view_.chart.isVisible);
}

// The first time a window beside the main one is shown, it is placed right of
// it; later it stays where the player left it.
TEST_F(WindowModelTest, AChartIsPlacedBesideTheWindowOnlyTheFirstTime)
{
    Create();
    model_.Button7Click();
    EXPECT_EQ(view_.chart.movedTo, (ScreenPoint{100 + 579 + 8, 100}));
    view_.chart.isVisible = false;
    view_.chart.movedTo.reset();
    model_.Button7Click();
    EXPECT_FALSE(view_.chart.movedTo);
    EXPECT_TRUE(view_.chart.isVisible);
}

// Typing greys the line and starts the pause; the preview of the text as it
// stands fills the line, underlines the lines with a warning and, from the
// first change after a refresh until the next, is what the chart shows.
TEST_F(WindowModelTest, ThePreviewFollowsTypingAndTheChartFollowsThePreview)
{
    Create();
    model_.Button7Click();
    EXPECT_EQ(view_.chart.source, ChartSource::Refresh);
    view_.editor = "@zl 5000\n1 2 000\n";
    model_.Memo4Change();
    EXPECT_EQ(view_.timer, kPreviewPause);
    EXPECT_FALSE(view_.previewCurrent);
    model_.previewPause();
    model_.previewArrived(view_.nextPreview());
    EXPECT_TRUE(view_.previewCurrent);
    EXPECT_EQ(view_.underlined, std::vector<std::int32_t>{2});
    ASSERT_TRUE(view_.previewLine);
    EXPECT_EQ(view_.previewLine->text, PreviewLine(model_.preview()->summary));
    view_.caret = 2;
    model_.caretMoved();
    EXPECT_TRUE(view_.previewLine->warning);
    EXPECT_EQ(view_.chart.source, ChartSource::Preview);
    model_.Button3Click();
    EXPECT_EQ(view_.chart.source, ChartSource::Refresh);
}

// A preview made while the chart was closed recorded no turns; opening the
// chart asks for the preview again, recorded, and shows the last refresh
// until it comes.
TEST_F(WindowModelTest, AChartOpenedAfterTypingGetsTheRecordedPreview)
{
    Create();
    view_.editor = "@zl 5000\n1 300\n";
    model_.Memo4Change();
    model_.previewPause();
    model_.previewArrived(view_.nextPreview());
    EXPECT_TRUE(model_.preview()->recording.empty());
    model_.Button7Click();
    EXPECT_EQ(view_.chart.source, ChartSource::Refresh);
    model_.previewArrived(view_.nextPreview());
    EXPECT_EQ(view_.chart.source, ChartSource::Preview);
    EXPECT_EQ(view_.chart.turns, model_.preview()->recording.samples.size());
    EXPECT_GT(view_.chart.turns, 0u);
}

// A preview of a text the player has typed past is never shown.
TEST_F(WindowModelTest, APreviewOvertakenByTypingIsDropped)
{
    Create();
    view_.editor = "1 200\n";
    model_.Memo4Change();
    model_.previewPause();
    PlanPreview overtaken = view_.nextPreview();
    model_.Memo4Change();
    model_.previewArrived(std::move(overtaken));
    EXPECT_FALSE(view_.previewLine);
    EXPECT_FALSE(view_.previewCurrent);
}

class BestPlanDialogTest : public WindowModelTest {
protected:
    void SetUp() override
    {
        WriteBytes("arm.txt", ReadBytes(ZEF_EXAMPLES_DIR "/arm.txt"));
        WriteBytes("rekrut.txt", ReadBytes(ZEF_EXAMPLES_DIR "/rekrut.txt"));
        std::filesystem::create_directories(settings_);
        Create();
    }
    // The search's outcome, handed to the dialog as the front end does.
    void Search(const BestPlanChoice& choice)
    {
        model_.bestPlan().start(choice);
        model_.bestPlan().outcomeArrived(view_.bestPlan.nextOutcome());
    }
};

// The dialog offers the unit types that recruit, all ticked, and the turns and
// damage of the editor's own plan; the proven answer goes into the editor only
// by "Použít" (once: pressed again it asks nothing), and into the chart by "Graf".
TEST_F(BestPlanDialogTest, OffersTheEditorsNumbersAndPutsTheAnswerInTheEditor)
{
    const std::string editor = view_.editor;
    model_.BestPlanClick();
    ASSERT_TRUE(view_.bestPlan.offer);
    const BestPlanOffer& offer = *view_.bestPlan.offer;
    EXPECT_EQ(offer.rows.size(), offer.choice.rows.size());
    EXPECT_EQ(offer.turns, 31);
    EXPECT_EQ(offer.damage, 15328);
    EXPECT_TRUE(view_.bestPlan.isVisible);
    Search({BestPlanQuestion::MostDamage, 31, offer.choice.rows, 0});
    EXPECT_TRUE(view_.bestPlan.answered);
    EXPECT_FALSE(view_.bestPlan.searching);
    EXPECT_TRUE(view_.bestPlan.answer.starts_with("Nejvíc DMG nejvýš za 31 TU: dokázaně nejlepší"))
        << view_.bestPlan.answer;
    EXPECT_EQ(view_.editor, editor);
    model_.bestPlanApply();
    EXPECT_EQ(view_.editor, model_.bestPlan().answerText());
    // Pressed again, the answer given back as the Windows editor holds it
    // (CR LF): it is there already, nothing to ask.
    std::string crLf;
    for (const char c : view_.editor) {
        crLf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    view_.editor = crLf;
    model_.bestPlanApply();
    EXPECT_TRUE(dialogs_.questions.empty());
    EXPECT_EQ(view_.editor, crLf);
    EXPECT_EQ(ReadBytes("rekrut.txt"), ReadBytes(ZEF_EXAMPLES_DIR "/rekrut.txt"));
    model_.bestPlanChart();
    EXPECT_EQ(view_.chart.source, ChartSource::BestPlan);
    EXPECT_EQ(view_.chart.turns, model_.bestPlan().answerRecording().samples.size());
}

// An answer for a plan the player has changed since is put in only after Yes.
TEST_F(BestPlanDialogTest, AnAnswerForAnOlderPlanIsPutInOnlyAfterYes)
{
    model_.BestPlanClick();
    Search({BestPlanQuestion::FewestTurns, 15328, view_.bestPlan.offer->choice.rows, 0});
    view_.editor += "; změna\n";
    const std::string changed = view_.editor;
    model_.bestPlanApply();
    EXPECT_EQ(dialogs_.questions, std::vector<std::string>{std::string(kBestPlanEditorChanged)});
    EXPECT_EQ(view_.editor, changed);
}

TEST_F(BestPlanDialogTest, ASearchWithoutUnitTypesIsRefused)
{
    model_.BestPlanClick();
    model_.bestPlan().start({BestPlanQuestion::MostDamage, 31, {}, 0});
    EXPECT_EQ(view_.bestPlan.answer, kBestPlanNoRows);
    EXPECT_FALSE(view_.bestPlan.searching);
}

// Cancelled, the search hands back the best plan it has found so far, or
// says it found none; either way it says it is not proven.
TEST_F(BestPlanDialogTest, ACancelledSearchSaysItIsNotProven)
{
    model_.BestPlanClick();
    model_.bestPlan().start({BestPlanQuestion::MostDamage, 9000, view_.bestPlan.offer->choice.rows, 0});
    model_.bestPlan().cancel();
    model_.bestPlan().outcomeArrived(view_.bestPlan.nextOutcome());
    EXPECT_FALSE(view_.bestPlan.searching);
    EXPECT_EQ(view_.bestPlan.answer.find("dokázaně nejlepší"), std::string::npos) << view_.bestPlan.answer;
}

TEST_F(BestPlanDialogTest, NothingToSearchSaysWhy)
{
    WriteBytes("arm.txt", "");
    model_.BestPlanClick();
    EXPECT_EQ(dialogs_.errors, std::vector<std::string>{std::string(kBestPlanNothingToSearch)});
    EXPECT_FALSE(view_.bestPlan.isVisible);
}

}  // namespace
}  // namespace zef
