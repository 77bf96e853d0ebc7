// What every platform shares; DataFileExists, ReadDataFileBytes and
// LastSystemError are in data_file_posix.cpp or data_file_windows.cpp.
#include "data_file.h"

#include <utility>

namespace zef {

const std::error_category& DataFileCategory()
{
    static const class : public std::error_category {
    public:
        const char* name() const noexcept override { return "data file"; }
        std::string message(int) const override { return "not a regular file"; }
    } category;
    return category;
}

namespace {

std::string NameOf(const std::filesystem::path& file)
{
    const std::u8string name = file.u8string();
    return {name.begin(), name.end()};
}

}  // namespace

DataFileError::DataFileError(const std::filesystem::path& file, std::error_code code)
    : std::runtime_error(NameOf(file) + ": " + code.message()), fileName_(NameOf(file)), code_(code)
{
}

}  // namespace zef
