// Previews off the window's thread. The window asks for a preview of the
// editor's text some time after the last key, and every key cancels the
// preview in progress: a long plan never holds up typing, and only the text
// as it now stands is ever shown.
#pragma once

#include "plan_preview.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace zef {

class PreviewWorker {
public:
    // Called on the worker's thread with every preview that was not
    // cancelled; the front end hands it on to its own thread.
    using Delivery = std::function<void(PlanPreview)>;

    explicit PreviewWorker(Delivery deliver);
    // Cancels the preview in progress and waits for the thread to end.
    ~PreviewWorker();
    PreviewWorker(const PreviewWorker&) = delete;
    PreviewWorker& operator=(const PreviewWorker&) = delete;

    // Previews the text (UTF-8) with arm.txt of the current directory next,
    // cancelling the preview in progress; with its turns recorded for the
    // chart when `chart` wants them.
    void request(std::string editorText, ChartRecording chart = ChartRecording::Wanted);
    // Cancels the preview in progress and the one asked for: the text changes.
    void cancel();
    // False for a preview that a later request or cancel has overtaken on
    // its way to the front end's thread.
    bool current(const PlanPreview& preview) const { return preview.generation == generation_.load(); }
    // A delivered preview the front end is done with, such as the one a newer
    // preview replaces: the next recording is written into its recording's
    // vectors instead of new ones.
    void handBack(PlanPreview done);

private:
    struct Request {
        std::string editorText;
        ChartRecording chart;
    };

    void Loop();

    Delivery deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    // A recording comes back from the front end's thread here and passes to
    // `storage_` when the next preview starts.
    std::optional<TurnRecording> handedBack_;
    bool stopping_ = false;
    // The recorder and the recording vectors that previews on the worker's
    // thread reuse; only that thread touches them.
    PreviewStorage storage_;
    // Every request and every cancel starts a new generation; a run stops
    // soon after its own is over.
    std::atomic<std::uint64_t> generation_{0};
    std::thread thread_;  // started last, once everything it uses is there
};

}  // namespace zef
