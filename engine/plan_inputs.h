// What one planning run reads from the current directory: the bytes of
// arm.txt and rekrut.txt, exactly as stored (Windows-1250).
#pragma once

#include <filesystem>
#include <string>

namespace zef {

struct PlanInputs {
    std::string catalogue;  // arm.txt
    std::string plan;       // rekrut.txt
};

// A data file's bytes. Only a file that does not exist reads as empty; one
// that exists but cannot be read throws DataFileError.
std::string ReadDataFileOrEmpty(const std::filesystem::path& name);

// arm.txt first, then rekrut.txt, so that an error names the file a run
// would have stopped at.
PlanInputs ReadPlanInputs();

}  // namespace zef
