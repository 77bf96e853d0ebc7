#include "interrupted_output.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

namespace zef {

namespace {

// Read by the signal handler, which may only make async-signal-safe calls.
char pendingFile[4096];

extern "C" void RemoveAndEnd(int signal)
{
    if (pendingFile[0] != '\0') {
        ::unlink(pendingFile);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void RemoveOnInterruption(const std::filesystem::path& file)
{
    const std::string name = file.string();
    if (name.size() >= sizeof pendingFile) {
        return;
    }
    std::memcpy(pendingFile, name.c_str(), name.size() + 1);
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace zef
