// The window's work on the player's files: a refresh that cannot save, or
// that would write over a plan it never saw, runs nothing and keeps the
// report; files that cannot be read stop the refresh with a message; a save
// cut off in the middle is offered back; counts are not lost.
#include "window_core.h"

#include "case_name.h"
#include "file_bytes.h"
#include "plan_folder.h"
#include "plan_preview.h"
#include "recorded_dialogs.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kCatalogue = "Pesi 100 0 0 0 0 0 25 1\r\n";
constexpr const char* kSavedPlan = "@zl 5000\r\n1 100\r\n";

class WindowCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes("arm.txt", kCatalogue);
        WriteBytes("rekrut.txt", kSavedPlan);
        std::filesystem::create_directories(settings_);
    }

    // A window opened on the folder, as the front end opens it.
    std::unique_ptr<WindowCore> Open()
    {
        auto core = std::make_unique<WindowCore>(dialogs_, recovery_);
        testing::OpenWindow(*core, settings_);
        return core;
    }

    const testing::PlanFolder folder_;
    const std::filesystem::path settings_ = folder_.path() / "settings";
    const std::filesystem::path recovery_ = folder_.path() / "state";
    testing::RecordedDialogs dialogs_;
};

TEST_F(WindowCoreTest, APlanChangedOnDiskIsOverwrittenOnlyAfterYes)
{
    for (const bool yes : {false, true}) {
        WriteBytes("rekrut.txt", kSavedPlan);
        auto core = Open();
        const std::string report = core->planningState().reportText;
        WriteBytes("rekrut.txt", "@zl 9\r\n1 300\r\n");  // another window's plan
        dialogs_.answer = yes;
        dialogs_.questions.clear();
        EXPECT_EQ(core->refresh("@zl 5000\n1 100\n"), yes);
        ASSERT_EQ(dialogs_.questions.size(), 1u);
        EXPECT_NE(dialogs_.questions[0].find("Přepsat"), std::string::npos);
        EXPECT_EQ(ReadBytes("rekrut.txt"), yes ? kSavedPlan : "@zl 9\r\n1 300\r\n");
        EXPECT_EQ(core->planningState().reportText.size() > report.size(), yes);
    }
    // Once written, the window knows the file again and asks no more.
    auto core = Open();
    dialogs_.questions.clear();
    EXPECT_TRUE(core->refresh("1 200\n"));
    EXPECT_TRUE(dialogs_.questions.empty());
}

struct StoppedRefresh {
    const char* name;
    std::string editor;
    void (*spoil)();      // what stands in the way
    const char* message;  // what the message says
    bool saved;           // the plan was saved before the run was refused
};

class StoppedRefreshTest : public WindowCoreTest, public ::testing::WithParamInterface<StoppedRefresh> {};

