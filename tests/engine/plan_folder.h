// A fresh temporary folder that a test runs in: the engine reads its data
// files by bare name from the current directory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zef::testing {

class PlanFolder {
public:
    PlanFolder();
    ~PlanFolder();
    PlanFolder(const PlanFolder&) = delete;
    PlanFolder& operator=(const PlanFolder&) = delete;

    void write(const std::string& name, std::string_view bytes) const;
    void writeCatalogue(std::string_view bytes) const { write("arm.txt", bytes); }
    void writePlan(std::string_view bytes) const { write("rekrut.txt", bytes); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// The report text that the latest run appended.
std::string LatestReport(std::size_t sizeBefore);

}  // namespace zef::testing
