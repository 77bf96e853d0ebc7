// A fresh temporary folder that a test, a benchmark or the fuzz target runs
// in. The engine reads its data files by bare name from the current directory,
// so the folder is the current directory while the object lives; afterwards
// the previous one is again, and the folder is gone even when a test took its
// permissions away.
#pragma once

#include "catalogue.h"
#include "plan_file.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zef::testing {

class PlanFolder {
public:
    PlanFolder() : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zef-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot make a temporary folder in " + pattern);
        }
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~PlanFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    PlanFolder(const PlanFolder&) = delete;
    PlanFolder& operator=(const PlanFolder&) = delete;

    void write(const std::string& name, std::string_view bytes) const
    {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            throw std::runtime_error("cannot write test file " + name);
        }
    }
    void writeCatalogue(std::string_view bytes) const { write(kCatalogueFileName, bytes); }
    void writePlan(std::string_view bytes) const { write(kPlanFileName, bytes); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace zef::testing