TEST_P(StoppedRefreshTest, ShowsOneMessageAndKeepsTheReport)
{
    auto core = Open();
    const std::string report = core->planningState().reportText;
    const std::string plan = ReadBytes("rekrut.txt");
    GetParam().spoil();
    dialogs_.errors.clear();
    EXPECT_FALSE(core->refresh(GetParam().editor));
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(dialogs_.errors[0].find(GetParam().message), std::string::npos) << dialogs_.errors[0];
    EXPECT_EQ(core->planningState().reportText, report);
    if (std::filesystem::is_regular_file("rekrut.txt")) {
        EXPECT_EQ(ReadBytes("rekrut.txt") == plan, !GetParam().saved);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Causes, StoppedRefreshTest,
    ::testing::Values(StoppedRefresh{"UnencodableCharacter", "1 10\n2 20 → x", [] {}, "Znak „→“ (U+2192) na řádku 2",
                                     false},
                      StoppedRefresh{"FolderInThePlansPlace", "1 10\n",
                                     [] {
                                         std::filesystem::remove("rekrut.txt");
                                         std::filesystem::create_directory("rekrut.txt");
                                     },
                                     "do souboru „rekrut.txt“: je to složka, ne soubor", false},
                      StoppedRefresh{"FolderInTheCataloguesPlace", "1 10\n",
                                     [] {
                                         std::filesystem::remove("arm.txt");
                                         std::filesystem::create_directory("arm.txt");
                                     },
                                     "Soubor „arm.txt“ nejde přečíst: je to složka, ne soubor", true},
                      // 10 damage a turn: 21474836473 damage takes 2147483648 turns, one more than a run counts.
                      StoppedRefresh{"TooLongPlan", "; příliš\n1 21474836473\n", [] {},
                                     "Řádek 2 souboru „rekrut.txt“ („1 21474836473“) potřebuje 2147483648 tahů", true},
                      StoppedRefresh{"AmountBeyondEveryNumber", "@facktor 1" + std::string(400, '9') + "\n1 5\n", [] {},
                                     "potřebuje víc tahů, než lze spočítat", true}),
    testing::CaseName<StoppedRefresh>);

TEST_F(WindowCoreTest, ARunCancelledForTheClosingWindowAddsNothing)
{
    WriteBytes("arm.txt", "Pesi 100 0 0 0 0 0 1 1\r\n");
    auto core = Open();
    const std::string report = core->planningState().reportText;
    // The window closes while the first progress report is due.
    dialogs_.progress = [&](std::uint64_t, std::uint64_t) {
        core->cancelRun();
        return true;
    };
    EXPECT_FALSE(core->refresh("@zl 1\n1 400000000\n"));
    EXPECT_EQ(core->planningState().reportText, report);
    EXPECT_FALSE(core->running());
}

// What the preview showed is what the refresh of the same text computes.
TEST_F(WindowCoreTest, ThePreviewsFiguresAreTheRefreshsTreasury)
{
    auto core = Open();
    for (const char* editor : {"@zl 5000\n1 100\n1 300\n", "@zl 50\n@zld 10\n1 300\n"}) {
        const std::optional<PlanPreview> preview = PreviewPlan(editor, kCatalogue);
        ASSERT_TRUE(core->refresh(editor));
        const PreviewSummary& shown = preview->summary;
        const TurnSample last = *core->lastRecording().lastTurn();
        EXPECT_EQ(shown.turns, core->planningState().turn);
        EXPECT_EQ(shown.damage, core->planningState().treasury.damage);
        EXPECT_EQ(shown.gold, last.gold);
        EXPECT_EQ(shown.mana, last.mana);
        EXPECT_EQ(shown.goldShortfall.has_value(), last.gold < 0) << editor;
    }
}

TEST_F(WindowCoreTest, TheCatalogueListShowsTheRowsOfArmTxt)
{
    auto core = Open();
    const std::vector<CatalogueRow> rows = core->catalogueRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[0].cells, (std::array<std::string, 8>{"1", "Pesi", "100", "0", "0", "0", "25", "1"}));
    std::filesystem::remove("arm.txt");
    std::filesystem::create_directory("arm.txt");
    EXPECT_TRUE(core->catalogueRows().empty());
    EXPECT_EQ(dialogs_.errors, std::vector<std::string>{"Soubor „arm.txt“ nejde přečíst: je to složka, ne soubor."});
}

TEST_F(WindowCoreTest, ARunTheMemoryCannotHoldComputesNothing)
{
    auto core = Open();
    const std::string report = core->planningState().reportText;
    // The progress hook hears from a run every 2^22 turns: the memory runs out there.
    dialogs_.progress = [](std::uint64_t, std::uint64_t) -> bool { throw std::bad_alloc(); };
    EXPECT_FALSE(core->refresh("1 42000000\n"));
    EXPECT_EQ(dialogs_.errors, std::vector<std::string>{"Na výpočet plánu nestačí paměť. Nic se nepřepočítalo."});
    EXPECT_EQ(core->planningState().reportText, report);
}

