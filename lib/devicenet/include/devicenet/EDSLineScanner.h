#pragma once

// The line routines of the DeviceNet and EtherNet/IP readers (and of
// DeviceNet generation). Those files are scanned line by line rather than as
// settings files: entries span lines, "$" starts a comment, and blanks
// outside double quotes carry no meaning. Section headers and keywords match
// exactly, case sensitive, at the start of a normalised line.

#include "dictionaries/ReaderDiagnostics.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

// How NormalizeLine treats a line that begins with "[". DeviceNet files
// normalise it like any line; EtherNet/IP files keep a header line as
// written (a header is still recognised by its beginning).
enum class HeaderLines { Normalize, KeepAsWritten };

// Drops spaces and tabs outside double quotes and cuts the line at a "$"
// outside quotes; inside quotes every character stays, the quotes too.
std::string NormalizeLine(std::string_view line, HeaderLines headers = HeaderLines::Normalize);

// Position of the first `character` at or after `start` outside double
// quotes (quote state counted from `start`), or -1.
std::ptrdiff_t FindOutsideQuotes(std::string_view line, char character, size_t start = 0);

// True when the normalised line begins with `keyword` (exact letter case).
bool KeywordAt(std::string_view line, std::string_view keyword);

// The lines of a file's text, each normalised as it is taken. A line ends at
// a line feed; a carriage return in front of it is dropped; the last line
// needs no line feed. The text must outlive the source.
class CEDSLineSource {
public:
    explicit CEDSLineSource(std::string_view text, HeaderLines headers = HeaderLines::Normalize)
        : text_(text), headers_(headers) {}

    // The next line, normalised; false at the end of the text.
    bool Next(std::string& line) { return Next(line, headers_); }
    // The same, with a line that begins with "[" normalised like any other:
    // inside an entry such a line is a piece of a value, not a header.
    bool NextPiece(std::string& piece) { return Next(piece, HeaderLines::Normalize); }
    // 1-based number of the line last taken; 0 before the first.
    int LineNumber() const { return lineNumber_; }

private:
    bool Next(std::string& line, HeaderLines headers);

    std::string_view text_;
    size_t position_ = 0;
    int lineNumber_ = 0;
    HeaderLines headers_;
};

// Joins an entry that spans lines: while `line` does not end with ";", the
// next line (normalised, see NextPiece) is appended directly. Returns false
// when the text ends first; the entry is then incomplete and the read must
// end.
bool JoinEntry(std::string& line, CEDSLineSource& source);

// JoinEntry for a reader: an entry cut off by the end of the text is noted
// at the line it began on.
bool JoinEntry(std::string& line, CEDSLineSource& source, ReaderDiagnostics* diagnostics,
               const std::string& path);

// The fields of a joined entry: the value starts behind the first "="
// outside quotes; fields end at "," outside quotes and the last at the first
// ";" outside quotes. Fields are kept as written (quotes retained). No "="
// gives no fields.
std::vector<std::string> EntryFields(std::string_view entry);

// Exactly `count` fields: missing ones are empty, and the last one takes
// everything up to the ";" (commas included) when there are more.
std::vector<std::string> EntryFields(std::string_view entry, size_t count);

// The number written between `keyword` and the first "=" ("Input12=" gives
// 12), by ParseNumber.
uint32_t EntryNumber(std::string_view entry, std::string_view keyword);

// The value of a single-value keyword line: everything behind the first "="
// outside quotes with every ";" removed (inside quotes as well).
std::string SingleValue(std::string_view line);

// Reads an unsigned field by ParseNumber, keeping the low 8 or 16 bits.
uint8_t Number8(std::string_view text);
uint16_t Number16(std::string_view text);

// Reads a signed field: an optional leading "-" and then a ParseNumber
// number. Keeps the low 16 bits, so what the writer writes reads back.
int16_t ParseSigned16(std::string_view text);

// Where a section reader stopped.
enum class SectionEnd { EndOfFile, AtHeader };

inline constexpr size_t kNoHeader = static_cast<size_t>(-1);

// The first of `headers` (in order) the line begins with, or kNoHeader.
size_t HeaderAt(std::string_view line, std::span<const std::string_view> headers);

// The frame every section reader shares. `line` is the current line (the
// section's header when called from the main loop). Lines are taken until
// one begins with another of `headers`; the section's own header,
// `headers[own]`, enters it once (calling onEnter), a repeated one is
// skipped. Every line after entering goes to onLine, which returns false
// when the read must end (an entry cut off by the end of the text). Lines of
// sections that are not among `headers` are thus read as part of the known
// section in front.
template <typename OnEnter, typename OnLine>
SectionEnd ReadSection(CEDSLineSource& source, std::string& line,
                       std::span<const std::string_view> headers, size_t own, OnEnter&& onEnter,
                       OnLine&& onLine) {
    bool entered = false;
    for (;;) {
        const size_t header = HeaderAt(line, headers);
        if (!entered && header == own) {
            entered = true;
            onEnter();
        } else if (header != kNoHeader && header != own) {
            return SectionEnd::AtHeader;
        } else if (entered && !onLine(line)) {
            return SectionEnd::EndOfFile;
        }
        if (!source.Next(line))
            return SectionEnd::EndOfFile;
    }
}

// The main loop: lines in front of the first known header are skipped; at
// each known header readSection(index, line) runs that section's reader,
// which returns where it stopped.
template <typename ReadSectionAt>
void ReadSections(CEDSLineSource& source, std::span<const std::string_view> headers,
                  ReadSectionAt&& readSection) {
    std::string line;
    bool more = source.Next(line);
    while (more) {
        const size_t header = HeaderAt(line, headers);
        if (header == kNoHeader)
            more = source.Next(line);
        else
            more = readSection(header, line) == SectionEnd::AtHeader;
    }
}

} // namespace corvid
