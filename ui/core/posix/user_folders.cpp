#include "user_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace zef {

namespace {

// A folder named by an environment variable, or the home folder's
// `fallback`; the variable counts only when it holds an absolute path.
std::optional<std::filesystem::path> XdgFolder(const char* variable, const char* fallback)
{
    if (const char* value = std::getenv(variable); value && value[0] == '/') {
        return std::filesystem::path(value);
    }
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        return std::nullopt;
    }
    return std::filesystem::path(home) / fallback;
}

}  // namespace

std::filesystem::path ExecutablePath()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::optional<std::filesystem::path> UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }

std::optional<std::filesystem::path> UserStateFolder() { return XdgFolder("XDG_STATE_HOME", ".local/state"); }

std::optional<std::filesystem::path> UserDocumentsFolder() { return XdgFolder("XDG_DOCUMENTS_DIR", "Documents"); }

bool IsInstalledCopy(const std::filesystem::path& folder)
{
    // The package and `cmake --install` put the program in <prefix>/bin and
    // its desktop entry in <prefix>/share/applications.
    std::error_code error;
    return folder.filename() == "bin" &&
           std::filesystem::exists(folder.parent_path() / "share/applications/zef.desktop", error);
}

bool FolderIsWritable(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

}  // namespace zef
