#pragma once

// Some editors put a UTF-8 byte-order mark in front of a text file. Readers
// look past it so the first section is not hidden behind it, and writers put
// it back so a file keeps the form it came in.

#include <string_view>

namespace corvid {

// The three bytes of the UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Removes a leading byte-order mark from `text`; returns whether it was there.
bool StripByteOrderMark(std::string_view& text);

} // namespace corvid
