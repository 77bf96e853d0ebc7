#include "interrupted_output.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace zef {

namespace {

std::vector<std::wstring> pendingFiles;

// Ctrl+C, Ctrl+Break, a closed console, a log-off or a shutdown; the
// process ends as it would have once this returns FALSE.
BOOL WINAPI RemoveAndEnd(DWORD)
{
    for (const std::wstring& file : pendingFiles) {
        DeleteFileW(file.c_str());
    }
    return FALSE;
}

}  // namespace

void RemoveOnInterruption(const std::filesystem::path& file)
{
    if (!file.empty()) {
        pendingFiles.push_back(file.wstring());
        SetConsoleCtrlHandler(RemoveAndEnd, TRUE);
    }
}

}  // namespace zef
