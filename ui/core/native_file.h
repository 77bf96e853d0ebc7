// What replacing a file safely needs of the operating system, kept to one
// small class and two functions; posix/native_file.cpp and
// win32/native_file.cpp are its two forms. Every operation reports the
// system's error instead of throwing.
#pragma once

#include <cstdint>
#include <filesystem>
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
    // An existing file, for writing (a device or a FIFO included).
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
    // A descriptor or a handle; -1 is none on both systems.
    std::intptr_t handle_ = -1;
};

// Puts `from` in the place of `to` in one step: a reader sees the old file or
// the new one, never a mixture; the change is on the disk when this returns.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether this process may write `path`, an existing file.
bool IsWritableFile(const std::filesystem::path& path);

}  // namespace zef
