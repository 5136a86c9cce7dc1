#include "dictionaries/ProfileText.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid {

namespace {

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
    return line.find_first_not_of(" 	") == std::string_view::npos;
}

std::optional<std::string> SectionHeaderName(std::string_view line) {
    const size_t open = line.find_first_not_of(" \t");
    if (open == std::string_view::npos || line[open] != '[')
        return std::nullopt;
    const size_t close = line.find(']', open + 1);
    const size_t end = close == std::string_view::npos ? line.size() : close;
    return TrimmedBlanks(line.substr(open + 1, end - open - 1));
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
