#include "plan_recovery.h"

#include "user_folders.h"
#include "whole_file.h"

#include <cstdint>
#include <cstdio>

namespace zef {

namespace {

// One pair of files per plan, named after the plan's path, so plans of
// different folders never share a copy.
std::string NameStem(const std::string& plan)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : plan) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char stem[32];
    std::snprintf(stem, sizeof stem, "rekrut-%016llx", static_cast<unsigned long long>(hash));
    return stem;
}

void Remove(const std::optional<std::filesystem::path>& path)
{
    std::error_code ignored;
    if (path) {
        std::filesystem::remove(*path, ignored);
    }
}

}  // namespace

PlanRecovery::PlanRecovery(std::optional<std::filesystem::path> stateFolder, const std::filesystem::path& plan)
{
    std::error_code error;
    plan_ = std::filesystem::weakly_canonical(std::filesystem::absolute(plan, error), error).string();
    if (stateFolder) {
        const std::string stem = NameStem(plan_);
        copy_ = *stateFolder / (stem + ".txt");
        mark_ = *stateFolder / (stem + ".mark");
    }
}

std::optional<FileFailure> PlanRecovery::keep(std::string_view oldBytes)
{
    if (!copy_) {
        return FileFailure{FileProblem::NoHomeFolder, {}};
    }
    std::error_code error;
    std::filesystem::create_directories(copy_->parent_path(), error);
    if (std::optional<FileFailure> failure = ReplaceFileVerified(*copy_, oldBytes)) {
        return failure;
    }
    return ReplaceFileVerified(*mark_, plan_ + "\n");
}

void PlanRecovery::release() { Remove(mark_); }

std::optional<std::string> PlanRecovery::interruptedSave(const std::string& current) const
{
    if (!mark_ || ReadWholeFile(*mark_).bytes != plan_ + "\n") {
        return std::nullopt;
    }
    const FileRead copy = ReadWholeFile(*copy_);
    if (copy.failure || copy.missing || copy.bytes == current) {
        return std::nullopt;
    }
    return copy.bytes;
}

void PlanRecovery::forgetInterruptedSave() { Remove(mark_); }

void PlanRecovery::saved()
{
    Remove(mark_);
    Remove(copy_);
}

std::optional<std::filesystem::path> UserRecoveryFolder()
{
    const std::optional<std::filesystem::path> state = UserStateFolder();
    if (!state) {
        return std::nullopt;
    }
    return *state / "ZeF";
}

}  // namespace zef
