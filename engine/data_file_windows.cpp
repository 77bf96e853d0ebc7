// DataFileExists and ReadDataFileBytes on Windows (data_file_posix.cpp
// elsewhere), through Win32's own calls, which tell a folder, a file on a disk
// and a device apart.
#include "data_file.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cerrno>
#include <system_error>

namespace zef {

namespace {

// The system's own words for a Win32 error, in the user's language and code
// page, without the closing full stop and line end.
std::string SystemReason(DWORD error)
{
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length > 0 ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    reason.erase(reason.find_last_not_of(". \r\n") + 1);
    return reason;
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

bool DataFileExists(const std::string& name)
{
    if (name.empty()) {
        return false;
    }
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES || !IsMissing(GetLastError());
}

std::string ReadDataFileBytes(const std::string& name)
{
    // Others may go on writing or replacing the file while it is read, as on
    // POSIX systems.
    const Handle file(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A folder does not open as a file: Windows only says that access is
        // denied, POSIX systems say what it is.
        const DWORD attributes = GetFileAttributesA(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            throw DataFileError(name, std::generic_category().message(EISDIR));
        }
        throw DataFileError(name, SystemReason(error));
    }
    // A device (CON, NUL, COM1) or a pipe opens like a file, but a read could
    // wait forever: only a file on a disk is read.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        throw DataFileError(name, "not a regular file");
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            throw DataFileError(name, SystemReason(GetLastError()));
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, got);
    }
}

}  // namespace zef
