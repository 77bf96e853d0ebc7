#include "user_folders.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

namespace zef {

namespace {

std::optional<std::filesystem::path> FolderOf(const wchar_t* variable)
{
    const wchar_t* value = _wgetenv(variable);
    if (!value || !*value) {
        return std::nullopt;
    }
    return std::filesystem::path(value);
}

}  // namespace

std::filesystem::path ExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::optional<std::filesystem::path> UserConfigFolder() { return FolderOf(L"APPDATA"); }

std::optional<std::filesystem::path> UserStateFolder() { return FolderOf(L"LOCALAPPDATA"); }

std::optional<std::filesystem::path> UserDocumentsFolder()
{
    // The shell knows where the user has moved the folder; the variables do not.
    PWSTR path = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &path);
    std::optional<std::filesystem::path> folder;
    if (SUCCEEDED(result)) {
        folder = std::filesystem::path(path);
    }
    CoTaskMemFree(path);
    return folder;
}

bool IsInstalledCopy(const std::filesystem::path& folder)
{
    // The installer leaves its uninstaller beside the program; the portable
    // zip has none.
    std::error_code error;
    return std::filesystem::exists(folder / "Uninstall.exe", error);
}

bool FolderIsWritable(const std::filesystem::path& folder)
{
    // Windows keeps no write bit on a folder: a file that is made and gone
    // again is the only sure answer.
    const std::filesystem::path probe = folder / ".zef-write-probe";
    const HANDLE handle = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

}  // namespace zef
