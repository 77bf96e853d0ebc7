#include "render_thread.h"

#include <QEventLoop>
#include <QMetaObject>

namespace zef {

namespace {

constexpr unsigned long kHiddenPauseMs = 50;

}  // namespace

TMyThread::TMyThread(QObject* receiver, FrameRequest requestFrame)
    : receiver_(receiver), requestFrame_(std::move(requestFrame))
{
}

void TMyThread::run()
{
    while (!isInterruptionRequested()) {
        bool drawn = false;
        QMetaObject::invokeMethod(
            receiver_, [this] { return requestFrame_(); }, Qt::BlockingQueuedConnection, &drawn);
        if (!drawn) {
            msleep(kHiddenPauseMs);
        }
    }
}

std::unique_ptr<TMyThread> StartRenderThread(QObject* receiver, FrameRequest requestFrame)
{
    auto thread = std::make_unique<TMyThread>(receiver, std::move(requestFrame));
    thread->start(QThread::IdlePriority);
    return thread;
}

void StopRenderThread(std::unique_ptr<TMyThread>& thread)
{
    if (!thread) {
        return;
    }
    // A plain wait() would deadlock: the thread may be blocked in a frame
    // request that only this thread can serve. So wait in an event loop that
    // serves it. The loop is connected before the flag is set, so the end of
    // the thread cannot slip in unnoticed; user input waits until afterwards.
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->requestInterruption();
    if (thread->isRunning()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    thread->wait();
    thread.reset();
}

}  // namespace zef
