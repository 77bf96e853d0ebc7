#include "interrupted_output.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace zef {

namespace {

// The console's handler runs on a thread of its own: it waits for a file
// being made to be listed before it removes the list.
std::mutex pendingLock;
std::vector<std::wstring> pendingFiles;

// Ctrl+C, Ctrl+Break, a closed console, a log-off or a shutdown; the
// process ends as it would have once this returns FALSE.
BOOL WINAPI RemoveAndEnd(DWORD)
{
    const std::lock_guard<std::mutex> held(pendingLock);
    for (const std::wstring& file : pendingFiles) {
        DeleteFileW(file.c_str());
    }
    return FALSE;
}

}  // namespace

void MakeRemovedOnInterruption(const std::function<std::filesystem::path()>& make)
{
    SetConsoleCtrlHandler(RemoveAndEnd, TRUE);
    const std::lock_guard<std::mutex> held(pendingLock);
    const std::filesystem::path file = make();
    if (!file.empty()) {
        pendingFiles.push_back(file.wstring());
    }
}

}  // namespace zef
