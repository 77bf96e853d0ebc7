// Where "zeF.ini" lives. A copy run from a folder of its own (or from its
// build tree) keeps its settings beside the executable; an installed copy
// never writes into its installation folder and keeps them in the user's
// configuration folder instead, whoever runs it.
#pragma once

#include <filesystem>
#include <optional>

namespace zef {

// The folder for "zeF.ini": `executableFolder` when it already holds one (so
// an existing file keeps being used), or when the copy is not installed and
// its folder may be written; otherwise `userFolder`, made when missing.
// Nothing when the user's folder is needed and there is none.
std::optional<std::filesystem::path> ChooseSettingsFolder(const std::filesystem::path& executableFolder, bool installed,
                                                          const std::optional<std::filesystem::path>& userFolder);

// "ZeF" in the user's configuration folder (~/.config/ZeF, %APPDATA%\ZeF).
std::optional<std::filesystem::path> UserSettingsFolder();

// The folder for "zeF.ini" of the running program, chosen as above.
std::optional<std::filesystem::path> ProgramSettingsFolder();

}  // namespace zef
