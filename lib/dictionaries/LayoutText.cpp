#include "LayoutText.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>

namespace corvid {

namespace {

constexpr size_t kNone = std::string_view::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

struct Line {
    size_t begin;
    size_t contentEnd; // without the line end
    size_t next;       // where the next line begins
    size_t first;      // first character that is not blank, or contentEnd
};

Line LineAt(std::string_view text, size_t begin) {
    const size_t feed = text.find('\n', begin);
    Line line{begin, feed == kNone ? text.size() : feed, feed == kNone ? text.size() : feed + 1,
              begin};
    while (line.contentEnd > begin && text[line.contentEnd - 1] == '\r')
        --line.contentEnd;
    while (line.first < line.contentEnd && IsBlank(text[line.first]))
        ++line.first;
    return line;
}

Span Trimmed(std::string_view text, size_t begin, size_t end) {
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return {begin, end};
}

// The text as a reader of DeviceNet and EtherNet/IP files sees it: blanks
// and line breaks outside quotes and "$" comments gone.
std::string NormalizedSpan(std::string_view text, Span span) {
    std::string out;
    bool quoted = false;
    for (size_t i = span.begin; i < span.end; ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        if (!quoted && c == '$') {
            while (i < span.end && text[i] != '\n')
                ++i;
            continue;
        }
        if (quoted || (!IsBlank(c) && c != '\n'))
            out += c;
    }
    return out;
}

bool IsHeader(std::string_view text, const Line& line) {
    return line.first < line.contentEnd && text[line.first] == '[';
}

// Where the line holding the character at `position` begins.
size_t LineStartOf(std::string_view text, size_t position) {
    const size_t feed = position == 0 ? kNone : text.rfind('\n', position - 1);
    return feed == kNone ? 0 : feed + 1;
}

std::string_view SectionName(std::string_view text, const Line& line) {
    const size_t close = text.find(']', line.first);
    const size_t end = close == kNone || close > line.contentEnd ? line.contentEnd : close;
    return text.substr(line.first + 1, end - line.first - 1);
}

// The name as matched, made in `match`: one string's room serves every
// section of a file of thousands.
void AssignMatchName(std::string& match, std::string_view name, const LayoutDialect& dialect) {
    name = TrimmedBlanksView(name);
    match.clear();
    for (char c : name)
        if (dialect.blanksInSectionNames || !IsBlank(c))
            match +=
                dialect.lineEntries && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "key=value" on one line (CANopen). False for a line without "=".
bool CutLineEntry(std::string_view text, const Line& line, LayoutEntry& entry) {
    const size_t equals = text.find('=', line.first);
    if (equals == kNone || equals >= line.contentEnd)
        return false;
    entry.whole = {line.begin, line.next};
    entry.key = Trimmed(text, line.first, equals);
    for (size_t i = entry.key.begin; i < entry.key.end; ++i)
        if (!IsBlank(text[i]))
            entry.match += text[i];
    entry.match = ToLowerAscii(entry.match);
    LayoutField field;
    field.separator = equals;
    field.content = Trimmed(text, equals + 1, line.contentEnd);
    if (field.content.begin == field.content.end)
        field.content = {line.contentEnd, line.contentEnd};
    field.match = text.substr(field.content.begin, field.content.end - field.content.begin);
    entry.fields.push_back(std::move(field));
    entry.fieldsCut = true;
    entry.end = line.contentEnd;
    entry.text = text;
    return true;
}

// Walks one DeviceNet or EtherNet/IP entry from `begin` to its ";" outside
// quotes, past "$" comments, collecting the key or the fields.
class EntryCutter {
public:
    enum class Collect { Key, Fields };
    EntryCutter(std::string_view text, LayoutEntry& entry, Collect collect)
        : text_(text), entry_(entry), collect_(collect) {}

    // Returns where the entry's text ends.
    size_t Cut(size_t begin) {
        size_t i = begin;
        bool quoted = false;
        for (; i < text_.size(); ++i) {
            const char c = text_[i];
            if (quoted) {
                quoted = c != '"';
                Mark(i);
            } else if (c == '"') {
                quoted = true;
                Mark(i);
            } else if (c == '$') {
                i = std::min(text_.find('\n', i), text_.size()) - 1;
            } else if (c == ';') {
                break;
            } else if (c == '=' && inKey_) {
                StartField(i);
                if (collect_ == Collect::Key) {
                    i = EndOfFields(i + 1);
                    break;
                }
            } else if (c == ',' && !inKey_) {
                StartField(i);
            } else if (!IsBlank(c) && c != '\n') {
                Mark(i);
            }
        }
        CloseField();
        entry_.end = i;
        return std::min(i + 1, text_.size());
    }

private:
    // The ";" outside quotes and comments behind `from`, or the text's end:
    // the fields passed over as fast as the text is read.
    size_t EndOfFields(size_t from) const {
        bool quoted = false;
        for (size_t i = from; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == '"')
                quoted = !quoted;
            else if (quoted)
                continue;
            else if (c == ';')
                return i;
            else if (c == '$')
                i = std::min(text_.find('\n', i), text_.size() - 1);
        }
        return text_.size();
    }

    void Mark(size_t i) {
        if (contentBegin_ == kNone)
            contentBegin_ = i;
        contentEnd_ = i + 1;
    }

    void CloseField() {
        const size_t at = contentBegin_ == kNone ? kNone : contentBegin_;
        if (inKey_) {
            if (collect_ == Collect::Key) {
                entry_.key = at == kNone ? Span{} : Span{at, contentEnd_};
                entry_.match = NormalizedSpan(text_, entry_.key);
            }
        } else if (collect_ == Collect::Fields) {
            LayoutField field;
            field.separator = separator_;
            field.content = at == kNone ? Span{kNone, kNone} : Span{at, contentEnd_};
            field.match = at == kNone ? std::string() : NormalizedSpan(text_, field.content);
            entry_.fields.push_back(std::move(field));
        }
        contentBegin_ = kNone;
    }

    void StartField(size_t separator) {
        CloseField();
        inKey_ = false;
        separator_ = separator;
    }

    std::string_view text_;
    LayoutEntry& entry_;
    Collect collect_;
    bool inKey_ = true;
    size_t separator_ = 0;
    size_t contentBegin_ = kNone;
    size_t contentEnd_ = 0;
};

// An empty field has no text of its own: it sits just in front of what ends
// it, the next "," or the ";".
void PlaceEmptyFields(LayoutEntry& entry) {
    for (size_t i = 0; i < entry.fields.size(); ++i) {
        Span& content = entry.fields[i].content;
        if (content.begin != kNone)
            continue;
        const size_t at = i + 1 < entry.fields.size() ? entry.fields[i + 1].separator : entry.end;
        content = {at, at};
    }
}

// Cuts the key of a DeviceNet or EtherNet/IP entry starting at
// `line.first`; the entry owns the rest of its last line when only blanks
// or a comment follow.
size_t CutCIPEntry(std::string_view text, const Line& line, LayoutEntry& entry) {
    size_t after = EntryCutter(text, entry, EntryCutter::Collect::Key).Cut(line.first);
    entry.text = text;
    const Line last = LineAt(text, after);
    const bool lineEnds = last.first == last.contentEnd || text[last.first] == '$';
    if (lineEnds || after >= text.size())
        after = after >= text.size() ? text.size() : last.next;
    entry.whole = {line.begin, after};
    return after;
}

} // namespace

// Only DeviceNet and EtherNet/IP entries come without their fields.
const std::vector<LayoutField>& LayoutEntry::Fields() const {
    if (!fieldsCut) {
        LayoutEntry cut;
        EntryCutter(text, cut, EntryCutter::Collect::Fields).Cut(whole.begin);
        PlaceEmptyFields(cut);
        fields = std::move(cut.fields);
        fieldsCut = true;
    }
    return fields;
}

std::string MatchName(std::string_view name, const LayoutDialect& dialect) {
    std::string match;
    AssignMatchName(match, name, dialect);
    return match;
}

size_t SectionStartBefore(std::string_view text, size_t position) {
    for (size_t begin = position; begin > 0;) {
        begin = LineStartOf(text, begin - 1);
        const Line line = LineAt(text, begin);
        if (IsHeader(text, line) && line.first < position)
            return begin;
    }
    return kNone;
}

size_t SectionStartAfter(std::string_view text, size_t position) {
    for (size_t feed = text.find('\n', position); feed != kNone && feed + 1 < text.size();
         feed = text.find('\n', feed + 1))
        if (IsHeader(text, LineAt(text, feed + 1)))
            return feed + 1;
    return text.size();
}

std::string SectionMatchAt(std::string_view text, size_t begin, const LayoutDialect& dialect) {
    return MatchName(SectionName(text, LineAt(text, begin)), dialect);
}

namespace {

// Where the lines in front of `end` that are blank or comments begin: the
// end of a CANopen section's body.
size_t BodyEndBefore(std::string_view text, size_t begin, size_t end) {
    while (end > begin) {
        const Line line = LineAt(text, LineStartOf(text, end - 1));
        if (line.first != line.contentEnd && text[line.first] != ';')
            break;
        end = line.begin;
    }
    return end;
}

// Whether a section's name is one of `matches`, told without making its
// match where the dialect keeps blanks inside names: a save of a few parts
// passes over thousands of sections.
bool NamesOneOf(std::string_view name, const std::vector<std::string>& matches,
                const LayoutDialect& dialect) {
    if (!dialect.blanksInSectionNames) {
        const std::string match = MatchName(name, dialect);
        return std::find(matches.begin(), matches.end(), match) != matches.end();
    }
    name = TrimmedBlanksView(name);
    return std::any_of(matches.begin(), matches.end(), [&](const std::string& match) {
        return dialect.lineEntries ? EqualsNoCase(name, match) : name == match;
    });
}

// CANopen sections are found by their "[" alone: the lines between two
// headers are looked at only from the end, for the blank and comment lines
// that do not belong to the body. With `only`, the other sections are
// passed over.
LayoutText CutLineSections(std::string_view text, const LayoutDialect& dialect,
                           const std::vector<std::string>* only = nullptr) {
    LayoutText out{text, {}};
    std::string match;
    bool open = false; // the last section's end is not known yet
    const auto close = [&](size_t end) {
        if (!open)
            return;
        LayoutSection& section = out.sections.back();
        section.end = end;
        section.bodyEnd = BodyEndBefore(text, section.header.end, end);
        open = false;
    };
    for (size_t bracket = text.find('['); bracket != kNone; bracket = text.find('[', bracket)) {
        const Line line = LineAt(text, LineStartOf(text, bracket));
        bracket = line.next;
        if (!IsHeader(text, line))
            continue; // a "[" inside a value or comment
        close(line.begin);
        const std::string_view name = SectionName(text, line);
        if (only != nullptr && !NamesOneOf(name, *only, dialect))
            continue;
        AssignMatchName(match, name, dialect);
        LayoutSection& section = out.sections.emplace_back();
        section.header = {line.begin, line.next};
        section.match = match;
        open = true;
    }
    close(text.size());
    return out;
}

} // namespace

LayoutText CutLayoutText(std::string_view text, const LayoutDialect& dialect) {
    if (dialect.lineEntries)
        return CutLineSections(text, dialect);
    // DeviceNet and EtherNet/IP entries may span lines: the text is walked
    // entry by entry, and a section's spans follow from its entries.
    LayoutText out{text, {}};
    size_t position = 0;
    while (position < text.size()) {
        const Line line = LineAt(text, position);
        position = line.next;
        if (line.first == line.contentEnd || text[line.first] == '$')
            continue;
        if (IsHeader(text, line)) {
            if (!out.sections.empty())
                out.sections.back().end = line.begin;
            LayoutSection& section = out.sections.emplace_back();
            section.header = {line.begin, line.next};
            section.bodyEnd = section.end = line.next;
            section.match = MatchName(SectionName(text, line), dialect);
            section.entriesCut = true;
            continue;
        }
        if (out.sections.empty())
            continue; // lines in front of the first section belong to none
        LayoutSection& section = out.sections.back();
        LayoutEntry entry;
        position = CutCIPEntry(text, line, entry);
        if (!entry.match.empty())
            section.entries.push_back(std::move(entry));
        section.bodyEnd = section.end = position;
    }
    if (!out.sections.empty())
        out.sections.back().end = text.size();
    return out;
}

LayoutText CutLayoutSections(std::string_view text, const LayoutDialect& dialect,
                             const std::vector<std::string>& names) {
    if (dialect.lineEntries)
        return CutLineSections(text, dialect, &names);
    LayoutText out = CutLayoutText(text, dialect);
    std::erase_if(out.sections, [&](const LayoutSection& section) {
        return std::find(names.begin(), names.end(), section.match) == names.end();
    });
    return out;
}

// A CANopen section's lines are cut only when a save needs them: most
// sections of a file are the same in both renders and are never looked into.
const std::vector<LayoutEntry>& EntriesOf(const LayoutText& text, LayoutSection& section) {
    for (size_t position = section.header.end; !section.entriesCut && position < section.end;) {
        const Line line = LineAt(text.text, position);
        position = line.next;
        LayoutEntry entry;
        if (line.first < line.contentEnd && text.text[line.first] != ';' &&
            CutLineEntry(text.text, line, entry))
            section.entries.push_back(std::move(entry));
    }
    section.entriesCut = true;
    return section.entries;
}

} // namespace corvid
