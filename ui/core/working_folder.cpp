#include "working_folder.h"

#include "user_folders.h"

namespace zef {

std::optional<std::filesystem::path> WorkingFolderInstead(const std::filesystem::path& current,
                                                          const std::filesystem::path& executableFolder, bool installed,
                                                          const std::optional<std::filesystem::path>& documents)
{
    std::error_code error;
    if (!installed || !documents || !std::filesystem::equivalent(current, executableFolder, error)) {
        return std::nullopt;
    }
    return *documents / "ZeF";
}

std::optional<std::filesystem::path> LeaveInstallationFolder()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    const std::filesystem::path executableFolder = ExecutablePath().parent_path();
    const std::optional<std::filesystem::path> folder =
        WorkingFolderInstead(current, executableFolder, IsInstalledCopy(executableFolder), UserDocumentsFolder());
    if (!folder) {
        return std::nullopt;
    }
    std::filesystem::create_directories(*folder, error);
    std::filesystem::current_path(*folder, error);
    if (error) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace zef
