#include "render_thread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QTest>
#include <QThread>

#include <memory>

namespace zef {
namespace {

class RenderThreadTest : public QObject {
    Q_OBJECT

private slots:
    void framesRunOnTheUserInterfaceThread();
    void runsAtIdlePriority();
    void startsAndStops100TimesWithFramesServed();
    void stopWithoutAThreadDoesNothing();
    void waitsBetweenRequestsWhileNothingIsDrawn();

private:
    // Starts the thread with a frame that counts itself and returns drawn.
    void StartCounting(bool drawn);

    QObject receiver_;
    std::unique_ptr<TMyThread> thread_;
    int frames_ = 0;
    bool onUserInterfaceThread_ = true;
};

void RenderThreadTest::StartCounting(bool drawn)
{
    frames_ = 0;
    thread_ = StartRenderThread(&receiver_, [this, drawn] {
        ++frames_;
        onUserInterfaceThread_ = onUserInterfaceThread_ && QThread::currentThread() == receiver_.thread();
        return drawn;
    });
}

void RenderThreadTest::framesRunOnTheUserInterfaceThread()
{
    StartCounting(true);
    QVERIFY(QTest::qWaitFor([this] { return frames_ >= 10; }, 5000));
    StopRenderThread(thread_);
    QVERIFY(onUserInterfaceThread_);
}

void RenderThreadTest::runsAtIdlePriority()
{
    StartCounting(true);
    QCOMPARE(thread_->priority(), QThread::IdlePriority);
    StopRenderThread(thread_);
}

void RenderThreadTest::startsAndStops100TimesWithFramesServed()
{
    for (int round = 0; round < 100; ++round) {
        StartCounting(true);
        QVERIFY2(QTest::qWaitFor([this] { return frames_ >= 2; }, 5000), qPrintable(QString::number(round)));
        StopRenderThread(thread_);
        QVERIFY(!thread_);
        const int framesAtStop = frames_;
        QCoreApplication::processEvents();
        QCOMPARE(frames_, framesAtStop);
    }
}

void RenderThreadTest::stopWithoutAThreadDoesNothing()
{
    QVERIFY(!thread_);
    StopRenderThread(thread_);
    QVERIFY(!thread_);
}

// A hidden surface draws nothing; the thread then pauses instead of spinning.
void RenderThreadTest::waitsBetweenRequestsWhileNothingIsDrawn()
{
    StartCounting(false);
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(300);
    StopRenderThread(thread_);
    const qint64 elapsed = clock.elapsed();
    QVERIFY(frames_ >= 1);
    QVERIFY2(frames_ <= elapsed / 50 + 2, qPrintable(QStringLiteral("%1 requests in %2 ms").arg(frames_).arg(elapsed)));
}

}  // namespace
}  // namespace zef

QTEST_GUILESS_MAIN(zef::RenderThreadTest)
#include "render_thread_test.moc"
