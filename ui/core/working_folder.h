// The folder the player's data files live in. The program works in the
// folder it is started in, except that an installed copy never writes into
// its installation folder: started there (a double click on the program in
// its folder), it works in "ZeF" in the user's documents instead.
#pragma once

#include <filesystem>
#include <optional>

namespace zef {

// The folder to work in instead of `current`, or nothing when `current` is
// the one: "ZeF" in `documents` for an installed copy whose `current` folder
// is its `executableFolder`, however either is named. Nothing without a
// documents folder.
std::optional<std::filesystem::path> WorkingFolderInstead(const std::filesystem::path& current,
                                                          const std::filesystem::path& executableFolder, bool installed,
                                                          const std::optional<std::filesystem::path>& documents);

// Makes the running program's folder the one chosen as above, made when
// missing, and returns it; nothing when the program stays in the folder it
// was started in, which it also does when the other folder cannot be made.
std::optional<std::filesystem::path> LeaveInstallationFolder();

}  // namespace zef
