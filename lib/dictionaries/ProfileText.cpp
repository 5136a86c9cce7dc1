#include "dictionaries/ProfileText.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid {

namespace {

// Readers test every byte of a file this way: find_first_not_of(" \t")
// looks each byte up in the set with a call of its own.
bool IsBlankChar(char c) {
    return c == ' ' || c == '\t';
}

std::string Unquoted(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::vector<TextLine> SplitTextLines(std::string_view text) {
    std::vector<TextLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        size_t bodyEnd = lf == std::string_view::npos ? text.size() : lf;
        const size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        if (bodyEnd > start && text[bodyEnd - 1] == '\r')
            --bodyEnd;
        lines.push_back(
            {text.substr(start, bodyEnd - start), text.substr(bodyEnd, next - bodyEnd)});
        start = next;
    }
    return lines;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> bodies;
    for (const TextLine& line : SplitTextLines(text))
        bodies.push_back(line.body);
    return bodies;
}

bool IsBlankLine(std::string_view line) {
    // A plain loop: readers ask about every field, and most fields end the
    // loop at their first character, before an unrolled search is set up.
    for (const char c : line)
        if (!IsBlankChar(c))
            return false;
    return true;
}

std::optional<std::string> SectionHeaderName(std::string_view line) {
    if (const std::optional<std::string_view> name = SectionHeaderView(line))
        return std::string(*name);
    return std::nullopt;
}

std::optional<std::string_view> SectionHeaderView(std::string_view line) {
    while (!line.empty() && IsBlankChar(line.front()))
        line.remove_prefix(1);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    return TrimmedBlanksView(line.substr(1, line.find(']', 1) - 1));
}

CProfileText::CProfileText(std::string_view text) {
    SectionBody* current = nullptr;
    for (std::string_view line : SplitLines(text)) {
        if (auto name = SectionHeaderName(line)) {
            firstByLowerName_.try_emplace(ToLowerAscii(*name), sections_.size());
            names_.push_back(std::move(*name));
            current = &sections_.emplace_back();
            continue;
        }
        if (current != nullptr && !IsBlankLine(line))
            current->lines.emplace_back(line);
    }
}

const std::vector<std::string>& CProfileText::Section(std::string_view name) const {
    static const std::vector<std::string> kNone;
    const auto found = firstByLowerName_.find(ToLowerAscii(name));
    return found == firstByLowerName_.end() ? kNone : sections_[found->second].lines;
}

std::optional<std::string> CProfileText::Value(std::string_view section,
                                               std::string_view key) const {
    for (const std::string& line : Section(section)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        if (EqualsNoCase(TrimmedBlanks(std::string_view(line).substr(0, equals)), key))
            return Unquoted(TrimmedBlanks(std::string_view(line).substr(equals + 1)));
    }
    return std::nullopt;
}

} // namespace corvid
