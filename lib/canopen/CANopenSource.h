#pragma once

// The CANopen reader's view of a file: its sections in file order, each a
// view of its lines in the file's own bytes, found in one pass. Nothing is
// copied per line or per section name, so a file of megabytes is indexed at
// the speed of a line search. The reader marks what it reads, so that
// whatever is left can be kept and reported with its place.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

struct SourceLine {
    std::string_view text; // as written, line end removed
    int number = 0;        // 1-based, counted in the file as given
};

// The lines of a section's body, split as they are walked.
class SourceLines {
public:
    class Iterator {
    public:
        using value_type = SourceLine;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Iterator(std::string_view rest, int number) : rest_(rest), line_{{}, number - 1} {
            ++*this;
        }
        const SourceLine& operator*() const { return line_; }
        const SourceLine* operator->() const { return &line_; }
        Iterator& operator++();
        void operator++(int) { ++*this; }
        bool operator==(std::default_sentinel_t) const { return done_; }

    private:
        std::string_view rest_;
        SourceLine line_;
        bool done_ = false;
    };

    SourceLines(std::string_view body, int firstNumber) : body_(body), firstNumber_(firstNumber) {}
    Iterator begin() const { return {body_, firstNumber_}; }
    std::default_sentinel_t end() const { return {}; }

private:
    std::string_view body_;
    int firstNumber_;
};

struct SourceSection {
    std::string_view header; // the header line as written
    std::string_view name;   // between the brackets, blanks around it removed
    std::string_view body;   // every line up to the next header, line ends included
    int number = 0;
    bool first = true; // no section of the same name stands before it
    // The name the writer gives the section once the reader has read it;
    // empty while unread.
    std::string readAs;

    // Every line up to the next header, blank ones too.
    SourceLines Lines() const { return {body, number + 1}; }
    bool HasContent() const;
};

class CANopenSource {
public:
    // `text` without a byte-order mark; it must outlive the source.
    explicit CANopenSource(std::string_view text);

    std::vector<SourceSection>& Sections() { return sections_; }

    // The first section of that name, regardless of letter case, or null.
    SourceSection* Find(std::string_view name);

private:
    void IndexNames();
    // Where `name` stands among the slots, or the free slot it would take.
    size_t SlotOf(std::string_view name) const;

    std::vector<SourceSection> sections_;
    // Open addressing by a case-blind hash of the name: slot holds the
    // section's position + 1, 0 for a free slot. No node per section.
    std::vector<uint32_t> slots_;
    size_t last_ = static_cast<size_t>(-1); // the section found last
};

// True for a line whose first character after blanks is ";".
bool IsCommentLine(std::string_view line);

} // namespace corvid
