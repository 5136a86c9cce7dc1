#pragma once

// The CANopen reader's view of a file: its sections in file order, each a
// view of its lines in the file's own bytes, found in one pass. Nothing is
// copied per line or per section name, so a file of megabytes is indexed at
// the speed of a line search. The reader marks what it reads, so that
// whatever is left can be kept and reported with its place.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
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
        // Inline, for the reader steps through every line of the file.
        Iterator& operator++() {
            if (rest_.empty()) {
                done_ = true;
                return *this;
            }
            const auto* feed =
                static_cast<const char*>(std::memchr(rest_.data(), '\n', rest_.size()));
            const size_t length =
                feed != nullptr ? static_cast<size_t>(feed - rest_.data()) : rest_.size();
            line_.text = rest_.substr(0, length);
            if (line_.text.ends_with('\r'))
                line_.text.remove_suffix(1);
            ++line_.number;
            rest_.remove_prefix(feed != nullptr ? length + 1 : length);
            return *this;
        }
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

// An object or sub-index section name ("1A00", "1A00sub1") as numbers, so
// the reader finds a record's section without spelling its name.
struct RecordKey {
    static constexpr uint32_t kNone = UINT32_MAX;
    static constexpr uint32_t Object(uint16_t index) { return uint32_t{index} << 9; }
    static constexpr uint32_t SubIndex(uint16_t index, uint8_t subIndex) {
        return Object(index) | uint32_t{subIndex} << 1 | 1;
    }
    static constexpr bool IsSubIndex(uint32_t key) { return (key & 1) != 0; }
    static constexpr uint16_t IndexOf(uint32_t key) { return static_cast<uint16_t>(key >> 9); }
    static constexpr uint8_t SubIndexOf(uint32_t key) { return static_cast<uint8_t>(key >> 1); }
};

// The key of a name spelled as the writer spells record sections, letter
// case aside, else RecordKey::kNone: "1a00" and "1A00SUB1" have keys,
// "01A00" and "1A00sub01" do not, for the writer never gives those names.
uint32_t RecordKeyOfName(std::string_view name);
// The writer's spelling of a record section's name.
std::string RecordSectionName(uint32_t key);

// A section as places in the source's text: 32-bit offsets and no view or
// string of its own, for a file of megabytes has tens of thousands of
// sections and the index is held beside the model being built. The header
// line, the name and the body are found again from the header's start and
// the next section's when asked for: records are looked up by key, and few
// sections by name.
struct SourceSection {
    uint32_t headerStart = 0; // the header line as written
    int number = 0;
    uint32_t record = RecordKey::kNone; // RecordKeyOfName(name)
    bool first = true;                  // no section of the same name stands before it
    bool read = false;
};

class CANopenSource {
public:
    // `text` without a byte-order mark; it must outlive the source.
    explicit CANopenSource(std::string_view text);

    // Sections are placed by 32-bit offsets: a header further in is not
    // one, its lines stay with the section before it and are kept.
    static constexpr size_t kMostHeaderStart = UINT32_MAX;

    std::vector<SourceSection>& Sections() { return sections_; }

    std::string_view Header(const SourceSection& section) const;
    // Between the brackets, blanks around it removed.
    std::string_view Name(const SourceSection& section) const;
    // Every line up to the next header, blank ones too.
    SourceLines Lines(const SourceSection& section) const;
    // Those lines as one text, line ends included.
    std::string_view Body(const SourceSection& section) const;
    bool HasContent(const SourceSection& section) const;

    // Marks a section of `sections_` read under the name the writer gives
    // it, which must outlive the source; "" for a record's section, which is
    // read under RecordSectionName(record).
    void MarkRead(SourceSection& section, const char* readAs);
    const char* ReadAs(const SourceSection& section) const;

    // The first section of that name, regardless of letter case, or null.
    SourceSection* Find(std::string_view name);
    // The same for a record's key (RecordKey).
    SourceSection* FindRecord(uint32_t key);

private:
    // A name to look up: a record's key, or the name itself when it names
    // no record. Records are hashed by key and other names by their letters.
    struct Query {
        uint32_t record;
        std::string_view name;
    };
    Query QueryOf(const SourceSection& section) const;
    bool Matches(const SourceSection& section, const Query& query) const;
    SourceSection* FindQuery(const Query& query);
    void IndexNames();
    // Where `query` stands among the slots, or the free slot it would take.
    size_t SlotOf(const Query& query) const;

    std::string_view text_;
    std::vector<SourceSection> sections_;
    // Open addressing by a case-blind hash of the name: slot holds the
    // section's position + 1, 0 for a free slot. No node per section.
    std::vector<uint32_t> slots_;
    // The names of the few sections other than records read so far.
    std::vector<std::pair<const SourceSection*, const char*>> readAs_;
    size_t last_ = static_cast<size_t>(-1); // the section found last
};

// True for a line whose first character after blanks is ";".
bool IsCommentLine(std::string_view line);

} // namespace corvid