TEST_F(WindowCoreTest, TwoWindowsKeepBothCounts)
{
    WriteBytes(settings_ / "zeF.ini", "[Statistika]\r\nspusteni=10\r\nnavrhArmady=100\r\n");
    auto first = Open();
    auto second = Open();
    dialogs_.answer = true;
    for (int i = 0; i < 2; ++i) {
        first->refresh("1 100\n");
    }
    for (int i = 0; i < 3; ++i) {
        second->refresh("1 200\n");
    }
    first->closeSettings({1, 2, true});
    second->closeSettings({3, 4, true});
    const std::string stored = ReadBytes(settings_ / "zeF.ini");
    EXPECT_NE(stored.find("spusteni=12\r\n"), std::string::npos) << stored;
    EXPECT_NE(stored.find("navrhArmady=105\r\n"), std::string::npos) << stored;
}

TEST_F(WindowCoreTest, WithoutAHomeFolderTheCloseSaysSo)
{
    WindowCore core(dialogs_, recovery_);
    core.openSettings(std::nullopt);
    core.closeSettings({1, 2, true});
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_EQ(dialogs_.errors[0],
              "Nastavení se nepodařilo uložit do souboru „zeF.ini“: není známa domovská složka uživatele.");
}

// Settings files hold a few hundred bytes: one far larger is damaged. It is
// said once, read as empty and left as it is, however long it would take to
// go through.
TEST_F(WindowCoreTest, AnOversizedSettingsFileIsLeftAsItIs)
{
    const std::string stored = "[FormOptions]\r\nleft=30\r\n" + std::string(70000, ';') + "\r\n";
    WriteBytes(settings_ / "zeF.ini", stored);
    WindowCore core(dialogs_, recovery_);
    EXPECT_EQ(core.openSettings(settings_).left, 100);
    core.closeSettings({1, 2, true});
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(dialogs_.errors[0].find("zeF.ini“ nejde použít: soubor je mnohem větší, než takový soubor bývá"),
              std::string::npos)
        << dialogs_.errors[0];
    EXPECT_EQ(ReadBytes(settings_ / "zeF.ini"), stored);
}

// A mark and a copy as an in-place save of `kSavedPlan` leaves them when it is
// cut off; the torn plan ends its lines in LF, so the start-up refresh after
// No writes it again.
class InterruptedSaveTest : public WindowCoreTest, public ::testing::WithParamInterface<bool> {};

TEST_P(InterruptedSaveTest, IsOfferedBackAndTheCopyKeptUntilThePlayerSaves)
{
    const bool restore = GetParam();
    PlanRecovery recovery(recovery_, "rekrut.txt");
    recovery.keep(kSavedPlan, "@zl 5000\r\n1 100000\r\n");
    WriteBytes("rekrut.txt", "@zl 5000\n1 1");  // torn
    dialogs_.answer = restore;
    auto core = Open();
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_NE(dialogs_.questions[0].find("Ukládání souboru „rekrut.txt“ se minule nedokončilo"), std::string::npos);
    EXPECT_EQ(ReadBytes("rekrut.txt"), restore ? kSavedPlan : "@zl 5000\r\n1 1");
    // Asked once; the copy stays through the start-up refreshes.
    auto again = Open();
    EXPECT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(ReadBytes(recovery.keptCopy()), kSavedPlan);
    EXPECT_TRUE(again->refresh("1 300\n"));
    EXPECT_FALSE(std::filesystem::exists(recovery.keptCopy()));
    EXPECT_TRUE(dialogs_.errors.empty());
}

std::string AnswerName(const ::testing::TestParamInfo<bool>& answer) { return answer.param ? "Yes" : "No"; }

INSTANTIATE_TEST_SUITE_P(Answers, InterruptedSaveTest, ::testing::Values(true, false), AnswerName);

