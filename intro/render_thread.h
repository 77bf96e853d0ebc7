// The render thread of the intro. It draws nothing itself: at idle priority it
// hands a frame request to the user-interface thread, waits until the frame
// has run there, and asks again at once, until it is told to stop. Because it
// is blocked while a frame runs, frames never overlap and need no lock.
#pragma once

#include <QThread>

#include <functional>
#include <memory>

namespace zef {

// Runs one frame on the user-interface thread. Returns false when no frame
// could be drawn (the surface is not exposed); the thread then waits a
// moment before asking again instead of spinning a core.
using FrameRequest = std::function<bool()>;

// The class name is the window design's.
class TMyThread : public QThread {
public:
    // receiver lives in the user-interface thread and must outlive the thread.
    TMyThread(QObject* receiver, FrameRequest requestFrame);

protected:
    void run() override;

private:
    QObject* receiver_;
    FrameRequest requestFrame_;
};

// Creates a render thread and starts it at idle priority. Call on the
// user-interface thread; requestFrame runs there, in the context of receiver.
std::unique_ptr<TMyThread> StartRenderThread(QObject* receiver, FrameRequest requestFrame);

// Sets the stop flag, waits for the thread to end and frees it, leaving
// thread empty. Call on the user-interface thread, never from inside a frame:
// while waiting it keeps serving the frame requests the thread may still be
// blocked in. Does nothing when thread is empty.
void StopRenderThread(std::unique_ptr<TMyThread>& thread);

}  // namespace zef
