// What the player meets with a full disk, a read-only folder, files without
// permission and a program killed in the middle of a save. These need POSIX
// permissions, file-size limits and processes to kill.
#include "file_replace.h"
#include "ini_file.h"
#include "plan_preview.h"
#include "plan_recovery.h"
#include "settings.h"
#include "settings_location.h"
#include "user_folders.h"
#include "window_core.h"

#include "case_name.h"
#include "file_bytes.h"
#include "file_size_limit.h"
#include "plan_folder.h"
#include "recorded_dialogs.h"
#include "without_permission_override.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <vector>

namespace zef {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr std::filesystem::perms kReadOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec;

class PosixFileSafetyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::DropPermissionOverride(); }
    void TearDown() override { std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all); }

    void MakeFolderReadOnly() const { std::filesystem::permissions(folder_.path(), kReadOnly); }

    const testing::PlanFolder folder_;
};

struct ReplaceCase {
    const char* name;
    bool readOnlyFolder;
    bool readOnlyFile;
    bool fullDisk;
    std::optional<FileProblem> problem;  // nothing: replaced
};

class ReplaceTest : public PosixFileSafetyTest, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceTest, IsWholeOrLeavesTheOldFile)
{
    const std::string old = "@zl 120000\r\n1 1000\r\n";
    const std::string replacement(8000, 'x');
    WriteBytes("rekrut.txt", old);
    if (GetParam().readOnlyFile) {
        std::filesystem::permissions("rekrut.txt", std::filesystem::perms::owner_read);
    }
    if (GetParam().readOnlyFolder) {
        MakeFolderReadOnly();
    }
    std::optional<FileFailure> failure;
    {
        std::optional<testing::FileSizeLimit> limit;
        if (GetParam().fullDisk) {
            limit.emplace(4096);
        }
        failure = ReplaceFileVerified("rekrut.txt", replacement);
    }
    EXPECT_EQ(ReadBytes("rekrut.txt"), GetParam().problem ? old : replacement);
    EXPECT_EQ(failure ? std::optional(failure->problem) : std::nullopt, GetParam().problem);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Conditions, ReplaceTest,
                         ::testing::Values(ReplaceCase{"WritableFolder", false, false, false, std::nullopt},
                                           ReplaceCase{"FullDisk", false, false, true, FileProblem::TooLarge},
                                           ReplaceCase{"ReadOnlyFolder", true, false, false, std::nullopt},
                                           ReplaceCase{"ReadOnlyFolderFullDisk", true, false, true,
                                                       FileProblem::TooLarge},
                                           ReplaceCase{"ReadOnlyFile", false, true, false, FileProblem::ReadOnlyFile}),
                         testing::CaseName<ReplaceCase>);

// A child rewrites the plan in place, over and over, with the recovery copy
// kept in a writable folder; it is killed at some point of a write. After
// every kill a whole plan must be to be had: the file itself, or the copy
// that the mark points to.
class KilledSaveTest : public PosixFileSafetyTest {
protected:
    const std::string plans_[2] = {std::string(1 << 20, 'a') + "\r\n", std::string(2 << 20, 'b') + "\r\n"};
    // Writable inside the folder that is made read-only.
    const std::filesystem::path state_ = folder_.path() / "state";

    // Runs the child until `kill` ends it; returns how it ended.
    int RewriteUntilKilled(void (*limit)(long), long at)
    {
        WriteBytes("rekrut.txt", plans_[0]);
        std::filesystem::remove_all(state_);
        std::filesystem::create_directory(state_);
        MakeFolderReadOnly();
        const pid_t child = fork();
        if (child == 0) {
            limit(at);
            PlanRecovery recovery(state_, "rekrut.txt");
            for (int i = 1;; ++i) {
                if (ReplaceFileVerified("rekrut.txt", plans_[i % 2], &recovery)) {
                    _exit(1);
                }
            }
        }
        if (limit == NoLimit) {
            usleep(static_cast<useconds_t>(at));
            ::kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    // A whole plan is never offered back; a torn one always is, from a whole copy.
    void ExpectAWholePlan() const
    {
        const std::string file = ReadBytes("rekrut.txt");
        const PlanRecovery::Finding found = PlanRecovery(state_, "rekrut.txt").lastSave(file);
        if (file == plans_[0] || file == plans_[1]) {
            EXPECT_EQ(found.lastSave, PlanRecovery::LastSave::Whole);
            return;
        }
        ASSERT_EQ(found.lastSave, PlanRecovery::LastSave::Torn) << "a torn plan (" << file.size() << " bytes)";
        EXPECT_TRUE(found.before == plans_[0] || found.before == plans_[1]);
    }

    static void NoLimit(long) {}
    // The file may grow to `bytes`; a write past that kills the process.
    static void FileSizeKill(long bytes)
    {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
};

TEST_F(KilledSaveTest, KilledInTheMiddleOfAWriteLeavesAWholePlan)
{
    // The second plan is longer than the first: a write past each point kills.
    for (const long at : {(1L << 20) + 3, (3L << 19), (2L << 20) - 4096, (2L << 20) + 1}) {
        const int status = RewriteUntilKilled(FileSizeKill, at);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "at " << at;
        std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all);
        ExpectAWholePlan();
    }
    for (long micros = 500; micros < 40000; micros += 1500) {
        RewriteUntilKilled(NoLimit, micros);
        std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all);
        ExpectAWholePlan();
    }
}

// Sees every flush, whether the rewrite's mark was there at the time, and
// fails the one it is told to.
class FlushLog : public FlushWatch {
public:
    FlushLog(std::filesystem::path stateFolder, int failing) : state_(std::move(stateFolder)), failing_(failing)
    {
        SetFlushWatch(this);
    }
    ~FlushLog() override { SetFlushWatch(nullptr); }

