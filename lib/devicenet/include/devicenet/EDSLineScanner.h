#pragma once

// The line routines of the DeviceNet and EtherNet/IP readers (and of
// DeviceNet generation). Those files are scanned line by line rather than as
// settings files: entries span lines, "$" starts a comment, and blanks
// outside double quotes carry no meaning. Section headers and keywords match
// exactly, case sensitive, at the start of a normalised line.

#include "devicenet/EDSKeptLines.h"
#include "dictionaries/ReaderDiagnostics.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

struct CleanedLines;

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

// Where the fields of an entry may end, noted while its lines are cleaned
// and joined, so that splitting the entry does not scan it again: every
// "=", "," and ";" outside quotes, with quote state counted from the
// entry's start, as CEntryFieldCursor counts it; the cursor picks the ends
// out of them. One is reused from entry to entry.
class CEntryFieldEnds {
public:
    // Starts over with the entry's first line, cleaned; its first `from`
    // characters hold no stop and no quote (a numbered key).
    void Start(std::string_view line, size_t from = 0) {
        count_ = 0;
        quoted_ = false;
        Scan(line, from);
    }
    // Notes the ends in `entry` from `from` on.
    void Scan(std::string_view entry, size_t from);
    // Room for `more` ends behind those noted; Noted() says how far it was
    // filled.
    size_t* Room(size_t more) {
        if (ends_.size() < count_ + more)
            ends_.resize(2 * (count_ + more));
        return ends_.data() + count_;
    }
    void Noted(const size_t* end) { count_ = static_cast<size_t>(end - ends_.data()); }
    // A quote was left open at the end of what was noted.
    void OpenQuote() { quoted_ = true; }
    bool Quoted() const { return quoted_; }

private:
    friend class CEntryFieldCursor;

    std::vector<size_t> ends_; // the first count_ are noted
    size_t count_ = 0;
    bool quoted_ = false;
};

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
    // The next line as written, not cleaned (see RawLine), for a line that is
    // only kept; false at the end of the text.
    bool NextRaw(std::string_view& raw);
    // 1-based number of the line last taken; 0 before the first.
    int LineNumber() const { return lineNumber_; }
    // The line last taken as written, without its line end.
    std::string_view RawLine() const { return raw_; }
    // Where the line last taken begins in the text.
    size_t LineOffset() const { return lineOffset_; }
    // The lines from `offset` (a LineOffset()) up to the next line to be
    // taken, as written: one view of the text, line ends included.
    std::string_view RawTextSince(size_t offset) const;
    // The text from the next line to be taken to the end.
    std::string_view Rest() const {
        return position_ < text_.size() ? text_.substr(position_) : std::string_view();
    }
    // While `entry` does not end with ";", appends the next line,
    // normalised like any other (see NextPiece), noting the field ends in
    // `ends` when given; false when the text ends first.
    bool JoinRest(std::string& entry, CEntryFieldEnds* ends = nullptr);
    // Gives the line last taken back: the next Next() takes it again.
    void PutBack();
    // The text from the line last taken on, as written, for a reader that
    // walks an entry's lines itself (see TakePlainEntry).
    std::string_view TextFromLine() const { return text_.substr(lineOffset_); }
    // Moves on past the lines behind the line last taken, walked as
    // written, as JoinRest would have moved past them cleaned; their places
    // are counted from the start of TextFromLine().
    void SkipLines(CleanedLines lines);

private:
    bool Next(std::string& line, HeaderLines headers);
    // Moves on past the lines just cleaned or taken.
    void Took(const CleanedLines& lines);

    std::string_view text_;
    size_t position_ = 0;
    size_t lineOffset_ = 0;
    std::string_view raw_;
    int lineNumber_ = 0;
    HeaderLines headers_;
};

