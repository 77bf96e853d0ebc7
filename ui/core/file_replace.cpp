#include "file_replace.h"

#include <utility>

namespace zef {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

std::optional<FileFailure> Failed(std::error_code error)
{
    if (!error) {
        return std::nullopt;
    }
    return FailureOf(error);
}

// Overwrites the file from its start and cuts it to the new length; nothing
// is cut before the new bytes are down.
std::optional<FileFailure> Overwrite(NativeFile& file, std::string_view bytes)
{
    if (std::error_code error = file.rewind()) {
        return FailureOf(error);
    }
    if (std::error_code error = file.write(bytes)) {
        return FailureOf(error);
    }
    if (std::error_code error = file.truncate(bytes.size())) {
        return FailureOf(error);
    }
    return Failed(file.sync());
}

std::optional<FileFailure> ReplaceInPlace(const std::filesystem::path& path, std::string_view bytes,
                                          RewriteGuard* guard)
{
    std::error_code error;
    NativeFile file = NativeFile::OpenForRewrite(path, error);
    if (error) {
        return FailureOf(error);
    }
    std::string old;
    if ((error = file.readAll(old))) {
        return FailureOf(error);
    }
    if (guard) {
        if (std::optional<FileFailure> failure = guard->keep(old, bytes)) {
            return failure;
        }
    }
    const std::optional<FileFailure> failure = Overwrite(file, bytes);
    // The old bytes fitted before, so they fit again.
    if (failure && Overwrite(file, old)) {
        // Neither whole: the guard's copy is all that is left of the old file.
        return failure;
    }
    if (guard) {
        guard->release();
    }
    return failure;
}

// Where following `path`'s links leads, one link at a time, so that a link
// to a missing file leads to the name it gives. Stops at a link to a file
// this process has open; a loop of links is left to the open to refuse.
std::filesystem::path LinkTarget(const std::filesystem::path& path)
{
    constexpr int kMostLinks = 40;
    std::filesystem::path file = path;
    std::error_code error;
    for (int hop = 0; hop < kMostLinks && !IsOpenFileLink(file) && std::filesystem::is_symlink(file, error); ++hop) {
        const std::filesystem::path next = std::filesystem::read_symlink(file, error);
        if (error) {
            break;
        }
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

}  // namespace

PendingFile::PendingFile(std::filesystem::path target) : target_(std::move(target)) {}

PendingFile::~PendingFile() { discard(); }

std::optional<FileFailure> PendingFile::open()
{
    std::error_code error;
    // Said alike on every system; Windows would only say that access is denied.
    if (std::filesystem::is_directory(target_, error)) {
        return FailureOf(std::make_error_code(std::errc::is_a_directory));
    }
    replaced_ = LinkTarget(target_);
    // A file its owner made read-only is not replaced behind that.
    if (std::filesystem::is_regular_file(replaced_, error) && !IsWritableFile(replaced_)) {
        return FileFailure{FileProblem::ReadOnlyFile, std::make_error_code(std::errc::permission_denied).message()};
    }
    if (IsOpenFileLink(replaced_) ||
        (std::filesystem::exists(replaced_, error) && !std::filesystem::is_regular_file(replaced_, error))) {
        file_ = NativeFile::OpenForWriting(target_, error);
    } else {
        file_ = NativeFile::CreateBeside(replaced_, temporary_, error);
    }
    return Failed(error);
}

std::optional<FileFailure> PendingFile::write(std::string_view bytes)
{
    buffer_.append(bytes);
    return buffer_.size() >= kBufferBytes ? flushBuffer() : std::nullopt;
}

std::optional<FileFailure> PendingFile::flushBuffer()
{
    const std::error_code error = file_.write(buffer_);
    buffer_.clear();
    return Failed(error);
}

std::optional<FileFailure> PendingFile::commit()
{
    if (std::optional<FileFailure> failure = flushBuffer()) {
        return failure;
    }
    if (std::error_code error = file_.sync()) {
        return FailureOf(error);
    }
    if (std::error_code error = file_.close()) {
        return FailureOf(error);
    }
    if (temporary_.empty()) {
        return std::nullopt;
    }
    if (std::error_code error = RenameOver(temporary_, replaced_)) {
        return FailureOf(error);
    }
    temporary_.clear();
    return std::nullopt;
}

void PendingFile::discard()
{
    file_ = NativeFile();
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        temporary_.clear();
    }
}

std::optional<FileFailure> ReplaceFileVerified(const std::filesystem::path& path, std::string_view bytes,
                                               RewriteGuard* guard)
{
    std::error_code error;
    const bool existing = std::filesystem::is_regular_file(path, error);
    PendingFile pending(path);
    if (std::optional<FileFailure> failure = pending.open()) {
        if (existing && failure->problem != FileProblem::ReadOnlyFile) {
            return ReplaceInPlace(path, bytes, guard);
        }
        return failure;
    }
    if (std::optional<FileFailure> failure = pending.write(bytes)) {
        return failure;
    }
    return pending.commit();
}

}  // namespace zef
