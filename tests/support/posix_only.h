// What a few tests need of a POSIX system and Windows lacks: FIFOs, permission
// bits that keep even a file's owner from reading it, and the capabilities by
// which root reads past permissions. Such a test first says what it needs:
//
//     ZEF_SKIP_WITHOUT_POSIX("FIFOs");
//
// which on Windows skips it, saying why. The helpers below build everywhere,
// so the tests need no #ifdef of their own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#ifdef _WIN32

namespace zef::testing {

inline constexpr bool kPosix = false;
// A device, which a data file reader refuses without reading it.
inline constexpr const char* kDeviceName = "NUL";
inline bool MakeFifo(const std::filesystem::path&) { return false; }
inline void DropPermissionOverride() {}

}  // namespace zef::testing

#else

#include "without_permission_override.h"

#include <sys/stat.h>

namespace zef::testing {

inline constexpr bool kPosix = true;
// A device, which a data file reader refuses without reading it.
inline constexpr const char* kDeviceName = "/dev/null";
inline bool MakeFifo(const std::filesystem::path& path) { return mkfifo(path.c_str(), 0600) == 0; }

}  // namespace zef::testing

#endif

#define ZEF_SKIP_WITHOUT_POSIX(facility) \
    switch (0)                           \
    case 0:                              \
    default:                             \
        if (::zef::testing::kPosix) {    \
        } else                           \
            GTEST_SKIP() << "needs " << (facility) << ", which Windows lacks"