// Joins an entry that spans lines: while `line` does not end with ";", the
// next line (normalised, see NextPiece) is appended directly. Returns false
// when the text ends first; the entry is then incomplete and the read must
// end. With `ends`, the joined entry's field ends are noted there; the
// first `keyEnd` characters of `line` are known to hold none (see
// NumberedKeyAt), so they are not looked at.
bool JoinEntry(std::string& line, CEDSLineSource& source, CEntryFieldEnds* ends = nullptr,
               size_t keyEnd = 0);

// JoinEntry for a reader: an entry cut off by the end of the text is noted
// at the line it began on.
bool JoinEntry(std::string& line, CEDSLineSource& source, ReaderDiagnostics* diagnostics,
               const std::string& path, CEntryFieldEnds* ends = nullptr, size_t keyEnd = 0);

// The fields of a joined entry: the value starts behind the first "="
// outside quotes; fields end at "," outside quotes and the last at the first
// ";" outside quotes. Fields are kept as written (quotes retained). No "="
// gives no fields.
std::vector<std::string> EntryFields(std::string_view entry);

// Exactly `count` fields: missing ones are empty, and the last one takes
// everything up to the ";" (commas included) when there are more.
std::vector<std::string> EntryFields(std::string_view entry, size_t count);

// The fields of a joined entry one by one, split as EntryFields splits
// them, as views into the entry: a reader copies only what its model keeps.
class CEntryFieldCursor {
public:
    explicit CEntryFieldCursor(std::string_view entry);
    // The same split from the ends noted while `entry` was joined; `ends`
    // must outlive the cursor.
    CEntryFieldCursor(std::string_view entry, const CEntryFieldEnds& ends);
    // The next field; false when there is none.
    bool Next(std::string_view& field);
    // Every field not taken yet, commas included; empty when none is left.
    std::string_view Rest();
    // The next fields.size() - 1 fields and then Rest(), as EntryFieldViews
    // gives them; fields the entry lacks are left as they are.
    void TakeFields(std::span<std::string_view> fields);
    // No field is left.
    bool AtEnd() const { return done_; }

private:
    // The field at start_, up to the next "," (when `commas`) or the end.
    std::string_view Take(bool commas);
    // Where that field ends: at a "," (when `commas`) or ";", or npos.
    size_t FieldEndFrom(bool commas);

    std::string_view value_; // the whole entry; fields are cut lazily

    const CEntryFieldEnds* ends_ = nullptr; // when noted while joining
    size_t nextEnd_ = 0;                    // the next of ends_ to look at
    size_t start_ = 0;
    bool done_ = false;
};

// Exactly N fields as views, like EntryFields(entry, N).
template <size_t N> std::array<std::string_view, N> EntryFieldViews(CEntryFieldCursor cursor) {
    static_assert(N > 0);
    std::array<std::string_view, N> fields{};
    cursor.TakeFields(fields);
    return fields;
}

template <size_t N> std::array<std::string_view, N> EntryFieldViews(std::string_view entry) {
    return EntryFieldViews<N>(CEntryFieldCursor(entry));
}

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

// The lines of a stretch of text as written, without their line ends.
std::vector<std::string> RawLinesOf(std::string_view text);
// The same, appended to `lines`.
void AppendRawLines(std::string_view text, std::vector<std::string>& lines);

// Where a section reader stopped.
enum class SectionEnd { EndOfFile, AtHeader };

// What a section reader did with a line.
enum class LineUse { Read, NotRead, CutOff };

inline constexpr size_t kNoHeader = static_cast<size_t>(-1);

// HeaderAt for a line that begins with "[".
size_t HeaderAmong(std::string_view line, std::span<const std::string_view> headers);

// The first of `headers` (in order) the line begins with, or kNoHeader.
// Every header begins with "[".
inline size_t HeaderAt(std::string_view line, std::span<const std::string_view> headers) {
    // Every line is tested, and most are no header: they are told apart
    // here, without a call.
    return line.starts_with('[') ? HeaderAmong(line, headers) : kNoHeader;
}

// "[File]" gives "File".
std::string_view SectionNameOf(std::string_view header);

