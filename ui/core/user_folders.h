// Where the program finds itself and the user's own folders. Each platform
// has its form (posix/, win32/); the rules that use them are the same.
#pragma once

#include <filesystem>
#include <optional>

namespace zef {

// The running executable's full path.
std::filesystem::path ExecutablePath();

// The user's folders for settings and for state the program keeps between
// runs; nothing when the user has no home folder to hold them.
std::optional<std::filesystem::path> UserConfigFolder();
std::optional<std::filesystem::path> UserStateFolder();
// The user's documents: the shell's Documents folder on Windows, wherever the
// user has moved it; XDG_DOCUMENTS_DIR or ~/Documents elsewhere.
std::optional<std::filesystem::path> UserDocumentsFolder();

// Whether the executable in `folder` was put there by the package or the
// installer, rather than being a copy run from a folder of its own or a build.
bool IsInstalledCopy(const std::filesystem::path& folder);

// Whether this process may create files in `folder`: its permissions for the
// user and a read-only file system both count. False for a missing folder.
bool FolderIsWritable(const std::filesystem::path& folder);

}  // namespace zef
