// DataFileExists and ReadDataFileBytes on Windows (data_file_posix.cpp
// elsewhere), through Win32's own calls, which tell a folder, a file on a disk
// and a device apart.
#include "data_file.h"

#include "plan_progress.h"
#include "utf16.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cerrno>
#include <system_error>

namespace zef {

namespace {

// What Windows says of an operation a folder does not allow; this compiler's
// headers lack its name.
constexpr int kDirectoryNotSupported = 336;

// Win32 errors with the system's own words (in the user's language, without
// the closing full stop and line end), comparable with the std::errc they
// stand for, so that the same checks serve both systems.
class WindowsErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "windows"; }

    // In UTF-8, like every text of the program: the A function would give
    // them in the ANSI code page (Windows-1250 on a Czech Windows), which no
    // reader of UTF-8 makes sense of.
    std::string message(int error) const override
    {
        wchar_t* text = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::string reason = length > 0 ? Utf8(std::wstring_view(text, length)) : "error " + std::to_string(error);
        LocalFree(text);
        reason.erase(reason.find_last_not_of(". \r\n") + 1);
        return reason;
    }

    // A sharing or lock violation (another program holds the file) stands
    // for none: no permission is missing, and Windows' own words say what is.
    std::error_condition default_error_condition(int error) const noexcept override
    {
        switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH: return std::errc::no_such_file_or_directory;
        // A name used as a folder that is none.
        case ERROR_DIRECTORY: return std::errc::not_a_directory;
        case kDirectoryNotSupported: return std::errc::is_a_directory;
        case ERROR_ACCESS_DENIED: return std::errc::permission_denied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return std::errc::no_space_on_device;
        case ERROR_WRITE_PROTECT: return std::errc::read_only_file_system;
        case ERROR_FILE_TOO_LARGE: return std::errc::file_too_large;
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_IO_DEVICE:
        case ERROR_NOT_READY:
        case ERROR_DEV_NOT_EXIST: return std::errc::io_error;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY: return std::errc::not_enough_memory;
        default: return {error, *this};
        }
    }
};

std::error_code SystemReason(DWORD error)
{
    static const WindowsErrorCategory category;
    return {static_cast<int>(error), category};
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::error_code LastSystemError() { return SystemReason(GetLastError()); }

bool DataFileExists(const std::filesystem::path& name)
{
    if (name.empty()) {
        return false;
    }
    return GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES || !IsMissing(GetLastError());
}

std::string ReadDataFileBytes(const std::filesystem::path& name, const std::function<bool()>& stillWanted)
{
    // Others may go on writing or replacing the file while it is read, as on
    // POSIX systems.
    const Handle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A folder does not open as a file: Windows only says that access is
        // denied, POSIX systems say what it is.
        const DWORD attributes = GetFileAttributesW(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            throw DataFileError(name, std::make_error_code(std::errc::is_a_directory));
        }
        throw DataFileError(name, SystemReason(error));
    }
    // A device (CON, NUL, COM1) or a pipe opens like a file, but a read could
    // wait forever: only a file on a disk is read.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        throw DataFileError(name, DataFileErrc::NotRegularFile);
    }
    LARGE_INTEGER size{};
    GetFileSizeEx(file.get(), &size);
    return ReadWithinMemory(name, [&] {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
        char buffer[65536];
        for (;;) {
            if (stillWanted && !stillWanted()) {
                throw PlanCancelled{};
            }
            DWORD got = 0;
            if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
                throw DataFileError(name, SystemReason(GetLastError()));
            }
            if (got == 0) {
                return bytes;
            }
            bytes.append(buffer, got);
        }
    });
}

}  // namespace zef