// True when the normalised line begins with `keyword` followed by a number
// and "=" ("Param12=", not "Param=" or "ParamClass="), as numbered entries
// are written.
bool NumberedKeywordAt(std::string_view line, std::string_view keyword);

// The key of a numbered entry, as NumberedKeywordAt finds it.
struct NumberedKey {
    uint32_t Number = 0; // as EntryNumber reads it
    size_t Equals = 0;   // where its "=" stands
};

// NumberedKeywordAt and EntryNumber in one look at the key: readers test
// every line of a section and need the number of those that match.
std::optional<NumberedKey> NumberedKeyAt(std::string_view line, std::string_view keyword);

// Where the frame keeps what the section readers do not read.
struct KeptLineTarget {
    CEDSKeptLines& Kept;
    ReaderDiagnostics* Diagnostics = nullptr;
    std::string Path; // for the notes
};

// An entry no section reader used, beginning at `offset` (a LineOffset())
// on line `firstLine`; `line` holds it normalised, joined as far as it was,
// and is used up.
// It is joined up to its ";" like any entry, but ends in front of a section
// header, in front of a line with a "=" of its own (the next entry) or at
// the end of the text (a line without "=" is not joined), and its lines are
// kept as written under `section`.
void KeepEntry(std::string& line, CEDSLineSource& source, size_t offset, int firstLine,
               std::string_view section, KeptLineTarget& target);

// A section no reader reads, from its header in `line`, or the lines in
// front of the first section when `line` is no header: every line up to the
// next one that begins with "[" is kept. Returns false at the end of the
// text; otherwise `line` holds that next header.
bool KeepSection(std::string& line, CEDSLineSource& source, std::optional<std::string_view> after,
                 KeptLineTarget& target);

// The frame every section reader shares. `line` is the current line (the
// section's header when called from the main loop). Lines are taken until
// one begins with "[" other than the section's own header, `headers[own]`,
// which enters the section once (calling onEnter); a repeated one is
// passed over. Before the section is entered, lines are passed over up to
// its header or another of `headers`. Every line after entering goes to
// onLine, which says whether it read the line; what it did not read is kept
// (KeepEntry), and CutOff ends the read (an entry cut off by the end of the
// text).
template <typename OnEnter, typename OnLine>
SectionEnd ReadSection(CEDSLineSource& source, std::string& line,
                       std::span<const std::string_view> headers, size_t own, KeptLineTarget& kept,
                       OnEnter&& onEnter, OnLine&& onLine) {
    bool entered = false;
    for (;;) {
        const size_t header = HeaderAt(line, headers);
        if (!entered) {
            if (header == own) {
                entered = true;
                onEnter();
            } else if (header != kNoHeader) {
                return SectionEnd::AtHeader;
            }
        } else if (line.starts_with('[')) {
            if (header != own)
                return SectionEnd::AtHeader;
        } else if (!line.empty()) {
            const size_t offset = source.LineOffset();
            const int firstLine = source.LineNumber();
            const LineUse use = onLine(line);
            if (use == LineUse::CutOff)
                return SectionEnd::EndOfFile;
            if (use == LineUse::NotRead)
                KeepEntry(line, source, offset, firstLine, SectionNameOf(headers[own]), kept);
        }
        if (!source.Next(line))
            return SectionEnd::EndOfFile;
    }
}

// The main loop: at each known header readSection(index, line) runs that
// section's reader, which returns where it stopped; other sections, and
// lines in front of the first section, are kept whole.
template <typename ReadSectionAt>
void ReadSections(CEDSLineSource& source, std::span<const std::string_view> headers,
                  KeptLineTarget& kept, ReadSectionAt&& readSection) {
    std::string line;
    std::optional<std::string_view> after; // none until a known section was met
    bool more = source.Next(line);
    while (more) {
        const size_t header = HeaderAt(line, headers);
        if (header == kNoHeader) {
            more = KeepSection(line, source, after, kept);
        } else {
            after = SectionNameOf(headers[header]);
            more = readSection(header, line) == SectionEnd::AtHeader;
        }
    }
}

} // namespace corvid
