#include "CANopenSource.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"

#include <algorithm>
#include <bit>

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

// Where the line of the "[" at `open` starts, when only blanks stand
// before it on that line: the line is a header. Else npos.
size_t HeaderLineStart(std::string_view text, size_t open) {
    size_t start = open;
    while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t'))
        --start;
    return start == 0 || text[start - 1] == '\n' ? start : std::string_view::npos;
}

} // namespace

SourceLines::Iterator& SourceLines::Iterator::operator++() {
    if (rest_.empty()) {
        done_ = true;
        return *this;
    }
    size_t next = 0;
    line_.text = LineAt(rest_, 0, next);
    ++line_.number;
    rest_.remove_prefix(next);
    return *this;
}

bool SourceSection::HasContent() const {
    for (const SourceLine& line : Lines())
        if (!IsBlankLine(line.text))
            return true;
    return false;
}

// Headers are found by their "[" alone and lines are counted in bulk up to
// each, so the text is not cut into lines here: the sections' lines are cut
// when they are read.
CANopenSource::CANopenSource(std::string_view text) {
    int number = 1; // the line number at `counted`
    size_t counted = 0;
    size_t bodyStart = 0;
    for (size_t open = text.find('['); open != std::string_view::npos;) {
        const size_t start = HeaderLineStart(text, open);
        if (start == std::string_view::npos) {
            open = text.find('[', open + 1);
            continue;
        }
        number +=
            static_cast<int>(std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                                        text.begin() + static_cast<std::ptrdiff_t>(start), '\n'));
        counted = start;
        if (!sections_.empty())
            sections_.back().body = text.substr(bodyStart, start - bodyStart);
        size_t next = 0;
        SourceSection& section = sections_.emplace_back();
        section.header = LineAt(text, start, next);
        section.name = *SectionHeaderView(section.header);
        section.number = number;
        bodyStart = next;
        open = text.find('[', next);
    }
    if (!sections_.empty())
        sections_.back().body = text.substr(bodyStart);
    IndexNames();
}

size_t CANopenSource::SlotOf(std::string_view name) const {
    const size_t mask = slots_.size() - 1;
    size_t slot = NameHash(name) & mask;
    while (slots_[slot] != 0 && !EqualsNoCase(sections_[slots_[slot] - 1].name, name))
        slot = (slot + 1) & mask;
    return slot;
}

// At most half the slots are taken, so a search ends at a free one soon.
void CANopenSource::IndexNames() {
    slots_.assign(std::bit_ceil(sections_.size() * 2 + 1), 0);
    for (size_t i = 0; i < sections_.size(); ++i) {
        const size_t slot = SlotOf(sections_[i].name);
        sections_[i].first = slots_[slot] == 0;
        if (sections_[i].first)
            slots_[slot] = static_cast<uint32_t>(i + 1);
    }
}

// Readers mostly ask for the sections in file order (an object, then its
// sub-indexes), so the one after the last found is tried before the table.
SourceSection* CANopenSource::Find(std::string_view name) {
    if (last_ + 1 < sections_.size()) {
        SourceSection& next = sections_[last_ + 1];
        if (next.first && EqualsNoCase(next.name, name)) {
            ++last_;
            return &next;
        }
    }
    const size_t slot = SlotOf(name);
    if (slots_[slot] == 0)
        return nullptr;
    last_ = slots_[slot] - 1;
    return &sections_[last_];
}

bool IsCommentLine(std::string_view line) {
    return TrimmedView(line).starts_with(';');
}

} // namespace corvid
