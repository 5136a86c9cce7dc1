#pragma once

// The CANopen reader's view of a file: its sections in file order, each with
// every line and its line number, parsed once. The reader marks what it
// reads, so that whatever is left can be kept and reported with its place.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvid {

struct SourceLine {
    std::string_view text; // as written, line end removed
    int number = 0;        // 1-based, counted in the file as given
};

struct SourceSection {
    std::string_view header; // the header line as written
    std::string name;        // between the brackets, blanks around it removed
    int number = 0;
    std::vector<SourceLine> lines; // every line up to the next header, blank ones too
    // The name the writer gives the section once the reader has read it;
    // empty while unread.
    std::string readAs;

    bool HasContent() const;
};

class CANopenSource {
public:
    // `text` without a byte-order mark.
    explicit CANopenSource(std::string_view text);

    std::vector<SourceSection>& Sections() { return sections_; }

    // The first section of that name, regardless of letter case, or null.
    SourceSection* Find(std::string_view name);

private:
    std::vector<SourceSection> sections_;
    std::unordered_map<std::string, size_t> firstByLowerName_;
};

// True for a line whose first character after blanks is ";".
bool IsCommentLine(std::string_view line);

} // namespace corvid
