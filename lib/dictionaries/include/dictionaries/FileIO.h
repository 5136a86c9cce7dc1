#pragma once

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

} // namespace corvid
