// A plan rewritten in place (its folder allows no new file beside it) is torn
// if the program is killed in the middle. Before such a rewrite the old bytes
// go to a recovery copy in the user's state folder, with a mark naming the
// plan; the mark goes once the rewrite is on the disk. A mark found at the
// next start means the save was cut off, and the copy holds the plan as it was
// before it.
#pragma once

#include "file_replace.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zef {

class PlanRecovery : public RewriteGuard {
public:
    // `stateFolder` is where the copies live ("ZeF" in the user's state
    // folder); nothing when the user has no home folder. `plan` is the plan's path.
    PlanRecovery(std::optional<std::filesystem::path> stateFolder, const std::filesystem::path& plan);

    std::optional<FileFailure> keep(std::string_view oldBytes) override;
    void release() override;

    // The plan as it was before a save that was cut off, when its mark is
    // there and the file (`current`) no longer holds that plan.
    std::optional<std::string> interruptedSave(const std::string& current) const;
    // The question about a cut-off save was answered: it is not asked again.
    void forgetInterruptedSave();
    // The plan was saved whole: the copy is no longer needed.
    void saved();

private:
    std::optional<std::filesystem::path> copy_;
    std::optional<std::filesystem::path> mark_;
    std::string plan_;  // the plan's absolute path, as the mark holds it
};

// "ZeF" in the user's state folder (~/.local/state/ZeF, %LOCALAPPDATA%\ZeF).
std::optional<std::filesystem::path> UserRecoveryFolder();

}  // namespace zef