    std::error_code flushing() override
    {
        bool marked = false;
        for (const auto& entry : std::filesystem::directory_iterator(state_)) {
            marked = marked || entry.path().extension() == ".mark";
        }
        flushes.push_back(marked);
        return static_cast<int>(flushes.size()) == failing_ ? std::make_error_code(std::errc::io_error)
                                                            : std::error_code{};
    }

    std::vector<bool> flushes;  // for each, whether the mark was there

private:
    std::filesystem::path state_;
    int failing_;
};

// The rewrite in place is on the disk before its mark goes: after a power cut
// without the mark, the plan must be the new one, not torn. A rewrite whose
// flush fails puts the old bytes back.
TEST_F(PosixFileSafetyTest, ARewriteInPlaceIsFlushedBeforeItsMarkGoes)
{
    for (const bool flushFails : {false, true}) {
        WriteBytes("rekrut.txt", "old\r\n");
        const std::filesystem::path state = folder_.path() / "state";
        std::filesystem::create_directories(state);
        PlanRecovery recovery(state, "rekrut.txt");
        MakeFolderReadOnly();
        std::optional<FileFailure> failure;
        std::vector<bool> flushes;
        {
            // The copy's flush and the mark's come first; the third is the rewrite's.
            FlushLog log(state, flushFails ? 3 : 0);
            failure = ReplaceFileVerified("rekrut.txt", "new\r\n", &recovery);
            flushes = log.flushes;
        }
        std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadBytes("rekrut.txt"), flushFails ? "old\r\n" : "new\r\n");
        EXPECT_EQ(failure.has_value(), flushFails);
        ASSERT_FALSE(flushes.empty());
        EXPECT_TRUE(flushes.back()) << "the rewrite's last flush came without its mark";
        EXPECT_TRUE(std::filesystem::is_empty(state));
    }
}

// The copy keeps the plan's permissions, in a folder for its owner alone,
// whether the folder is made for it or was there, open to others, before.
TEST_F(PosixFileSafetyTest, TheCopyOfAPlanIsForItsOwnerAlone)
{
    constexpr auto kPrivate = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    WriteBytes("rekrut.txt", "old\r\n");
    std::filesystem::permissions("rekrut.txt", kPrivate);
    const std::filesystem::path state = folder_.path() / "state" / "ZeF";
    for (const bool existing : {false, true}) {
        if (existing) {
            std::filesystem::permissions(state, std::filesystem::perms::all);
        }
        PlanRecovery recovery(state, "rekrut.txt");
        ASSERT_EQ(recovery.keep("old\r\n", "new\r\n"), std::nullopt);
        EXPECT_EQ(std::filesystem::status(state).permissions(), std::filesystem::perms::owner_all);
        for (const auto& entry : std::filesystem::directory_iterator(state)) {
            if (entry.path().extension() == ".txt") {
                EXPECT_EQ(entry.status().permissions(), kPrivate);
            }
        }
    }
}

// A settings file that is a link to a file in a private folder is written
// there: the link stays, and the private text never lands beside the link.
TEST_F(PosixFileSafetyTest, ASettingsFileThroughALinkIsWrittenWhereItLeads)
{
    std::filesystem::create_directory("private");
    WriteBytes("private/real.ini", "[Other]\r\nsecret=1\r\n");
    std::filesystem::permissions("private", std::filesystem::perms::owner_all);
    std::filesystem::create_symlink("private/real.ini", "zeF.ini");
    const std::filesystem::perms mode = std::filesystem::status("private/real.ini").permissions();
    IniFile ini("zeF.ini");
    ini.writeInteger("FormOptions", "left", 30);
    EXPECT_TRUE(std::filesystem::is_symlink("zeF.ini"));
    EXPECT_EQ(ReadBytes("private/real.ini"), "[Other]\r\nsecret=1\r\n\r\n[FormOptions]\r\nleft=30\r\n");
    EXPECT_EQ(std::filesystem::status("private/real.ini").permissions(), mode);
}

