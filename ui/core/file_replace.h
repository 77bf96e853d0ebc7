// The one way the program replaces a file (the plan, the settings, the
// project options, a CSV): either the new bytes are on the disk whole, or the
// old file is still there byte for byte and the caller learns why.
#pragma once

#include "file_failure.h"
#include "native_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zef {

// Keeps the old bytes of a file that has to be rewritten in place, where a
// killed process would leave it torn, until the rewrite is on the disk.
class RewriteGuard {
public:
    virtual ~RewriteGuard() = default;
    // Called before the first byte is written over; a failure stops the rewrite.
    virtual std::optional<FileFailure> keep(std::string_view oldBytes, std::string_view newBytes) = 0;
    // Called once the file holds whole bytes again, new or old.
    virtual void release() = 0;
};

// The new version of a file, written beside it and put in its place only
// once it is whole on the disk. A name that is a link stands for the file it
// leads to: that file is replaced and the link stays, with every other file
// the link's folder holds. A file that is not a regular file (a device, a
// FIFO) or that this process has open (/dev/stdout) has no place to be
// written beside: it is written directly. Destroyed without commit(), it
// leaves the old file as it was.
class PendingFile {
public:
    explicit PendingFile(std::filesystem::path target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    std::optional<FileFailure> open();
    // Buffered; a failure may show only at a later write or at commit().
    std::optional<FileFailure> write(std::string_view bytes);
    // Every byte written and flushed to the disk, then renamed over the target.
    std::optional<FileFailure> commit();

    // The file written until commit(); empty when the target is written directly.
    const std::filesystem::path& temporary() const { return temporary_; }

private:
    std::optional<FileFailure> flushBuffer();
    void discard();

    std::filesystem::path target_;
    std::filesystem::path replaced_;   // the file the target's links lead to
    std::filesystem::path temporary_;  // empty when writing the target directly
    NativeFile file_;
    std::string buffer_;
};

// Writes `bytes` through a PendingFile. Where no file can be made beside it
// (a read-only folder) but the file itself is writable, it is rewritten in
// place: `guard`, when given, first keeps the old bytes, and should the
// rewrite fail the old bytes are written back.
std::optional<FileFailure> ReplaceFileVerified(const std::filesystem::path& path, std::string_view bytes,
                                               RewriteGuard* guard = nullptr);

}  // namespace zef
