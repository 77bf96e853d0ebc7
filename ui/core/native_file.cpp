// What both systems' forms of NativeFile share: a handle of -1 is none.
#include "native_file.h"

#include <utility>

namespace zef {

NativeFile::NativeFile(NativeFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept
{
    std::swap(handle_, other.handle_);
    return *this;
}

}  // namespace zef
