#pragma once

// An EDS file's text cut into sections and entries, each with the byte
// spans it came from, so a save can replace one value in place and leave
// every other byte as it was.

#include "dictionaries/KeptLayout.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

struct Span {
    size_t begin = 0;
    size_t end = 0;
};

struct LayoutField {
    Span content;         // trimmed text, without comments at its ends
    size_t separator = 0; // the "=" or "," in front of it
    std::string match;    // the text as the reader sees it
};

struct LayoutEntry {
    Span whole; // whole lines where the entry has them to itself
    Span key;
    size_t end = 0;        // the ";" (or the line's end) behind the last field
    std::string match;     // the key as the reader matches it
    std::string_view text; // all of the text the entry was cut from

    // What follows the key up to `end`: two entries whose bodies are the
    // same bytes have the same fields.
    std::string_view Body() const { return text.substr(key.end, end - key.end); }
    // The fields, cut at the first call: most entries of a large file are
    // the same in both renders, told by their bodies alone, and a
    // DeviceNet parameter has two dozen fields.
    const std::vector<LayoutField>& Fields() const;

    mutable std::vector<LayoutField> fields; // complete once fieldsCut is set
    mutable bool fieldsCut = false;
};

struct LayoutSection {
    Span header;        // the header line with its line end
    size_t bodyEnd = 0; // behind the last line that is neither blank nor comment
    size_t end = 0;     // where the next section's header begins
    std::string match;
    std::vector<LayoutEntry> entries; // complete once entriesCut is set
    bool entriesCut = false;
};

struct LayoutText {
    std::string_view text;
    std::vector<LayoutSection> sections;
};

// Sections with their spans; the entries of DeviceNet and EtherNet/IP
// sections too, as their spans depend on them, those of CANopen sections
// through EntriesOf.
LayoutText CutLayoutText(std::string_view text, const LayoutDialect& dialect);

// Only the sections named `names` (as matched, in any order), with the same
// spans as a cut of the whole text gives them.
LayoutText CutLayoutSections(std::string_view text, const LayoutDialect& dialect,
                             const std::vector<std::string>& names);

// The entries of a section of `text`, cut at the first call.
const std::vector<LayoutEntry>& EntriesOf(const LayoutText& text, LayoutSection& section);

// Section starts of CANopen texts, whose lines stand alone, so a header
// found by looking back or ahead is the one a cut from the start finds:
// the last header line whose "[" lies before `position` (npos when none),
// and the first header line beginning after `position` (the text's size
// when none).
size_t SectionStartBefore(std::string_view text, size_t position);
size_t SectionStartAfter(std::string_view text, size_t position);

// The name of the section whose header line begins at `begin`, as matched.
std::string SectionMatchAt(std::string_view text, size_t begin, const LayoutDialect& dialect);

// The name as the reader matches it: blanks at the ends dropped, and lower
// case or blanks inside dropped as the dialect says.
std::string MatchName(std::string_view name, const LayoutDialect& dialect);

} // namespace corvid
