// What every platform shares; DataFileExists, ReadDataFileBytes and
// LastSystemError are in data_file_posix.cpp or data_file_windows.cpp.
#include "data_file.h"

#include "utf8_path.h"

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

DataFileError::DataFileError(const std::filesystem::path& file, std::error_code code)
    : std::runtime_error(Utf8Name(file) + ": " + code.message()), fileName_(Utf8Name(file)), code_(code)
{
}

}  // namespace zef
