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
    for (const TextLine& line : SplitTextLines(text)) {
        ++number;
        if (auto name = SectionHeaderName(line.body)) {
            firstByLowerName_.try_emplace(ToLowerAscii(*name), sections_.size());
            current = &sections_.emplace_back();
            current->header = line.body;
            current->name = std::move(*name);
            current->number = number;
        } else if (current != nullptr) {
            current->lines.push_back({line.body, number});
        }
    }
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
