// What this window last saw of the plan file, so that a refresh never writes
// over a plan that someone else (another window, an editor) put there since.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zef {

class PlanOnDisk {
public:
    explicit PlanOnDisk(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    // The bytes this window loaded from the file or wrote to it.
    void remember(std::string bytes) { known_ = std::move(bytes); }

    enum class Write {
        Needless,  // the file already holds exactly these bytes
        Safe,      // nothing there, or what the window last saw, or no file (a folder) at all
        Unseen,    // it would lose what someone else put there, or what could not be read
    };
    Write whatWritingMeans(const std::string& bytes) const;

private:
    std::filesystem::path path_;
    std::optional<std::string> known_;
};

}  // namespace zef