TEST_F(PosixFileSafetyTest, AnUnreadableSettingsFileIsNotWrittenOver)
{
    const std::string stored = "[FormOptions]\r\nleft=30\r\n[Other]\r\nkept=1\r\n";
    WriteBytes("test.ini", stored);
    std::filesystem::permissions("test.ini", std::filesystem::perms::owner_write);
    IniFile ini("test.ini");
    EXPECT_THROW(ini.writeInteger("FormOptions", "top", 40), IniWriteError);
    std::filesystem::permissions("test.ini", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(ReadBytes("test.ini"), stored);
}

TEST_F(PosixFileSafetyTest, AReadOnlyFolderKeepsTheSettingsInTheUsersFolder)
{
    std::filesystem::create_directory("bin");
    std::filesystem::permissions("bin", kReadOnly);
    EXPECT_EQ(ChooseSettingsFolder("bin", false, folder_.path() / "user"), folder_.path() / "user");
    std::filesystem::permissions("bin", std::filesystem::perms::owner_all);
}

TEST_F(PosixFileSafetyTest, AnInstalledCopyIsKnownByItsDesktopEntry)
{
    std::filesystem::create_directories("usr/bin");
    std::filesystem::create_directories("build/ui");
    std::filesystem::create_directories("usr/share/applications");
    WriteBytes("usr/share/applications/zef.desktop", "");
    EXPECT_TRUE(IsInstalledCopy(folder_.path() / "usr/bin"));
    EXPECT_FALSE(IsInstalledCopy(folder_.path() / "build/ui"));
}

class WindowFilesTest : public PosixFileSafetyTest {
protected:
    void SetUp() override
    {
        WriteBytes("arm.txt", "Pesi 100 0 0 0 0 0 25 1\r\n");
        WriteBytes("rekrut.txt", kPlan);
        std::filesystem::create_directories(settings_);
        std::filesystem::create_directories(state_);
    }
    std::unique_ptr<WindowCore> Open()
    {
        auto core = std::make_unique<WindowCore>(dialogs_, state_);
        testing::OpenWindow(*core, settings_);
        return core;
    }

    static constexpr const char* kPlan = "@zl 5000\r\n1 100\r\n";
    // Writable inside the folder that a test makes read-only.
    const std::filesystem::path settings_ = folder_.path() / "settings";
    const std::filesystem::path state_ = folder_.path() / "state";
    testing::RecordedDialogs dialogs_;
};

TEST_F(WindowFilesTest, AFullDiskKeepsThePlanAndTheReport)
{
    auto core = Open();
    const std::string report = core->planningState().reportText;
    {
        const testing::FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(core->refresh("1 100\n; " + std::string(8000, 'x')));
    }
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(dialogs_.errors[0].find("„rekrut.txt“: soubor by byl větší, než systém dovolí"), std::string::npos);
    EXPECT_EQ(ReadBytes("rekrut.txt"), kPlan);
    EXPECT_EQ(core->planningState().reportText, report);
}

TEST_F(WindowFilesTest, AFullDiskAtCloseKeepsTheSettings)
{
    const std::string stored = "[FormOptions]\r\nintro=0\r\nleft=30\r\ntop=40\r\n[Statistika]\r\nspusteni=4\r\n";
    WriteBytes(settings_ / "zeF.ini", stored);
    auto core = Open();
    {
        const testing::FileSizeLimit fullDisk(16);
        core->closeSettings({1, 2, true});
    }
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_EQ(dialogs_.errors[0], "Nastavení se nepodařilo uložit do souboru „" + (settings_ / "zeF.ini").string() +
                                      "“: soubor by byl větší, než systém dovolí.");
    EXPECT_EQ(ReadBytes(settings_ / "zeF.ini"), stored);
}

TEST_F(WindowFilesTest, AnUnreadablePlanIsNotSavedOverAtStart)
{
    std::filesystem::permissions("rekrut.txt", std::filesystem::perms::owner_write);
    auto core = Open();
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(dialogs_.errors[0].find("Soubor „rekrut.txt“ nejde přečíst: chybí oprávnění."), std::string::npos);
    EXPECT_EQ(core->planningState().reportText, "");
    // A refresh of the empty editor asks first; No keeps the plan.
    EXPECT_FALSE(core->refresh(""));
    EXPECT_EQ(dialogs_.questions.size(), 1u);
    std::filesystem::permissions("rekrut.txt",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(ReadBytes("rekrut.txt"), kPlan);
}

TEST_F(WindowFilesTest, AReadOnlyFolderStillComputes)
{
    auto core = Open();
    MakeFolderReadOnly();
    EXPECT_TRUE(core->refresh("1 200\n"));
    EXPECT_TRUE(dialogs_.errors.empty());
    EXPECT_EQ(ReadBytes("rekrut.txt"), "1 200\r\n");
}

// A state folder that can be neither written nor emptied, holding the mark and
// copy of a torn save: the question comes once, the folder is named once, and
// after a save that completed the old copy is never offered again.
TEST_F(WindowFilesTest, AStateFolderThatCannotBeWrittenNeverBringsBackAnOldPlan)
{
    PlanRecovery(state_, "rekrut.txt").keep(kPlan, "@zl 5000\r\n1 100000\r\n");
    WriteBytes("rekrut.txt", "@zl 5000\r\n1 1");  // torn
    std::filesystem::permissions(state_, kReadOnly);
    dialogs_.answer = false;
    auto core = Open();
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(dialogs_.errors[0].find("Ve složce „" + state_.string() + "“"), std::string::npos) << dialogs_.errors[0];
    EXPECT_TRUE(core->refresh("1 300\n"));
    dialogs_.answer = true;
    Open();
    EXPECT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(ReadBytes("rekrut.txt"), "1 300\r\n");
    std::filesystem::permissions(state_, std::filesystem::perms::owner_all);
}

// Rewritten in place, the plan first needs its copy in the state folder; a
// refusal names that folder, not the plan, which could be written.
TEST_F(WindowFilesTest, ARefusedCopyNamesTheStateFolder)
{
    auto core = Open();
    MakeFolderReadOnly();
    std::filesystem::permissions(state_, kReadOnly);
    EXPECT_FALSE(core->refresh("1 200\n"));
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(dialogs_.errors[0].find("musí uschovat do složky „" + state_.string() + "“. To nejde: chybí oprávnění"),
              std::string::npos)
        << dialogs_.errors[0];
    std::filesystem::permissions(state_, std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadBytes("rekrut.txt"), kPlan);
}

// A catalogue larger than the memory the program may use: the refresh and the
// preview name it, and the program goes on. Run in a child, whose address
// space is limited as a 32-bit program's is.
TEST_F(WindowFilesTest, ACatalogueLargerThanTheMemoryIsNamed)
{
#ifdef ZEF_SANITIZED
    GTEST_SKIP() << "the sanitizers reserve more address space than the limit allows";
#endif
    auto core = Open();
    std::filesystem::resize_file("arm.txt", 3ull << 30);  // sparse: no disk space taken
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{2ull << 30, 2ull << 30};
        setrlimit(RLIMIT_AS, &limit);
        const bool refused = !core->refresh("1 300\n") && dialogs_.errors.size() == 1 &&
                             dialogs_.errors[0] ==
                                 "Soubor „arm.txt“ nejde přečíst: soubor je tak velký, že se nevejde do paměti. Nic se "
                                 "nepřepočítalo.";
        const std::optional<PlanPreview> preview = PreviewPlanWithCatalogueFile("1 300\n");
        const bool previewed = preview && PreviewLine(preview->summary) == "Náhled: arm.txt nejde přečíst";
        _exit(refused && previewed ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

TEST_F(WindowFilesTest, AReadOnlyPlanFileSaysSo)
{
    auto core = Open();
    std::filesystem::permissions("rekrut.txt", std::filesystem::perms::owner_read);
    EXPECT_FALSE(core->refresh("1 200\n"));
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_NE(dialogs_.errors[0].find("je jen pro čtení"), std::string::npos);
    EXPECT_EQ(ReadBytes("rekrut.txt"), kPlan);
}

TEST_F(WindowFilesTest, AnUnreadableCatalogueStopsTheRefresh)
{
    for (const bool fifo : {false, true}) {
        auto core = Open();
        const std::string report = core->planningState().reportText;
        if (fifo) {
            std::filesystem::remove("arm.txt");
            ASSERT_EQ(mkfifo("arm.txt", 0600), 0);
        } else {
            std::filesystem::permissions("arm.txt", std::filesystem::perms::owner_write);
        }
        dialogs_.errors.clear();
        EXPECT_FALSE(core->refresh("1 300\n"));
        ASSERT_EQ(dialogs_.errors.size(), 1u);
        EXPECT_NE(dialogs_.errors[0].find(fifo ? "Soubor „arm.txt“ nejde přečíst: není to obyčejný soubor"
                                               : "Soubor „arm.txt“ nejde přečíst: chybí oprávnění"),
                  std::string::npos)
            << dialogs_.errors[0];
        EXPECT_EQ(core->planningState().reportText, report);
    }
}

}  // namespace
}  // namespace zef
