#include "devicenet/EDSLineScanner.h"

#include "EDSLineCleaner.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <array>

namespace corvid {

std::string NormalizeLine(std::string_view line, HeaderLines headers) {
    if (headers == HeaderLines::KeepAsWritten && line.starts_with('['))
        return std::string(line);
    std::string result;
    CleanTextOnto(result, line);
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

namespace {

// Where the first character that is no blank stands in a line as written,
// or its end: the first character cleaning keeps, unless it is a "$".
size_t FirstNonBlank(std::string_view raw) {
    size_t i = 0;
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
        ++i;
    return i;
}

// A line as written, from its first character that is no blank on, is its
// own cleaned form when nothing there is a blank, a quote or a "$": most
// lines are a key, a header, a single word or blank.
bool CleanAsWritten(std::string_view raw) {
    static constexpr std::array<bool, 256> kCleaned = [] {
        std::array<bool, 256> cleaned{};
        for (const unsigned char c : {' ', '\t', '"', '$'})
            cleaned[c] = true;
        return cleaned;
    }();
    return std::none_of(raw.begin(), raw.end(),
                        [](char c) { return kCleaned[static_cast<unsigned char>(c)]; });
}

} // namespace

void CEDSLineSource::Took(const CleanedLines& lines) {
    lineOffset_ = lines.LastLine;
    raw_ = text_.substr(lines.LastLine, lines.LastRawEnd - lines.LastLine);
    position_ = lines.Next;
    lineNumber_ += lines.Count;
}

bool CEDSLineSource::Next(std::string& line, HeaderLines headers) {
    if (position_ >= text_.size())
        return false;
    const CleanedLines found = LineAt(text_, position_);
    std::string_view written = text_.substr(found.LastLine, found.LastRawEnd - found.LastLine);
    // A header kept as written keeps its blanks. Most other lines need no
    // cleaner either: only their blanks in front go.
    const bool header = headers == HeaderLines::KeepAsWritten && written.starts_with('[');
    if (!header)
        written.remove_prefix(FirstNonBlank(written));
    if (header || CleanAsWritten(written)) {
        Took(found);
        line = written;
    } else {
        line.clear();
        Took(CleanLineOnto(line, text_, position_));
    }
    return true;
}

bool CEDSLineSource::NextRaw(std::string_view& raw) {
    if (position_ >= text_.size())
        return false;
    Took(LineAt(text_, position_));
    raw = raw_;
    return true;
}

bool CEDSLineSource::JoinRest(std::string& entry, CEntryFieldEnds* ends) {
    if (entry.ends_with(';'))
        return true;
    if (position_ >= text_.size())
        return false;
    Took(CleanEntryLinesOnto(entry, text_, position_, ends));
    return entry.ends_with(';');
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

void CEDSLineSource::SkipLines(CleanedLines lines) {
    if (lines.Count == 0)
        return;
    lines.LastLine += lineOffset_;
    lines.LastRawEnd += lineOffset_;
    lines.Next += lineOffset_;
    Took(lines);
}

bool JoinEntry(std::string& line, CEDSLineSource& source, CEntryFieldEnds* ends, size_t keyEnd) {
    if (ends != nullptr)
        ends->Start(line, keyEnd);
    return source.JoinRest(line, ends);
}

bool JoinEntry(std::string& line, CEDSLineSource& source, ReaderDiagnostics* diagnostics,
               const std::string& path, CEntryFieldEnds* ends, size_t keyEnd) {
    const int firstLine = source.LineNumber();
    if (JoinEntry(line, source, ends, keyEnd))
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
    if (from >= entry.size())
        return;
    // Room for every character being a stop, taken once; the quote state
    // and the place of the next note are kept in locals, which the notes
    // stored cannot change.
    size_t* end = Room(entry.size() - from);
    bool quoted = quoted_;
    for (size_t i = from; i < entry.size(); ++i) {
        const char c = entry[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '=' || c == ',' || c == ';'))
            *end++ = i;
    }
    quoted_ = quoted;
    Noted(end);
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
        // whose ";" is not among the ends, are left to Take. The cursor is
        // worked in locals: a field stored could change any member, which
        // would then be loaded again for every field.
        const size_t* const ends = ends_->ends_.data();
        const size_t count = ends_->count_;
        const char* const text = value_.data();
        size_t next = nextEnd_;
        size_t start = start_;
        bool done = done_;
        std::string_view* out = fields.data();
        std::string_view* const last = out + (fields.size() - 1);
        while (!done && out != last && next < count) {
            const size_t end = ends[next++];
            const char stop = text[end];
            if (stop == '=')
                continue;
            *out++ = {text + start, end - start};
            start = end + 1;
            done = stop == ';';
        }
        i = static_cast<size_t>(out - fields.data());
        nextEnd_ = next;
        start_ = start;
        done_ = done;
    }
    for (; i + 1 < fields.size() && Next(fields[i]); ++i) {
    }
    fields.back() = Rest();
}

std::vector<std::string> EntryFields(std::string_view entry) {
    std::vector<std::string> fields;
    CEntryFieldCursor cursor(entry);
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

size_t HeaderAmong(std::string_view line, std::span<const std::string_view> headers) {
    for (size_t i = 0; i < headers.size(); ++i)
        if (KeywordAt(line, headers[i]))
            return i;
    return kNoHeader;
}

std::string_view SectionNameOf(std::string_view header) {
    return header.size() < 2 ? std::string_view() : header.substr(1, header.size() - 2);
}

bool NumberedKeywordAt(std::string_view line, std::string_view keyword) {
    return NumberedKeyAt(line, keyword).has_value();
}

std::optional<NumberedKey> NumberedKeyAt(std::string_view line, std::string_view keyword) {
    if (!KeywordAt(line, keyword))
        return std::nullopt;
    // Keys are mostly decimal: such a number is read as its digits are
    // checked, wrapping as ParseNumber wraps.
    uint32_t decimal = 0;
    size_t end = keyword.size();
    for (; end < line.size() && line[end] >= '0' && line[end] <= '9'; ++end)
        decimal = decimal * 10u + static_cast<uint32_t>(line[end] - '0');
    if (end > keyword.size() && end < line.size() && line[end] == '=')
        return NumberedKey{decimal, end};
    const size_t equals = line.find('=', keyword.size());
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view number = line.substr(keyword.size(), equals - keyword.size());
    if (!IsDecimal(number) && !IsHex(number))
        return std::nullopt;
    return NumberedKey{ParseNumber(number), equals};
}

namespace {

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
