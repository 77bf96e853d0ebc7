// What replacing a file safely needs of the operating system, kept to one
// small class and a few functions; posix/native_file.cpp and
// win32/native_file.cpp are its two forms. Every operation reports the
// system's error instead of throwing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace zef {

class NativeFile {
public:
    NativeFile() = default;
    ~NativeFile();
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // A new file beside `target`, at a name nobody else uses, that only this
    // process writes; it gets the permissions `target` has, where it exists.
    static NativeFile CreateBeside(const std::filesystem::path& target, std::filesystem::path& created,
                                   std::error_code& error);
    // An existing file, for writing after what it holds (a device or a FIFO
    // included).
    static NativeFile OpenForWriting(const std::filesystem::path& path, std::error_code& error);
    // An existing regular file, for reading it and writing it over.
    static NativeFile OpenForRewrite(const std::filesystem::path& path, std::error_code& error);

    // The whole content, read from the start.
    std::error_code readAll(std::string& bytes);
    // Every byte, after whatever was written before.
    std::error_code write(std::string_view bytes);
    // Back to the start, so that the next write goes over the old content.
    std::error_code rewind();
    std::error_code truncate(std::uint64_t size);
    // Waits until what was written is on the disk.
    std::error_code sync();
    std::error_code close();

private:
    explicit NativeFile(std::intptr_t handle) : handle_(handle) {}
    std::error_code syncToDisk();
    // A descriptor or a handle; -1 is none on both systems.
    std::intptr_t handle_ = -1;
};

// Puts `from` in the place of `to` in one step: a reader sees the old file or
// the new one, never a mixture; the change is on the disk when this returns.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether this process may write `path`, an existing file.
bool IsWritableFile(const std::filesystem::path& path);

// Which file `path` is (its device and number), so that a file put in its
// place by another is told from the same file rewritten; nothing when that
// cannot be learnt.
std::optional<std::string> FileIdentity(const std::filesystem::path& path);

// A link that stands for a file this process has open (/proc/self/fd/N, where
// /dev/stdout leads): what it leads to is written through it, never replaced.
bool IsOpenFileLink(const std::filesystem::path& path);

// Told of every flush to the disk before it happens, so that a test can see
// when each one comes and make one fail; the program sets none.
class FlushWatch {
public:
    virtual ~FlushWatch() = default;
    // An error fails the flush.
    virtual std::error_code flushing() = 0;
};
void SetFlushWatch(FlushWatch* watch);

}  // namespace zef
