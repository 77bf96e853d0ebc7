#include "intro_thread.h"

namespace zef {

namespace {

constexpr DWORD kHiddenPauseMs = 50;
constexpr DWORD kStopPollMs = 10;

}  // namespace

TMyThread::TMyThread(HWND window, UINT message)
    : thread_([this, window, message] {
          SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
          while (!stopRequested_.load()) {
              if (SendMessageW(window, message, 0, 0) == 0) {
                  Sleep(kHiddenPauseMs);
              }
          }
          ended_.store(true);
      })
{
}

void TMyThread::stop()
{
    if (!thread_.joinable()) {
        return;
    }
    stopRequested_.store(true);
    // A plain join would deadlock: the thread may be blocked in a frame that
    // only this thread can serve. So wait for either its end or a frame sent
    // to us, and serve the frame (PeekMessage runs sent messages, and only
    // those with this filter: keys and clicks wait until afterwards).
    while (!ended_.load()) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kStopPollMs, QS_SENDMESSAGE);
    }
    thread_.join();
}

}  // namespace zef
