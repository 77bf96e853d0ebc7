#include "plan_folder.h"

#include "planning_state.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace zef::testing {

PlanFolder::PlanFolder() : previous_(std::filesystem::current_path())
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("zef-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

PlanFolder::~PlanFolder()
{
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void PlanFolder::write(const std::string& name, std::string_view bytes) const
{
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write test file " + name);
    }
}

std::string LatestReport(std::size_t sizeBefore) { return reportText.substr(sizeBefore); }

}  // namespace zef::testing
