// The render thread of the intro. It draws nothing itself: at idle priority
// it hands a frame to the window's thread (SendMessageW of a private
// message, which returns once the frame has run there) and asks again at
// once, until it is told to stop. Because it is blocked while a frame runs,
// frames never overlap and need no lock.
#pragma once

#include "win32_api.h"

#include <atomic>
#include <thread>

namespace zef {

// The class name is the window design's.
class TMyThread {
public:
    // Starts the thread. Each frame is `message` sent to `window`, which
    // answers 0 when it drew nothing (the window cannot be seen); the thread
    // then waits a moment before asking again instead of spinning a core.
    TMyThread(HWND window, UINT message);
    // Stops the thread (see stop()).
    ~TMyThread() { stop(); }
    TMyThread(const TMyThread&) = delete;
    TMyThread& operator=(const TMyThread&) = delete;

    // Sets the stop flag and waits for the thread to end. Call on the window's
    // thread, never from inside a frame: while waiting it keeps serving the
    // frame the thread may be blocked in.
    void stop();

private:
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> ended_{false};
    std::thread thread_;
};

}  // namespace zef
