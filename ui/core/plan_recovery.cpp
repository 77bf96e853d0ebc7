#include "plan_recovery.h"

#include "user_folders.h"
#include "whole_file.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

namespace zef {

namespace {

std::uint64_t Checksum(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

// Bytes told apart by their length and checksum.
struct Fingerprint {
    std::uint64_t length = 0;
    std::uint64_t checksum = 0;

    static Fingerprint Of(std::string_view bytes) { return {bytes.size(), Checksum(bytes)}; }
    bool operator==(const Fingerprint&) const = default;
};

// The mark, one field a line: the plan's path, which file it was ("-" when
// that could not be learnt), and the fingerprints of the old and new bytes.
struct Mark {
    std::string plan;
    std::string identity;
    Fingerprint before;
    Fingerprint after;
};

std::string Line(const Fingerprint& print)
{
    char text[48];
    std::snprintf(text, sizeof text, "%" PRIu64 " %016" PRIx64 "\n", print.length, print.checksum);
    return text;
}

std::string MarkText(const Mark& mark)
{
    return mark.plan + "\n" + mark.identity + "\n" + Line(mark.before) + Line(mark.after);
}

std::optional<Fingerprint> FingerprintOf(std::string_view line)
{
    Fingerprint print;
    char end = 0;
    if (std::sscanf(std::string(line).c_str(), "%" SCNu64 " %16" SCNx64 "%c", &print.length, &print.checksum, &end) !=
        2) {
        return std::nullopt;
    }
    return print;
}

std::optional<Mark> ParseMark(std::string_view text)
{
    std::string_view fields[4];
    for (std::string_view& field : fields) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        field = text.substr(0, end);
        text.remove_prefix(end + 1);
    }
    const std::optional<Fingerprint> before = FingerprintOf(fields[2]);
    const std::optional<Fingerprint> after = FingerprintOf(fields[3]);
    if (!text.empty() || !before || !after) {
        return std::nullopt;
    }
    return Mark{std::string(fields[0]), std::string(fields[1]), *before, *after};
}

// One set of files per plan, named after the plan's path, so plans of
// different folders never share a copy.
std::string NameStem(const std::string& plan)
{
    char stem[32];
    std::snprintf(stem, sizeof stem, "rekrut-%016" PRIx64, Checksum(plan));
    return stem;
}

}  // namespace

PlanRecovery::PlanRecovery(std::optional<std::filesystem::path> stateFolder, const std::filesystem::path& plan)
    : folder_(std::move(stateFolder))
{
    std::error_code error;
    plan_ = std::filesystem::weakly_canonical(std::filesystem::absolute(plan, error), error).string();
    stem_ = NameStem(plan_);
}

std::optional<FileFailure> PlanRecovery::keep(std::string_view oldBytes, std::string_view newBytes)
{
    if (!folder_) {
        keepFailed_ = true;
        return FileFailure{FileProblem::NoHomeFolder, {}};
    }
    std::error_code error;
    // The copies are the player's plans: for the player's eyes only.
    if (std::filesystem::create_directories(*folder_, error)) {
        std::filesystem::permissions(*folder_, std::filesystem::perms::owner_all, error);
    } else {
        std::filesystem::permissions(*folder_, std::filesystem::perms::group_all | std::filesystem::perms::others_all,
                                     std::filesystem::perm_options::remove, error);
    }
    const std::filesystem::path copy = *folder_ / (stem_ + ".txt");
    std::optional<FileFailure> failure = ReplaceFileVerified(copy, oldBytes);
    if (!failure) {
        std::filesystem::permissions(copy, std::filesystem::status(plan_, error).permissions(), error);
        const Mark mark{plan_, FileIdentity(plan_).value_or("-"), Fingerprint::Of(oldBytes), Fingerprint::Of(newBytes)};
        failure = ReplaceFileVerified(*folder_ / (stem_ + ".mark"), MarkText(mark));
    }
    keepFailed_ = failure.has_value();
    return failure;
}

// The copy goes after the mark, so that a mark never names a copy that is gone.
void PlanRecovery::release()
{
    if (folder_) {
        remove(*folder_ / (stem_ + ".mark"));
        remove(*folder_ / (stem_ + ".txt"));
    }
}

PlanRecovery::Finding PlanRecovery::lastSave(std::string_view current)
{
    if (!folder_) {
        return {};
    }
    const FileRead markFile = ReadWholeFile(*folder_ / (stem_ + ".mark"));
    if (markFile.missing || markFile.failure) {
        return {};
    }
    const std::optional<Mark> mark = ParseMark(markFile.bytes);
    const Fingerprint now = Fingerprint::Of(current);
    const bool sameFile = mark && (mark->identity == "-" || FileIdentity(plan_) == mark->identity);
    if (!mark || mark->plan != plan_ || !sameFile || now == mark->before || now == mark->after) {
        release();
        return {};
    }
    const FileRead copy = ReadWholeFile(*folder_ / (stem_ + ".txt"));
    if (copy.failure || copy.missing || Fingerprint::Of(copy.bytes) != mark->before) {
        return {LastSave::TornNoCopy, {}};
    }
    return {LastSave::Torn, copy.bytes};
}

void PlanRecovery::settle()
{
    const std::filesystem::path copy = *folder_ / (stem_ + ".txt");
    std::error_code error;
    if (std::filesystem::exists(copy, error)) {
        if ((error = RenameOver(copy, keptCopy()))) {
            note(FailureOf(error));
        }
    }
    remove(*folder_ / (stem_ + ".mark"));
}

void PlanRecovery::saved()
{
    if (folder_) {
        remove(keptCopy());
    }
}

std::filesystem::path PlanRecovery::keptCopy() const
{
    return folder_ ? *folder_ / (stem_ + "-pred-ulozenim.txt") : std::filesystem::path();
}

std::optional<FileFailure> PlanRecovery::takeFailure() { return std::exchange(failure_, std::nullopt); }

void PlanRecovery::remove(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::remove(file, error) && error) {
        note(FailureOf(error));
    }
}

void PlanRecovery::note(const std::optional<FileFailure>& failure)
{
    if (failure && !failure_) {
        failure_ = failure;
    }
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
