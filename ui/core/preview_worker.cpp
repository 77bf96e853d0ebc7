#include "preview_worker.h"

#include <new>
#include <utility>

namespace zef {

PreviewWorker::PreviewWorker(Delivery deliver) : deliver_(std::move(deliver)), thread_([this] { Loop(); }) {}

PreviewWorker::~PreviewWorker()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        ++generation_;
    }
    wake_.notify_one();
    thread_.join();
}

void PreviewWorker::request(std::string editorText, ChartRecording chart)
{
    {
        const std::lock_guard lock(mutex_);
        ++generation_;
        pending_ = Request{std::move(editorText), chart};
    }
    wake_.notify_one();
}

void PreviewWorker::handBack(PlanPreview done)
{
    const std::lock_guard lock(mutex_);
    handedBack_ = std::move(done.recording);
}

void PreviewWorker::cancel()
{
    const std::lock_guard lock(mutex_);
    ++generation_;
    pending_.reset();
}

void PreviewWorker::Loop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_; });
        if (stopping_) {
            return;
        }
        const Request request = std::move(*pending_);
        pending_.reset();
        if (handedBack_) {
            storage_.reusable = std::move(*handedBack_);
            handedBack_.reset();
        }
        const std::uint64_t generation = generation_;
        lock.unlock();
        const StillWanted stillWanted = [this, generation] {
            return generation_.load(std::memory_order_relaxed) == generation;
        };
        std::optional<PlanPreview> preview;
        try {
            preview = PreviewPlanWithCatalogueFile(request.editorText, stillWanted, request.chart, &storage_);
        } catch (const std::bad_alloc&) {
            // Nothing may leave the thread: the window would end with it.
            preview.emplace();
            preview->summary.outOfMemory = true;
        }
        if (preview && stillWanted()) {
            preview->generation = generation;
            deliver_(std::move(*preview));
        }
        lock.lock();
    }
}

}  // namespace zef
