// DataFileExists and ReadDataFileBytes on POSIX systems (data_file_windows.cpp
// on Windows).
#include "data_file.h"

#include "plan_progress.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace zef {

namespace {

std::error_code SystemReason(int error) { return {error, std::generic_category()}; }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// A folder gets the system's own words; other kinds of file have none.
void RequireRegularFile(const std::filesystem::path& name, const struct stat& info)
{
    if (S_ISDIR(info.st_mode)) {
        throw DataFileError(name, SystemReason(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        throw DataFileError(name, DataFileErrc::NotRegularFile);
    }
}

}  // namespace

std::error_code LastSystemError() { return SystemReason(errno); }

bool DataFileExists(const std::filesystem::path& name)
{
    if (name.empty()) {
        return false;
    }
    struct stat info;
    return ::stat(name.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::string ReadDataFileBytes(const std::filesystem::path& name, const std::function<bool()>& stillWanted)
{
    struct stat info;
    if (::stat(name.c_str(), &info) != 0) {
        throw DataFileError(name, SystemReason(errno));
    }
    RequireRegularFile(name, info);
    // Non-blocking and checked again once open: the name may have been
    // replaced by a FIFO in between.
    const Descriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        throw DataFileError(name, SystemReason(errno));
    }
    if (::fstat(file.get(), &info) != 0) {
        throw DataFileError(name, SystemReason(errno));
    }
    RequireRegularFile(name, info);
    return ReadWithinMemory(name, [&] {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(info.st_size));
        char buffer[65536];
        for (;;) {
            if (stillWanted && !stillWanted()) {
                throw PlanCancelled{};
            }
            const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
            if (got < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw DataFileError(name, SystemReason(errno));
            }
            if (got == 0) {
                return bytes;
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
    });
}

}  // namespace zef
