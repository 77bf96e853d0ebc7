#include "native_file.h"
#include "data_file.h"
#include "file_failure.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <random>
#include <utility>

namespace zef {

namespace {

// What NTFS reports for a user over quota; this compiler's headers lack its name.
constexpr int kDiskQuotaExceeded = 1295;

HANDLE Win32Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

std::intptr_t Stored(HANDLE handle)
{
    return handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(handle);
}

std::error_code LastErrorUnless(BOOL succeeded) { return succeeded ? std::error_code{} : LastSystemError(); }

HANDLE OpenExisting(const std::filesystem::path& path, DWORD access, std::error_code& error)
{
    const HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    error = handle == INVALID_HANDLE_VALUE ? LastSystemError() : std::error_code{};
    return handle;
}

}  // namespace

FileFailure FailureOf(std::error_code error)
{
    if (error == DataFileErrc::NotRegularFile) {
        return {FileProblem::NotRegularFile, error.message()};
    }
    if (error.value() == kDiskQuotaExceeded) {
        return {FileProblem::QuotaExceeded, error.message()};
    }
    constexpr std::pair<std::errc, FileProblem> kKnown[] = {
        {std::errc::no_space_on_device, FileProblem::NoSpace},
        {std::errc::file_too_large, FileProblem::TooLarge},
        {std::errc::permission_denied, FileProblem::NoPermission},
        {std::errc::read_only_file_system, FileProblem::ReadOnlyFileSystem},
        {std::errc::is_a_directory, FileProblem::IsFolder},
        {std::errc::no_such_file_or_directory, FileProblem::NotFound},
        {std::errc::not_a_directory, FileProblem::NotFound},
        {std::errc::io_error, FileProblem::InputOutput},
        {std::errc::not_enough_memory, FileProblem::TooLargeToRead},
    };
    for (const auto& [condition, problem] : kKnown) {
        if (error == condition) {
            return {problem, error.message()};
        }
    }
    return {FileProblem::Other, error.message()};
}

NativeFile::~NativeFile()
{
    if (handle_ != -1) {
        CloseHandle(Win32Handle(handle_));
    }
}

NativeFile NativeFile::CreateBeside(const std::filesystem::path& target, std::filesystem::path& created,
                                    std::error_code& error)
{
    std::random_device seed;
    std::mt19937 random(seed());
    // A name taken by someone else gets another try; anything else ends the tries.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            target.parent_path() / (L"." + target.filename().wstring() + L"." + std::to_wstring(random()));
        // Deletable while open, so that an interrupted program can drop it.
        const HANDLE handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            created = candidate;
            error.clear();
            return NativeFile(Stored(handle));
        }
        error = LastSystemError();
        if (error.value() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    return {};
}

NativeFile NativeFile::OpenForWriting(const std::filesystem::path& path, std::error_code& error)
{
    return NativeFile(Stored(OpenExisting(path, GENERIC_WRITE, error)));
}

NativeFile NativeFile::OpenForRewrite(const std::filesystem::path& path, std::error_code& error)
{
    return NativeFile(Stored(OpenExisting(path, GENERIC_READ | GENERIC_WRITE, error)));
}

std::error_code NativeFile::readAll(std::string& bytes)
{
    if (std::error_code error = rewind()) {
        return error;
    }
    bytes.clear();
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(Win32Handle(handle_), buffer, sizeof buffer, &got, nullptr)) {
            return LastSystemError();
        }
        if (got == 0) {
            return {};
        }
        bytes.append(buffer, got);
    }
}

std::error_code NativeFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        DWORD put = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(Win32Handle(handle_), bytes.data(), chunk, &put, nullptr)) {
            return LastSystemError();
        }
        bytes.remove_prefix(put);
    }
    return {};
}

std::error_code NativeFile::rewind()
{
    return LastErrorUnless(SetFilePointerEx(Win32Handle(handle_), LARGE_INTEGER{}, nullptr, FILE_BEGIN));
}

std::error_code NativeFile::truncate(std::uint64_t size)
{
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(Win32Handle(handle_), end, nullptr, FILE_BEGIN)) {
        return LastSystemError();
    }
    return LastErrorUnless(SetEndOfFile(Win32Handle(handle_)));
}

std::error_code NativeFile::syncToDisk()
{
    // A device or a pipe has nothing to put on a disk.
    if (GetFileType(Win32Handle(handle_)) != FILE_TYPE_DISK) {
        return {};
    }
    return LastErrorUnless(FlushFileBuffers(Win32Handle(handle_)));
}

std::error_code NativeFile::close() { return LastErrorUnless(CloseHandle(Win32Handle(std::exchange(handle_, -1)))); }

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // Write-through: the rename is on the disk when this returns.
    return LastErrorUnless(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

bool IsWritableFile(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}

std::optional<std::string> FileIdentity(const std::filesystem::path& path)
{
    std::error_code error;
    const HANDLE handle = OpenExisting(path, 0, error);
    if (error) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const BOOL known = GetFileInformationByHandle(handle, &information);
    CloseHandle(handle);
    if (!known) {
        return std::nullopt;
    }
    const std::uint64_t index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    return std::to_string(information.dwVolumeSerialNumber) + ":" + std::to_string(index);
}

bool IsOpenFileLink(const std::filesystem::path&) { return false; }

}  // namespace zef
