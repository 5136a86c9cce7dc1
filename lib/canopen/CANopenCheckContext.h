#pragma once

// The CANopen check's view of a file: each section with its keyed lines,
// where each stands, and the findings gathered so far. The rules of the
// check are spread over a few files by subject; they share this.

#include "CANopenSource.h"

#include "dictionaries/CheckFinding.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

struct CheckedKey {
    std::string written; // the key as the file writes it, blanks around it removed
    std::string lower;   // blanks removed, lower case: what the reader matches
    std::string value;   // trimmed
    int line = 0;
};

// What an object section's name says: "1A00", "1A00sub1", "1A00Name".
struct ObjectSectionParts {
    enum class Kind { None, Object, SubIndex, Names, Values } kind = Kind::None;
    uint16_t index = 0;
    uint8_t subIndex = 0;
};
ObjectSectionParts ParseObjectSectionName(std::string_view name);

struct CheckedSection {
    const SourceSection* source = nullptr;
    std::string_view name;
    std::vector<CheckedKey> keys; // in file order, lines without "=" left out
    bool first = true;            // the first section of its name, the one read

    const CheckedKey* Find(std::string_view lower) const;
    std::string_view Name() const { return name; }
};

class CANopenCheckContext {
public:
    CANopenCheckContext(CANopenSource& source, const std::string& path);

    const std::vector<CheckedSection>& Sections() const { return sections_; }
    // The first section of the name, regardless of letter case, or null.
    const CheckedSection* Find(std::string_view name) const;
    const CheckedSection* FindObject(uint16_t index) const;
    const CheckedSection* FindSubIndex(uint16_t index, uint8_t subIndex) const;
    // The sub-index sections present for an object, by sub-index.
    const std::map<uint8_t, const CheckedSection*>& SubIndexesOf(uint16_t index) const;

    // A finding at the key's line, or at the section's header without one.
    void Report(Severity severity, const CheckedSection& section, const CheckedKey* key,
                std::string message);
    void ReportAt(Severity severity, int line, std::string section, std::string key,
                  std::string message);

    CheckFindings TakeFindings() { return std::move(findings_); }

private:
    const std::string& path_;
    std::vector<CheckedSection> sections_;
    std::map<uint16_t, const CheckedSection*> objects_;
    std::map<uint16_t, std::map<uint8_t, const CheckedSection*>> subIndexes_;
    CheckFindings findings_;
};

// A value as an unsigned number when it is one (decimal, hex or octal).
std::optional<uint64_t> UnsignedValue(std::string_view value);

// "0x1A00".
std::string IndexText(uint16_t index);

// The rules, by subject.
void CheckFixedSections(CANopenCheckContext& context);
void CheckObjectLists(CANopenCheckContext& context);
void CheckObjectSections(CANopenCheckContext& context);
void CheckPDOMappings(CANopenCheckContext& context);

} // namespace corvid
