#include "interrupted_output.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

namespace zef {

namespace {

// Read by the signal handler, which may only make async-signal-safe calls:
// fixed storage, filled before the handler is installed.
constexpr int kMostFiles = 4;
char pendingFiles[kMostFiles][4096];
volatile std::sig_atomic_t pendingCount = 0;

extern "C" void RemoveAndEnd(int signal)
{
    for (int i = 0; i < pendingCount; ++i) {
        ::unlink(pendingFiles[i]);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void RemoveOnInterruption(const std::filesystem::path& file)
{
    const std::string name = file.string();
    if (name.empty() || name.size() >= sizeof pendingFiles[0] || pendingCount == kMostFiles) {
        return;
    }
    std::memcpy(pendingFiles[pendingCount], name.c_str(), name.size() + 1);
    pendingCount = pendingCount + 1;
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace zef
