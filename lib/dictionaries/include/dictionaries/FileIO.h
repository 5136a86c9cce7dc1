#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvid {

// Reads a whole file as bytes. On failure returns false and puts the
// system's error text into `error`.
bool ReadWholeFile(const std::string& path, std::string& contents, std::string& error);

// Replaces the file at `path` with `contents` without ever leaving a cut-off
// file behind: the bytes go to a temporary file in the same folder, which is
// then renamed over the target. Saving onto a symbolic link replaces the file
// it points to and leaves the link; a target that exists but is not a
// regular file (a device, a pipe, a folder) is refused. On failure the
// previous file is untouched, the temporary file is removed, and `error`
// holds the reason, the system's error text where there is one.
bool SaveFileReplacing(const std::string& path, std::string_view contents, std::string& error);

// The same safe replacement for a file written in pieces as it is made, so
// that a large file is never held whole in memory: Open makes the temporary
// file, Write appends, Commit renames it over the target. A file dropped
// without Commit, or after a failed Write, is removed and the target stays
// as it was.
class CReplacingFile {
public:
    CReplacingFile() = default;
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;
    ~CReplacingFile();

    bool Open(const std::string& path, std::string& error);
    // After a failure nothing more is written; Commit reports it.
    void Write(std::string_view bytes);
    bool Commit(std::string& error);

private:
    void Discard();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    int errorCode_ = 0;
    size_t written_ = 0;
    size_t sentToDisk_ = 0; // the bytes whose writing to disk was started
};

} // namespace corvid
