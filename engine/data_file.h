// Reading the two data files. They are Windows-1250 bytes and pass through
// untouched; only the line structure is interpreted here.
#pragma once

#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zef {

// Why a data file that exists is refused, beside the system's own errors.
enum class DataFileErrc { NotRegularFile = 1 };
const std::error_category& DataFileCategory();
inline std::error_code make_error_code(DataFileErrc e) { return {static_cast<int>(e), DataFileCategory()}; }

// An input/output error on a data file that exists. The run stops with it.
class DataFileError : public std::runtime_error {
public:
    DataFileError(const std::filesystem::path& file, std::error_code code);
    // The file as named (UTF-8).
    const std::string& fileName() const { return fileName_; }
    std::error_code code() const { return code_; }
    // The system's words for the code.
    std::string reason() const { return code_.message(); }

private:
    std::string fileName_;
    std::error_code code_;
};

// The error of the system call that failed last, with the system's own words
// as its message; it compares equal to the std::errc it stands for.
std::error_code LastSystemError();

// Runs `read`, which reads the file `name` into memory: a file larger than
// the memory can hold is the file's own error, never an allocator's exception.
template <typename Read>
std::string ReadWithinMemory(const std::filesystem::path& name, Read read)
{
    try {
        return read();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    throw DataFileError(name, std::make_error_code(std::errc::not_enough_memory));
}

// Whether anything of that name is there. Only a file that does not exist
// reads as empty; one that exists but cannot be read is an error, so that a
// plan is never computed from files the player cannot see into.
bool DataFileExists(const std::filesystem::path& name);

// The whole file, exactly as stored. Anything but a regular file (a folder, a
// FIFO, a device) is refused before a byte is read, so a read never blocks.
// Throws DataFileError when the file cannot be read. `stillWanted`, when
// given, is asked between the parts of the read; a read no longer wanted
// stops at once with PlanCancelled.
std::string ReadDataFileBytes(const std::filesystem::path& name, const std::function<bool()>& stillWanted = {});

}  // namespace zef

template <>
struct std::is_error_code_enum<zef::DataFileErrc> : std::true_type {
};
