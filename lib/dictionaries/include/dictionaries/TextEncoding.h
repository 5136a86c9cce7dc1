#pragma once

// Values stay bytes in the core; only display decodes them. A text that is
// valid UTF-8 is shown as such, anything else as Windows-1252, the code page
// most EDS files of that era were written in.

#include <string>
#include <string_view>

namespace corvid {

bool IsValidUtf8(std::string_view bytes);
// Bytes above ASCII that are valid UTF-8: a value that tells its file holds
// its texts as UTF-8 (pure ASCII tells nothing).
bool HoldsUtf8Text(std::string_view bytes);

// The bytes as UTF-8 for display: unchanged when valid UTF-8, otherwise each
// byte decoded as Windows-1252 (its five unassigned bytes map to the C1
// controls of the same value, so nothing is lost).
std::string DecodeForDisplay(std::string_view bytes);

// Turns a UTF-8 text typed by the user back into the encoding the file
// uses: Windows-1252 when `fileIsUtf8` is false and every character has a
// Windows-1252 byte; otherwise the UTF-8 itself.
std::string EncodeForFile(std::string_view utf8, bool fileIsUtf8);

} // namespace corvid
