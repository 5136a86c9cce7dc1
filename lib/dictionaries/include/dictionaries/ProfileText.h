#pragma once

// INI-style ("private profile") text, parsed once and queried many times.
// Section names and keys match regardless of letter case; where a name occurs
// twice, the first occurrence answers, as the Windows profile calls did.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvid {

class CProfileText {
public:
    CProfileText() = default;
    explicit CProfileText(std::string_view text);

    // Every section name as written, in file order, duplicates included.
    const std::vector<std::string>& SectionNames() const { return names_; }

    // The non-blank lines of the first section of that name, as written (line
    // ends removed), in file order; empty when there is no such section.
    const std::vector<std::string>& Section(std::string_view name) const;

    // The value of the first line of the section whose key (the text before
    // "=", blanks removed around it) matches; blanks around the value and one
    // pair of enclosing quotes are removed.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

private:
    struct SectionBody {
        std::vector<std::string> lines;
    };
    std::vector<std::string> names_;
    std::vector<SectionBody> sections_;
    std::unordered_map<std::string, size_t> firstByLowerName_;
};

// One line of text and the line end that followed it ("\r\n", "\n", or
// nothing for a last line without one), so edits can keep both as they were.
struct TextLine {
    std::string_view body;
    std::string_view end;
};

// Splits text into lines at LF; one CR in front of an LF belongs to the line
// end. A last line without a line end is still a line.
std::vector<TextLine> SplitTextLines(std::string_view text);
std::vector<std::string_view> SplitLines(std::string_view text);

// True for a line of nothing but spaces and tabs.
bool IsBlankLine(std::string_view line);

// The name between "[" and "]" when the line (after leading blanks) is a
// section header, blanks around the name removed.
std::optional<std::string> SectionHeaderName(std::string_view line);
// The same name as a view of the line's own bytes, for readers that copy
// nothing.
std::optional<std::string_view> SectionHeaderView(std::string_view line);

} // namespace corvid