TEST_F(WindowCoreTest, ATornPlanWithoutItsCopyIsSaidOnce)
{
    PlanRecovery recovery(recovery_, "rekrut.txt");
    recovery.keep(kSavedPlan, "@zl 5000\r\n1 100000\r\n");
    WriteBytes("rekrut.txt", "@zl 5000\r\n1 1");  // torn
    for (const auto& entry : std::filesystem::directory_iterator(recovery_)) {
        if (entry.path().extension() == ".txt") {
            std::filesystem::remove(entry.path());
        }
    }
    Open();
    Open();
    EXPECT_TRUE(dialogs_.questions.empty());
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(
        dialogs_.errors[0].find("Celá kopie plánu z doby před uložením ve složce „" + recovery_.string() + "“ není"),
        std::string::npos)
        << dialogs_.errors[0];
}

// What the mark left by a rewrite of the plan from kBefore to kAfter tells at
// the next start, for each state the plan and its copy can be found in.
constexpr const char* kBefore = "@zl 5000\r\n1 100\r\n2 200\r\n";
constexpr const char* kAfter = "@zl 5000\r\n1 900\r\n";

struct LastSaveCase {
    const char* name;
    const char* plan;  // what the plan file holds now
    bool replaced;     // put in place anew by a later save
    const char* copy;  // what the copy holds now; nothing: deleted
    PlanRecovery::LastSave lastSave;
};

class LastSaveTest : public ::testing::TestWithParam<LastSaveCase> {
protected:
    const testing::PlanFolder folder_;
};

TEST_P(LastSaveTest, OffersOnlyATornPlanWithAWholeCopy)
{
    const LastSaveCase& c = GetParam();
    WriteBytes("rekrut.txt", kBefore);
    PlanRecovery recovery(folder_.path() / "state", "rekrut.txt");
    ASSERT_EQ(recovery.keep(kBefore, kAfter), std::nullopt);
    // A save puts a new file in the plan's place while the old one still exists.
    WriteBytes(c.replaced ? "new.txt" : "rekrut.txt", c.plan);
    if (c.replaced) {
        std::filesystem::rename("new.txt", "rekrut.txt");
    }
    const std::filesystem::path copy = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path() / "state")) {
            if (entry.path().extension() == ".txt") {
                return entry.path();
            }
        }
        return std::filesystem::path();
    }();
    if (c.copy) {
        WriteBytes(copy, c.copy);
    } else {
        std::filesystem::remove(copy);
    }
    const PlanRecovery::Finding found = recovery.lastSave(ReadBytes("rekrut.txt"));
    EXPECT_EQ(found.lastSave, c.lastSave);
    EXPECT_EQ(found.before, c.lastSave == PlanRecovery::LastSave::Torn ? kBefore : "");
    // A save that left the plan whole leaves nothing behind.
    if (c.lastSave == PlanRecovery::LastSave::Whole) {
        EXPECT_TRUE(std::filesystem::is_empty(folder_.path() / "state"));
    }
}

constexpr const char* kTorn = "@zl 5000\r\n1 900\r\n2 200\r\n";

INSTANTIATE_TEST_SUITE_P(
    States, LastSaveTest,
    ::testing::Values(LastSaveCase{"Completed", kAfter, false, kBefore, PlanRecovery::LastSave::Whole},
                      LastSaveCase{"NeverBegan", kBefore, false, kBefore, PlanRecovery::LastSave::Whole},
                      LastSaveCase{"SavedAgainSince", "1 300\r\n", true, kBefore, PlanRecovery::LastSave::Whole},
                      LastSaveCase{"Torn", kTorn, false, kBefore, PlanRecovery::LastSave::Torn},
                      LastSaveCase{"TornCopyCutShort", kTorn, false, "@zl 5000\r\n1 1",
                                   PlanRecovery::LastSave::TornNoCopy},
                      LastSaveCase{"TornCopyEmpty", kTorn, false, "", PlanRecovery::LastSave::TornNoCopy},
                      LastSaveCase{"TornCopyDeleted", kTorn, false, nullptr, PlanRecovery::LastSave::TornNoCopy}),
    testing::CaseName<LastSaveCase>);

}  // namespace
}  // namespace zef
