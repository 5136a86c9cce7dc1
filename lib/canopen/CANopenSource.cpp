#include "CANopenSource.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"

namespace corvid {

bool SourceSection::HasContent() const {
    for (const SourceLine& line : lines)
        if (!IsBlankLine(line.text))
            return true;
    return false;
}

CANopenSource::CANopenSource(std::string_view text) {
    SourceSection* current = nullptr;
    int number = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t feed = text.find('\n', start);
        const size_t next = feed == std::string_view::npos ? text.size() : feed + 1;
        std::string_view line =
            text.substr(start, (feed == std::string_view::npos ? next : feed) - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        start = next;
        ++number;
        if (auto name = SectionHeaderName(line)) {
            current = &sections_.emplace_back();
            current->header = line;
            current->name = std::move(*name);
            current->number = number;
        } else if (current != nullptr) {
            current->lines.push_back({line, number});
        }
    }
    // Filled once the count is known, so the table is not grown step by step.
    firstByLowerName_.reserve(sections_.size());
    for (size_t i = 0; i < sections_.size(); ++i)
        firstByLowerName_.try_emplace(ToLowerAscii(sections_[i].name), i);
}

SourceSection* CANopenSource::Find(std::string_view name) {
    const auto found = firstByLowerName_.find(ToLowerAscii(name));
    return found == firstByLowerName_.end() ? nullptr : &sections_[found->second];
}

bool IsCommentLine(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == ';';
}

} // namespace corvid
