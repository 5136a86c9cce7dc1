#include "CANopenSource.h"

#include "canopen/CANopenModel.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"

#include <algorithm>

namespace corvid {

namespace {

// FNV-1a over the name in lower case, so names that differ in letter case
// only fall into the same slot.
uint32_t NameHash(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (char c : name) {
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        hash = (hash ^ static_cast<unsigned char>(lower)) * 16777619u;
    }
    return hash;
}

// A record's key spread over the bits of a slot number.
uint32_t KeyHash(uint32_t key) {
    const uint32_t hash = key * 2654435769u;
    return hash ^ (hash >> 15);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Takes the hex number at the start of `text`: 1 to `most` digits, without
// a leading zero unless the number is 0.
bool TakeHexNumber(std::string_view& text, size_t most, uint32_t& value) {
    size_t count = 0;
    value = 0;
    for (; count < text.size() && count <= most && HexDigit(text[count]) >= 0; ++count)
        value = value << 4 | static_cast<uint32_t>(HexDigit(text[count]));
    if (count == 0 || count > most || (count > 1 && text[0] == '0'))
        return false;
    text.remove_prefix(count);
    return true;
}

// One line of `text` from `start`, without its line end; `next` is where
// the following line starts.
std::string_view LineAt(std::string_view text, size_t start, size_t& next) {
    const size_t feed = text.find('\n', start);
    next = feed == std::string_view::npos ? text.size() : feed + 1;
    std::string_view line =
        text.substr(start, (feed == std::string_view::npos ? text.size() : feed) - start);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

// The line feeds in [begin, end). Counted in byte-wide lanes, a block of
// at most 255 bytes at a time, which the compiler turns into wide compares;
// a plain count widens every byte to a 64-bit sum.
int CountLineFeeds(const char* begin, const char* end) {
    int count = 0;
    while (begin != end) {
        const char* block = begin + std::min<std::ptrdiff_t>(end - begin, 255);
        uint8_t inBlock = 0;
        for (; begin != block; ++begin)
            inBlock = static_cast<uint8_t>(inBlock + (*begin == '\n'));
        count += inBlock;
    }
    return count;
}

// Where the line of the "[" at `open` starts, when only blanks stand
// before it on that line: the line is a header. Else npos.
size_t HeaderLineStart(std::string_view text, size_t open) {
    size_t start = open;
    while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t'))
        --start;
    return start == 0 || text[start - 1] == '\n' ? start : std::string_view::npos;
}

} // namespace

uint32_t RecordKeyOfName(std::string_view name) {
    uint32_t index = 0;
    uint32_t subIndex = 0;
    if (!TakeHexNumber(name, 4, index))
        return RecordKey::kNone;
    if (name.empty())
        return RecordKey::Object(static_cast<uint16_t>(index));
    if (name.size() < 3 || !EqualsNoCase(name.substr(0, 3), "sub"))
        return RecordKey::kNone;
    name.remove_prefix(3);
    if (!TakeHexNumber(name, 2, subIndex) || !name.empty())
        return RecordKey::kNone;
    return RecordKey::SubIndex(static_cast<uint16_t>(index), static_cast<uint8_t>(subIndex));
}

std::string RecordSectionName(uint32_t key) {
    const uint16_t index = RecordKey::IndexOf(key);
    return RecordKey::IsSubIndex(key) ? SubIndexSectionName(index, RecordKey::SubIndexOf(key))
                                      : ObjectSectionName(index);
}

std::string_view CANopenSource::Header(const SourceSection& section) const {
    size_t next = 0;
    return LineAt(text_, section.headerStart, next);
}

std::string_view CANopenSource::Name(const SourceSection& section) const {
    return *SectionHeaderView(Header(section));
}

std::string_view CANopenSource::Body(const SourceSection& section) const {
    size_t start = 0;
    LineAt(text_, section.headerStart, start);
    const auto position = static_cast<size_t>(&section - sections_.data());
    const size_t end =
        position + 1 < sections_.size() ? sections_[position + 1].headerStart : text_.size();
    return text_.substr(start, end - start);
}

SourceLines CANopenSource::Lines(const SourceSection& section) const {
    return {Body(section), section.number + 1};
}

void CANopenSource::MarkRead(SourceSection& section, const char* readAs) {
    section.read = true;
    if (*readAs != '\0')
        readAs_.emplace_back(&section, readAs);
}

const char* CANopenSource::ReadAs(const SourceSection& section) const {
    // A section read twice is written under the name it was read under last.
    for (auto it = readAs_.rbegin(); it != readAs_.rend(); ++it)
        if (it->first == &section)
            return it->second;
    return "";
}

// A byte other than a blank or a line end, which Lines would give as a
// line that is not blank: the reader asks this of every sub-index section
// before it reads one, and the first byte nearly always answers.
bool CANopenSource::HasContent(const SourceSection& section) const {
    const std::string_view body = Body(section);
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        const bool lineEnd =
            c == '\n' || (c == '\r' && (i + 1 == body.size() || body[i + 1] == '\n'));
        if (c != ' ' && c != '\t' && !lineEnd)
            return true;
    }
    return false;
}

// Headers are found by their "[" alone and lines are counted in bulk up to
// each, so the text is not cut into lines here: the sections' lines are cut
// when they are read.
// Files give a section per 100 to 200 bytes: room for one per 128 saves
// most of the vector's growth.
CANopenSource::CANopenSource(std::string_view text) : text_(text) {
    sections_.reserve(std::min(text_.size(), kMostHeaderStart) / 128 + 1);
    int number = 1; // the line number at `counted`
    size_t counted = 0;
    for (size_t open = text_.find('['); open <= kMostHeaderStart;) {
        const size_t start = HeaderLineStart(text_, open);
        if (start == std::string_view::npos) {
            open = text_.find('[', open + 1);
            continue;
        }
        number += CountLineFeeds(text_.data() + counted, text_.data() + start);
        counted = start;
        size_t next = 0;
        SourceSection& section = sections_.emplace_back();
        section.headerStart = static_cast<uint32_t>(start);
        section.record = RecordKeyOfName(*SectionHeaderView(LineAt(text_, start, next)));
        section.number = number;
        open = text_.find('[', next);
    }
    IndexNames();
}

CANopenSource::Query CANopenSource::QueryOf(const SourceSection& section) const {
    if (section.record != RecordKey::kNone)
        return {section.record, {}};
    return {section.record, Name(section)};
}

bool CANopenSource::Matches(const SourceSection& section, const Query& query) const {
    if (query.record != RecordKey::kNone)
        return section.record == query.record;
    return section.record == RecordKey::kNone && EqualsNoCase(Name(section), query.name);
}

size_t CANopenSource::SlotOf(const Query& query) const {
    const uint64_t hash =
        query.record != RecordKey::kNone ? KeyHash(query.record) : NameHash(query.name);
    // The hash scaled to the table: any table size, no division.
    auto slot = static_cast<size_t>((hash * slots_.size()) >> 32);
    while (slots_[slot] != 0 && !Matches(sections_[slots_[slot] - 1], query))
        slot = slot + 1 == slots_.size() ? 0 : slot + 1;
    return slot;
}

// At most two thirds of the slots are taken, so a search ends at a free one
// soon, and the table stays small beside the model being read.
void CANopenSource::IndexNames() {
    slots_.assign(sections_.size() * 3 / 2 + 1, 0);
    for (size_t i = 0; i < sections_.size(); ++i) {
        const size_t slot = SlotOf(QueryOf(sections_[i]));
        sections_[i].first = slots_[slot] == 0;
        if (sections_[i].first)
            slots_[slot] = static_cast<uint32_t>(i + 1);
    }
}

SourceSection* CANopenSource::Find(std::string_view name) {
    return FindQuery({RecordKeyOfName(name), name});
}

SourceSection* CANopenSource::FindRecord(uint32_t key) {
    return FindQuery({key, {}});
}

// Readers mostly ask for the sections in file order (an object, then its
// sub-indexes), so the one after the last found is tried before the table.
SourceSection* CANopenSource::FindQuery(const Query& query) {
    if (last_ + 1 < sections_.size()) {
        SourceSection& next = sections_[last_ + 1];
        if (next.first && Matches(next, query)) {
            ++last_;
            return &next;
        }
    }
    const size_t slot = SlotOf(query);
    if (slots_[slot] == 0)
        return nullptr;
    last_ = slots_[slot] - 1;
    return &sections_[last_];
}

bool IsCommentLine(std::string_view line) {
    return TrimmedBlanksView(line).starts_with(';');
}

} // namespace corvid
