#include "intro_thread.h"

namespace zef {

namespace {

constexpr DWORD kHiddenPauseMs = 50;
constexpr DWORD kStopPollMs = 10;

}  // namespace

TMyThread::TMyThread(HWND window, UINT message) : window_(window), message_(message)
{
    thread_.reset(CreateThread(nullptr, 0, Body, this, CREATE_SUSPENDED, nullptr));
    if (thread_) {
        SetThreadPriority(thread_.get(), THREAD_PRIORITY_IDLE);
    }
}

TMyThread::~TMyThread() { stop(); }

void TMyThread::start()
{
    if (thread_ && !started_) {
        started_ = ResumeThread(thread_.get()) != static_cast<DWORD>(-1);
    }
}

bool TMyThread::running() const { return thread_ && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT; }

DWORD WINAPI TMyThread::Body(void* self)
{
    auto& thread = *static_cast<TMyThread*>(self);
    while (!thread.stopRequested_.load()) {
        if (SendMessageW(thread.window_, thread.message_, 0, 0) == 0) {
            Sleep(kHiddenPauseMs);
        }
    }
    return 0;
}

void TMyThread::stop()
{
    if (!thread_) {
        return;
    }
    stopRequested_.store(true);
    // A thread never started sees the flag as soon as it runs.
    start();
    // A plain wait would deadlock: the thread may be blocked in a frame that
    // only this thread can serve. So wait for either its end or a frame sent
    // to us, and serve the frame (PeekMessage runs sent messages, and only
    // those with this filter: keys and clicks wait until afterwards).
    HANDLE handle = thread_.get();
    for (;;) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        const DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, kStopPollMs, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) {
            break;
        }
    }
    thread_.reset();
}

}  // namespace zef
