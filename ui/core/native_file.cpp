// What both systems' forms of NativeFile share: a handle of -1 is none, and
// every flush passes the watch.
#include "native_file.h"

#include <atomic>
#include <utility>

namespace zef {

namespace {

std::atomic<FlushWatch*> flushWatch{nullptr};

}  // namespace

void SetFlushWatch(FlushWatch* watch) { flushWatch = watch; }

std::error_code NativeFile::sync()
{
    if (FlushWatch* watch = flushWatch.load()) {
        if (std::error_code error = watch->flushing()) {
            return error;
        }
    }
    return syncToDisk();
}

NativeFile::NativeFile(NativeFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept
{
    std::swap(handle_, other.handle_);
    return *this;
}

}  // namespace zef
