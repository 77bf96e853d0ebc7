#include "native_file.h"
#include "data_file.h"
#include "file_failure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zef {

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

int Descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

FileFailure FailureOf(std::error_code error)
{
    if (error == DataFileErrc::NotRegularFile) {
        return {FileProblem::NotRegularFile, error.message()};
    }
    if (error.category() != std::generic_category() && error.category() != std::system_category()) {
        return {FileProblem::Other, error.message()};
    }
    switch (error.value()) {
    case ENOSPC: return {FileProblem::NoSpace, error.message()};
    case EDQUOT: return {FileProblem::QuotaExceeded, error.message()};
    case EFBIG: return {FileProblem::TooLarge, error.message()};
    case EACCES:
    case EPERM: return {FileProblem::NoPermission, error.message()};
    case EROFS: return {FileProblem::ReadOnlyFileSystem, error.message()};
    case EISDIR: return {FileProblem::IsFolder, error.message()};
    case ENOENT:
    case ENOTDIR: return {FileProblem::NotFound, error.message()};
    case EIO: return {FileProblem::InputOutput, error.message()};
    case ENOMEM: return {FileProblem::TooLargeToRead, error.message()};
    default: return {FileProblem::Other, error.message()};
    }
}

NativeFile::~NativeFile()
{
    if (handle_ >= 0) {
        ::close(Descriptor(handle_));
    }
}

NativeFile NativeFile::CreateBeside(const std::filesystem::path& target, std::filesystem::path& created,
                                    std::error_code& error)
{
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return {};
    }
    created = pattern;
    // mkostemp makes the file for the owner alone; a replacement keeps what
    // the old file allowed, and a new file what a new file would get.
    struct stat info;
    mode_t mode = 0;
    if (::stat(target.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    error.clear();
    return NativeFile(fd);
}

namespace {

// Non-blocking while opening, so that a FIFO nobody reads or writes is an
// error rather than a hang; blocking again for what follows.
int OpenExisting(const std::filesystem::path& path, int access, std::error_code& error)
{
    const int fd = ::open(path.c_str(), access | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = LastError();
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    error.clear();
    return fd;
}

}  // namespace

NativeFile NativeFile::OpenForWriting(const std::filesystem::path& path, std::error_code& error)
{
    // Appending: a file that a shell opened for this process's output
    // (`> file`, `>> file`) keeps what was written to it before.
    return NativeFile(OpenExisting(path, O_WRONLY | O_APPEND, error));
}

NativeFile NativeFile::OpenForRewrite(const std::filesystem::path& path, std::error_code& error)
{
    return NativeFile(OpenExisting(path, O_RDWR, error));
}

std::error_code NativeFile::readAll(std::string& bytes)
{
    if (::lseek(Descriptor(handle_), 0, SEEK_SET) < 0) {
        return LastError();
    }
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(Descriptor(handle_), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return LastError();
        }
        if (got == 0) {
            return {};
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::error_code NativeFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(Descriptor(handle_), bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0) {
            return LastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return {};
}

std::error_code NativeFile::rewind()
{
    return ::lseek(Descriptor(handle_), 0, SEEK_SET) < 0 ? LastError() : std::error_code{};
}

std::error_code NativeFile::truncate(std::uint64_t size)
{
    return ::ftruncate(Descriptor(handle_), static_cast<off_t>(size)) != 0 ? LastError() : std::error_code{};
}

std::error_code NativeFile::syncToDisk()
{
    // A device or a FIFO has nothing to put on a disk.
    if (::fsync(Descriptor(handle_)) != 0 && errno != EINVAL) {
        return LastError();
    }
    return {};
}

std::error_code NativeFile::close()
{
    const int fd = Descriptor(std::exchange(handle_, -1));
    return ::close(fd) != 0 ? LastError() : std::error_code{};
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return LastError();
    }
    // The rename itself is on the disk once the folder that holds it is.
    const std::filesystem::path folder = to.has_parent_path() ? to.parent_path() : std::filesystem::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return {};
}

bool IsWritableFile(const std::filesystem::path& path) { return ::access(path.c_str(), W_OK) == 0; }

std::optional<std::string> FileIdentity(const std::filesystem::path& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

bool IsOpenFileLink(const std::filesystem::path& path) { return path.string().starts_with("/proc/"); }

}  // namespace zef
