#include "settings_location.h"

#include "settings.h"
#include "user_folders.h"

namespace zef {

std::optional<std::filesystem::path> ChooseSettingsFolder(const std::filesystem::path& executableFolder, bool installed,
                                                          const std::optional<std::filesystem::path>& userFolder)
{
    std::error_code error;
    const bool fileBeside = std::filesystem::exists(executableFolder / kSettingsFileName, error);
    if (fileBeside || (!installed && FolderIsWritable(executableFolder))) {
        return executableFolder;
    }
    if (userFolder) {
        // A folder that cannot be made shows up as the write error at the end.
        std::filesystem::create_directories(*userFolder, error);
    }
    return userFolder;
}

std::optional<std::filesystem::path> UserSettingsFolder()
{
    const std::optional<std::filesystem::path> config = UserConfigFolder();
    if (!config) {
        return std::nullopt;
    }
    return *config / "ZeF";
}

std::optional<std::filesystem::path> ProgramSettingsFolder()
{
    const std::filesystem::path folder = ExecutablePath().parent_path();
    return ChooseSettingsFolder(folder, IsInstalledCopy(folder), UserSettingsFolder());
}

}  // namespace zef
