#pragma once

// Cleaning of the lines of a DeviceNet or EtherNet/IP file, straight from
// the file's text onto the line or entry being built: blanks and tabs
// outside double quotes go, a "$" outside quotes cuts the line, and inside
// quotes every character stays, the quotes too; a quote left open runs to
// the end of its line. A line ends at a line feed; a carriage return in
// front of it, or at the end of the text, is not part of the line.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvid {

class CEntryFieldEnds;

// Where the lines cleaned stood in the text.
struct CleanedLines {
    size_t LastLine = 0;   // where the last of them begins
    size_t LastRawEnd = 0; // where its text ends, without its line end
    size_t Next = 0;       // where the line behind it begins (past the text's end after the last)
    int Count = 0;         // how many were cleaned
};

// The line of `text` that begins at `from` (before the text's end), cleaned
// onto the end of `out`.
CleanedLines CleanLineOnto(std::string& out, std::string_view text, size_t from);

// The lines of `text` from `from` (before the text's end) cleaned onto the
// end of `out`, until `out` ends with ";" behind a line or the text ends.
// With `ends`, every "=", "," and ";" outside quotes is noted there, quote
// state counted from the entry's start.
CleanedLines CleanEntryLinesOnto(std::string& out, std::string_view text, size_t from,
                                 CEntryFieldEnds* ends);

// All of `text` cleaned onto the end of `out` as one line: a line feed or
// carriage return in it is kept like any other character.
void CleanTextOnto(std::string& out, std::string_view text);

// Where a quoted text that opened in front of `from` closes: the first
// quote from `from` on, or, with `lineEnds`, the line feed that leaves it
// open; the end of the text when there is neither.
size_t QuoteEndFrom(std::string_view text, size_t from, bool lineEnds = true);

// The line of `text` that begins at `from`, as written.
CleanedLines LineAt(std::string_view text, size_t from);

} // namespace corvid
