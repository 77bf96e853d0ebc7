// A fresh temporary folder that a test, a benchmark or the fuzz target runs
// in. The engine reads its data files by bare name from the current directory,
// so the folder is the current directory while the object lives; afterwards
// the previous one is again, and the folder is gone even when a test took its
// permissions away.
#pragma once

#include "catalogue.h"
#include "plan_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zef::testing {

class PlanFolder {
public:
    PlanFolder() : previous_(std::filesystem::current_path()), path_(MakeFolder())
    {
        std::filesystem::current_path(path_);
    }
    ~PlanFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        // Windows removes no read-only file, and a test may have left one.
        for (auto entry = std::filesystem::recursive_directory_iterator(path_, ignored);
             entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
            std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow,
                                         ignored);
        }
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
    // A new folder of a random name that only its owner may enter, as
    // mkdtemp() makes, which not every system has.
    static std::filesystem::path MakeFolder()
    {
        const std::filesystem::path temporary = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            char name[16];
            std::snprintf(name, sizeof name, "zef-%08x", static_cast<unsigned>(random()));
            const std::filesystem::path path = temporary / name;
            if (std::filesystem::create_directory(path)) {
                std::filesystem::permissions(path, std::filesystem::perms::owner_all);
                return path;
            }
        }
        throw std::runtime_error("cannot make a temporary folder in " + temporary.string());
    }

    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace zef::testing
