#include "devicenet/EDSLineScanner.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace corvid {

namespace {

// What a character is to line cleaning. Plain characters and field stops
// are kept, blanks outside quotes go; what the others do depends on where
// they stand. A line end, a carriage return or a NUL ends a run of the
// first three, so the run needs no bounds test of its own: the line's text
// is followed by one of them (its line end, or the string's terminating
// NUL).
enum class LineClass : uint8_t { Plain, Blank, FieldStop, Quote, Comment, Edge };

constexpr std::array<LineClass, 256> kLineClasses = [] {
    std::array<LineClass, 256> classes{};
    classes[' '] = LineClass::Blank;
    classes['\t'] = LineClass::Blank;
    classes['"'] = LineClass::Quote;
    classes['$'] = LineClass::Comment;
    for (const unsigned char c : {'=', ',', ';'})
        classes[c] = LineClass::FieldStop;
    for (const unsigned char c : {'\n', '\r', '\0'})
        classes[c] = LineClass::Edge;
    return classes;
}();

LineClass ClassOf(char c) {
    return kLineClasses[static_cast<unsigned char>(c)];
}

// The classes a run of cleaning takes in as bits: kept (1), a field stop
// (2), the run's end (4), so a character costs two additions, no branch.
constexpr std::array<uint8_t, 256> kRunSteps = [] {
    std::array<uint8_t, 256> steps{};
    for (size_t c = 0; c < steps.size(); ++c) {
        const LineClass kind = kLineClasses[c];
        steps[c] = kind == LineClass::Plain       ? 1
                   : kind == LineClass::Blank     ? 0
                   : kind == LineClass::FieldStop ? 3
                                                  : 4;
    }
    return steps;
}();

// Cleans the line text[read, stop) where it lies, writing from `write`
// (never behind `read`), and returns where the cleaned line ends. Blanks
// outside quotes go, a "$" outside quotes cuts the line; inside quotes
// every character stays, the quotes too, and a quote left open runs to the
// end of the line. text[stop] must be an Edge character. With kNote, the
// field stops are noted in `noting` as they are written; its quote state
// must be closed (the line's quotes then are the entry's).
template <bool kNote>
size_t CleanInPlace(char* const text, size_t read, const size_t stop, size_t write,
                    CEntryFieldEnds* noting) {
    size_t* ends = kNote ? noting->Room(stop - read) : nullptr;
    for (;;) {
        // Plain characters, blanks and field stops come mixed: each is
        // stored, a blank is not kept, a stop is noted, with no branch
        // between them.
        char c = text[read];
        uint8_t step = kRunSteps[static_cast<unsigned char>(c)];
        while (step < 4) {
            text[write] = c;
            if constexpr (kNote) {
                *ends = write;
                ends += step >> 1;
            }
            write += step & 1;
            c = text[++read];
            step = kRunSteps[static_cast<unsigned char>(c)];
        }
        const LineClass kind = ClassOf(c);
        if (kind == LineClass::Quote) {
            // Quoted texts are long enough for a search to beat a loop.
            const void* const found = std::memchr(text + read + 1, '"', stop - read - 1);
            const size_t end =
                found != nullptr ? size_t(static_cast<const char*>(found) - text) + 1 : stop;
            if (write != read)
                std::memmove(text + write, text + read, end - read);
            write += end - read;
            read = end;
            if (kNote && found == nullptr)
                noting->OpenQuote();
            continue;
        }
        if (kind == LineClass::Comment || read >= stop)
            break;
        text[write++] = c; // an Edge character inside the line is kept like any byte
        ++read;
    }
    if constexpr (kNote)
        noting->Noted(ends);
    return write;
}

// Noting while cleaning holds a place for every character of the line, so
// a longer line is scanned once cleaned instead.
constexpr size_t kLongestNotedLine = 4096;

// CleanInPlace noting the field stops in `ends` when given, whatever its
// quote state: when an earlier line of the entry left a quote open, this
// line's quotes close what the entry counts as open, so its stops are
// found by a scan of what the line became.
size_t CleanInPlace(char* const text, size_t read, const size_t stop, size_t write,
                    CEntryFieldEnds* ends) {
    if (ends == nullptr)
        return CleanInPlace<false>(text, read, stop, write, nullptr);
    if (!ends->Quoted() && stop - read <= kLongestNotedLine)
        return CleanInPlace<true>(text, read, stop, write, ends);
    const size_t from = write;
    write = CleanInPlace<false>(text, read, stop, write, nullptr);
    ends->Scan(std::string_view(text, write), from);
    return write;
}

// Onto the end of `out`, whose storage is reused from line to line: the
// line is appended and cleaned where it lies, one copy.
void NormalizeLineOnto(std::string& out, std::string_view line, HeaderLines headers) {
    const size_t start = out.size();
    out.append(line);
    if (headers == HeaderLines::KeepAsWritten && line.starts_with('['))
        return;
    out.resize(CleanInPlace<false>(out.data(), start, out.size(), start, nullptr));
}

void NormalizeLineInto(std::string& out, std::string_view line, HeaderLines headers) {
    out.clear();
    NormalizeLineOnto(out, line, headers);
}

// Where the line that begins at `from` of `text` ends: at its line feed or
// at the end of the text.
size_t LineEnd(std::string_view text, size_t from) {
    const void* const found = std::memchr(text.data() + from, '\n', text.size() - from);
    return found != nullptr ? size_t(static_cast<const char*>(found) - text.data()) : text.size();
}

// The line's text without its line end: a carriage return in front of the
// line feed, or at the end of the text, is not part of it.
size_t RawEnd(std::string_view text, size_t from, size_t lineEnd) {
    return lineEnd > from && text[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
}

} // namespace

std::string NormalizeLine(std::string_view line, HeaderLines headers) {
    std::string result;
    NormalizeLineInto(result, line, headers);
    return result;
}

std::ptrdiff_t FindOutsideQuotes(std::string_view line, char character, size_t start) {
    bool inQuotes = false;
    for (size_t i = start; i < line.size(); ++i) {
        if (line[i] == '"')
            inQuotes = !inQuotes;
        if (!inQuotes && line[i] == character)
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

bool KeywordAt(std::string_view line, std::string_view keyword) {
    // Position 0 is always outside quotes, so a plain prefix test suffices.
    return line.starts_with(keyword);
}

bool CEDSLineSource::Take(std::string_view& raw) {
    if (position_ >= text_.size())
        return false;
    const size_t end = LineEnd(text_, position_);
    raw = text_.substr(position_, RawEnd(text_, position_, end) - position_);
    lineOffset_ = position_;
    raw_ = raw;
    position_ = end + 1;
    ++lineNumber_;
    return true;
}

bool CEDSLineSource::Next(std::string& line, HeaderLines headers) {
    std::string_view raw;
    if (!Take(raw))
        return false;
    NormalizeLineInto(line, raw, headers);
    return true;
}

bool CEDSLineSource::JoinRest(std::string& entry, CEntryFieldEnds* ends) {
    while (!entry.ends_with(';')) {
        if (position_ >= text_.size())
            return false;
        // No line in front of the next ";" can end the entry: the lines up
        // to the one holding it are appended at once and cleaned where they
        // lie, each line as Next would clean it.
        const size_t semicolon = std::min(text_.find(';', position_), text_.size());
        const size_t chunkEnd = semicolon < text_.size()
                                    ? std::min(LineEnd(text_, semicolon) + 1, text_.size())
                                    : text_.size();
        const size_t start = entry.size();
        entry.append(text_.data() + position_, chunkEnd - position_);
        char* const text = entry.data();
        size_t write = start;
        size_t line = position_; // where the next line begins in text_
        size_t lastLine = line;
        size_t lastRawEnd = line;
        int lines = 0;
        while (line < chunkEnd && !(write > 0 && text[write - 1] == ';')) {
            const size_t end = std::min(LineEnd(text_, line), chunkEnd);
            lastLine = line;
            lastRawEnd = RawEnd(text_, line, end);
            write = CleanInPlace(text, start + (line - position_), start + (lastRawEnd - position_),
                                 write, ends);
            ++lines;
            line = end + 1;
        }
        lineOffset_ = lastLine;
        raw_ = std::string_view(text_.data() + lastLine, lastRawEnd - lastLine);
        lineNumber_ += lines;
        entry.resize(write);
        position_ = line;
    }
    return true;
}

std::string_view CEDSLineSource::RawTextSince(size_t offset) const {
    const size_t end = std::min(position_, text_.size());
    return offset < end ? text_.substr(offset, end - offset) : std::string_view();
}

std::vector<std::string> RawLinesOf(std::string_view text) {
    std::vector<std::string> lines;
    AppendRawLines(text, lines);
    return lines;
}

void AppendRawLines(std::string_view text, std::vector<std::string>& lines) {
    size_t offset = 0;
    while (offset < text.size()) {
        const size_t lineEnd = std::min(text.find('\n', offset), text.size());
        std::string_view raw = text.substr(offset, lineEnd - offset);
        if (raw.ends_with('\r'))
            raw.remove_suffix(1);
        lines.emplace_back(raw);
        offset = lineEnd + 1;
    }
}

void CEDSLineSource::PutBack() {
    if (lineNumber_ == 0)
        return;
    position_ = lineOffset_;
    --lineNumber_;
}

bool JoinEntry(std::string& line, CEDSLineSource& source, CEntryFieldEnds* ends) {
    if (ends != nullptr)
        ends->Start(line);
    return source.JoinRest(line, ends);
}

bool JoinEntry(std::string& line, CEDSLineSource& source, ReaderDiagnostics* diagnostics,
               const std::string& path, CEntryFieldEnds* ends) {
    const int firstLine = source.LineNumber();
    if (JoinEntry(line, source, ends))
        return true;
    Note(diagnostics, path, firstLine, "entry cut off by the end of the file");
    return false;
}

namespace {

enum FieldStop : uint8_t { kNoStop, kQuote, kComma, kSemicolon };

constexpr std::array<FieldStop, 256> kFieldStops = [] {
    std::array<FieldStop, 256> stops{};
    stops['"'] = kQuote;
    stops[','] = kComma;
    stops[';'] = kSemicolon;
    return stops;
}();

// Where the field that starts at `from` ends: at the first "," (when
// `commas`) or ";" outside quotes, or npos. A field starts outside quotes,
// so quote state counts from there.
size_t FieldEnd(std::string_view value, size_t from, bool commas) {
    const char* const text = value.data();
    const size_t size = value.size();
    for (size_t i = from; i < size; ++i) {
        const FieldStop stop = kFieldStops[static_cast<unsigned char>(text[i])];
        if (stop == kNoStop)
            continue;
        if (stop == kQuote) {
            i = value.find('"', i + 1);
            if (i == std::string_view::npos)
                return i;
        } else if (stop == kSemicolon || commas) {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

void CEntryFieldEnds::Scan(std::string_view entry, size_t from) {
    for (size_t i = from; i < entry.size(); ++i) {
        const char c = entry[i];
        if (c == '"') {
            quoted_ = !quoted_;
        } else if (!quoted_ && ClassOf(c) == LineClass::FieldStop) {
            size_t* const end = Room(1);
            *end = i;
            Noted(end + 1);
        }
    }
}

CEntryFieldCursor::CEntryFieldCursor(std::string_view entry, const CEntryFieldEnds& ends)
    : value_(entry), ends_(&ends) {
    // The value starts behind the first "=".
    while (nextEnd_ < ends.count_ && entry[ends.ends_[nextEnd_]] != '=')
        ++nextEnd_;
    done_ = nextEnd_ == ends.count_; // no "=" gives no fields
    if (!done_)
        start_ = ends.ends_[nextEnd_++] + 1;
}

CEntryFieldCursor::CEntryFieldCursor(std::string_view entry) {
    const std::ptrdiff_t equals = FindOutsideQuotes(entry, '=');
    if (equals < 0) {
        done_ = true; // no "=" gives no fields
        return;
    }
    value_ = entry;
    start_ = static_cast<size_t>(equals) + 1;
}

size_t CEntryFieldCursor::FieldEndFrom(bool commas) {
    if (ends_ == nullptr)
        return FieldEnd(value_, start_, commas);
    // A "=" inside the value ends nothing.
    for (; nextEnd_ < ends_->count_; ++nextEnd_) {
        const size_t end = ends_->ends_[nextEnd_];
        const char stop = value_[end];
        if (stop == ';' || (stop == ',' && commas)) {
            ++nextEnd_;
            return end;
        }
    }
    return std::string_view::npos;
}

std::string_view CEntryFieldCursor::Take(bool commas) {
    const size_t end = FieldEndFrom(commas);
    const char* const text = value_.data();
    const size_t start = start_; // never past the end: it follows a "=" or ","
    if (end != std::string_view::npos) {
        if (text[end] == ',')
            start_ = end + 1;
        else
            done_ = true;
        return {text + start, end - start};
    }
    done_ = true;
    // Without a ";" outside quotes (an odd quote in the last field) the last
    // field runs to the ";" that ended the entry.
    size_t last = value_.size();
    if (last > start && text[last - 1] == ';')
        --last;
    return {text + start, last - start};
}

bool CEntryFieldCursor::Next(std::string_view& field) {
    if (done_)
        return false;
    field = Take(true);
    return true;
}

std::string_view CEntryFieldCursor::Rest() {
    return done_ ? std::string_view() : Take(false);
}

void CEntryFieldCursor::TakeFields(std::span<std::string_view> fields) {
    size_t i = 0;
    if (ends_ != nullptr) {
        // Take's split straight from the noted ends, without a call per
        // field: a parameter has 21 of them. The last field, and an entry
        // whose ";" is not among the ends, are left to Take.
        const std::vector<size_t>& ends = ends_->ends_;
        const char* const text = value_.data();
        while (!done_ && i + 1 < fields.size() && nextEnd_ < ends_->count_) {
            const size_t end = ends[nextEnd_++];
            if (text[end] == '=')
                continue;
            fields[i++] = {text + start_, end - start_};
            if (text[end] == ';')
                done_ = true;
            else
                start_ = end + 1;
        }
    }
    for (; i + 1 < fields.size() && Next(fields[i]); ++i) {
    }
    fields.back() = Rest();
}

size_t FieldsLeft(CEntryFieldCursor fields) {
    size_t count = 0;
    std::string_view field;
    while (fields.Next(field))
        ++count;
    return count;
}

std::vector<std::string> EntryFields(std::string_view entry) {
    std::vector<std::string> fields;
    CEntryFieldCursor cursor(entry);
    fields.reserve(FieldsLeft(cursor));
    std::string_view field;
    while (cursor.Next(field))
        fields.emplace_back(field);
    return fields;
}

std::vector<std::string> EntryFields(std::string_view entry, size_t count) {
    std::vector<std::string> fields;
    if (count == 0)
        return fields;
    fields.reserve(count);
    CEntryFieldCursor cursor(entry);
    std::string_view field;
    while (fields.size() + 1 < count && cursor.Next(field))
        fields.emplace_back(field);
    fields.emplace_back(cursor.Rest());
    fields.resize(count);
    return fields;
}

uint32_t EntryNumber(std::string_view entry, std::string_view keyword) {
    if (!entry.starts_with(keyword))
        return 0;
    const std::string_view rest = entry.substr(keyword.size());
    return ParseNumber(rest.substr(0, rest.find('=')));
}

std::string SingleValue(std::string_view line) {
    const std::ptrdiff_t equals = FindOutsideQuotes(line, '=');
    if (equals < 0)
        return {};
    std::string value(line.substr(static_cast<size_t>(equals) + 1));
    std::erase(value, ';');
    return value;
}

uint8_t Number8(std::string_view text) {
    return static_cast<uint8_t>(ParseNumber(text));
}

uint16_t Number16(std::string_view text) {
    return static_cast<uint16_t>(ParseNumber(text));
}

int16_t ParseSigned16(std::string_view text) {
    const bool negative = text.starts_with('-');
    const uint32_t magnitude = ParseNumber(negative ? text.substr(1) : text);
    return static_cast<int16_t>(negative ? 0u - magnitude : magnitude);
}

size_t HeaderAt(std::string_view line, std::span<const std::string_view> headers) {
    // Most lines are no header: one test instead of one per section.
    if (!line.starts_with('['))
        return kNoHeader;
    for (size_t i = 0; i < headers.size(); ++i)
        if (KeywordAt(line, headers[i]))
            return i;
    return kNoHeader;
}

std::string_view SectionNameOf(std::string_view header) {
    return header.size() < 2 ? std::string_view() : header.substr(1, header.size() - 2);
}

bool NumberedKeywordAt(std::string_view line, std::string_view keyword) {
    if (!KeywordAt(line, keyword))
        return false;
    const std::string_view rest = line.substr(keyword.size());
    const std::string_view number = rest.substr(0, rest.find('='));
    return number.size() < rest.size() && (IsDecimal(number) || IsHex(number));
}

namespace {

// Where the first character that is no blank stands in a line as written,
// or its end: the first character cleaning keeps, unless it is a "$".
size_t FirstNonBlank(std::string_view raw) {
    size_t i = 0;
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
        ++i;
    return i;
}

// What cleaning leaves of the line is empty: it holds nothing but blanks
// in front of its end or of a "$". Tested without cleaning a copy.
bool IsCommentOrBlank(std::string_view raw) {
    const size_t first = FirstNonBlank(raw);
    return first == raw.size() || raw[first] == '$';
}

// The line, cleaned, begins with "[".
bool OpensSection(std::string_view raw) {
    const size_t first = FirstNonBlank(raw);
    return first < raw.size() && raw[first] == '[';
}

// A "=" outside quotes: mostly there is no "=" at all, which a search
// finds faster than a walk that counts quotes.
bool HasEqualsOutsideQuotes(std::string_view line) {
    return line.find('=') != std::string_view::npos && FindOutsideQuotes(line, '=') >= 0;
}

// Blank and comment lines at the end carry nothing of their own: they are
// left out, so a kept part reads back the same after a save. Lines in front
// of `from` are not looked at.
void DropTrailingComments(std::vector<std::string>& lines, size_t from = 0) {
    while (lines.size() > from && IsCommentOrBlank(lines.back()))
        lines.pop_back();
}

} // namespace

void KeepEntry(std::string& line, CEDSLineSource& source, size_t offset, int firstLine,
               std::string_view section, KeptLineTarget& target) {
    const std::ptrdiff_t equals = FindOutsideQuotes(line, '=');
    if (target.Diagnostics != nullptr) {
        const std::string_view keyword =
            std::string_view(line).substr(0, equals < 0 ? line.size() : size_t(equals));
        Note(target.Diagnostics, target.Path, firstLine,
             "entry not read, kept as written: " + std::string(keyword) + " in [" +
                 std::string(section) + "]");
    }
    // Only whether the entry has ended is needed of the pieces, so each is
    // taken into `line` in turn instead of being joined.
    bool ended = line.ends_with(';');
    // An entry that never got its ";" must not swallow the entry behind it:
    // a save may put the two together (a section given twice is written
    // once), and the next read would lose the second.
    while (equals >= 0 && !ended && source.NextPiece(line)) {
        if (line.starts_with('[') || HasEqualsOutsideQuotes(line)) {
            source.PutBack();
            break;
        }
        if (!line.empty())
            ended = line.ends_with(';');
    }
    std::vector<std::string>& kept = target.Kept.EntriesOf(section);
    const size_t before = kept.size();
    AppendRawLines(source.RawTextSince(offset), kept);
    DropTrailingComments(kept, before);
}

bool KeepSection(std::string& line, CEDSLineSource& source, std::optional<std::string_view> after,
                 KeptLineTarget& target) {
    const int firstLine = source.LineNumber();
    KeptSection section;
    if (after)
        section.After = std::string(*after);
    const bool headed = line.starts_with('[');
    if (headed)
        section.Header = source.RawLine();
    else if (!line.empty())
        section.Lines.emplace_back(source.RawLine());
    // Lines kept whole need no cleaning: only the header that ends the
    // section is taken again, cleaned, for the caller.
    std::string_view raw;
    bool more = true;
    while ((more = source.NextRaw(raw))) {
        if (OpensSection(raw)) {
            source.PutBack();
            source.Next(line);
            break;
        }
        if (headed || !section.Lines.empty() || !IsCommentOrBlank(raw))
            section.Lines.emplace_back(raw);
    }
    DropTrailingComments(section.Lines);
    if (headed) {
        Note(target.Diagnostics, target.Path, firstLine,
             "section not read, kept as written: " + TrimmedBlanks(section.Header));
        target.Kept.Sections.push_back(std::move(section));
    } else if (!section.Lines.empty()) {
        Note(target.Diagnostics, target.Path, firstLine,
             "lines in front of the first section kept as written");
        target.Kept.Sections.push_back(std::move(section));
    }
    return more;
}

} // namespace corvid
