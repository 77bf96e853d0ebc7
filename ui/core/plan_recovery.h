// A plan rewritten in place (its folder allows no new file beside it) is torn
// if the program is killed, or the power fails, in the middle. Before such a
// rewrite the old bytes go to a recovery copy in the user's state folder,
// with a mark that names the plan file, says which file it is, and holds the
// length and checksum of the old bytes and of the new; the mark goes once the
// rewrite is on the disk.
//
// A mark found at the next start tells for certain what became of that save:
// the file holds the new bytes (it completed) or the old ones (it never
// began), the file was put in place anew since (a later save), or it is torn,
// and then whether the copy is whole. Only a torn plan with a whole copy is
// offered back; a copy set aside for the player stays until the player's
// next save.
#pragma once

#include "file_replace.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace zef {

class PlanRecovery : public RewriteGuard {
public:
    // `stateFolder` is where the copies live ("ZeF" in the user's state
    // folder); nothing when the user has no home folder. `plan` is the plan's path.
    PlanRecovery(std::optional<std::filesystem::path> stateFolder, const std::filesystem::path& plan);

    std::optional<FileFailure> keep(std::string_view oldBytes, std::string_view newBytes) override;
    void release() override;

    enum class LastSave {
        Whole,       // nothing to ask: no mark, or a save that completed, never began or was followed by another
        Torn,        // the plan is torn and `before` holds it as it was
        TornNoCopy,  // the plan is torn and no whole copy is left
    };
    struct Finding {
        LastSave lastSave = LastSave::Whole;
        std::string before;
    };
    // What the mark says of the last rewrite, given the plan's bytes now. A
    // mark of a save that left the plan whole goes without a word.
    Finding lastSave(std::string_view current);
    // A torn save was put to the player: its copy is set aside until the
    // player's next save and the mark goes.
    void settle();
    // The player saved the plan whole: a copy set aside is no longer needed.
    void saved();

    // Where the copies live, for the messages that name it.
    const std::optional<std::filesystem::path>& folder() const { return folder_; }
    // The copy set aside by settle().
    std::filesystem::path keptCopy() const;
    // Whether keep() failed since the last call: a rewrite was refused for
    // the state folder's sake, not the plan's.
    bool takeKeepFailure() { return std::exchange(keepFailed_, false); }
    // The first failure in the state folder since the last call: a copy or a
    // mark that could not be written or removed.
    std::optional<FileFailure> takeFailure();

private:
    void remove(const std::filesystem::path& file);
    void note(const std::optional<FileFailure>& failure);

    std::optional<std::filesystem::path> folder_;
    std::string stem_;  // the names of this plan's files in the folder
    std::string plan_;  // the plan's absolute path, as the mark holds it
    std::optional<FileFailure> failure_;
    bool keepFailed_ = false;
};

// "ZeF" in the user's state folder (~/.local/state/ZeF, %LOCALAPPDATA%\ZeF).
std::optional<std::filesystem::path> UserRecoveryFolder();

}  // namespace zef
