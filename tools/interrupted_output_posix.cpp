#include "interrupted_output.h"

#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace zef {

namespace {

// Read by the signal handler, which may only make async-signal-safe calls:
// fixed storage, filled while the signals are blocked.
constexpr int kMostFiles = 4;
char pendingFiles[kMostFiles][4096];
volatile std::sig_atomic_t pendingCount = 0;

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveAndEnd(int signal)
{
    for (int i = 0; i < pendingCount; ++i) {
        ::unlink(pendingFiles[i]);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void Remember(const std::filesystem::path& file)
{
    const std::string name = file.string();
    if (name.empty() || name.size() >= sizeof pendingFiles[0] || pendingCount == kMostFiles) {
        return;
    }
    std::memcpy(pendingFiles[pendingCount], name.c_str(), name.size() + 1);
    pendingCount = pendingCount + 1;
}

}  // namespace

void MakeRemovedOnInterruption(const std::function<std::filesystem::path()>& make)
{
    sigset_t interruptions;
    sigemptyset(&interruptions);
    for (const int signal : kInterruptions) {
        sigaddset(&interruptions, signal);
    }
    sigset_t before;
    sigprocmask(SIG_BLOCK, &interruptions, &before);
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : kInterruptions) {
        sigaction(signal, &action, nullptr);
    }
    Remember(make());
    // An interruption held meanwhile arrives here, and finds the file listed.
    sigprocmask(SIG_SETMASK, &before, nullptr);
}

}  // namespace zef
