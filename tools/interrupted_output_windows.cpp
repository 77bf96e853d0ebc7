#include "interrupted_output.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace zef {

namespace {

std::wstring pendingFile;

// Ctrl+C, Ctrl+Break, a closed console, a log-off or a shutdown; the
// process ends as it would have once this returns FALSE.
BOOL WINAPI RemoveAndEnd(DWORD)
{
    if (!pendingFile.empty()) {
        DeleteFileW(pendingFile.c_str());
    }
    return FALSE;
}

}  // namespace

void RemoveOnInterruption(const std::filesystem::path& file)
{
    pendingFile = file.wstring();
    SetConsoleCtrlHandler(RemoveAndEnd, TRUE);
}

}  // namespace zef
