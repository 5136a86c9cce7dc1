#pragma once

// Saving a file that was read in its own layout: the writer renders the
// model as it was read and as it is now, and only what differs between the
// two renders is written into the file's own text, at its own place. Every
// other byte (comments, spacing, key spelling and order, number forms, line
// ends, the byte-order mark, the file's end) stays as read, so a save
// without a change gives back the file read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

// How the text of one fieldbus is cut.
struct LayoutDialect {
    // CANopen: one "key=value" line per entry, ";" starts a comment line,
    // keys and section names without regard to case. Otherwise (DeviceNet
    // and EtherNet/IP): entries run to a ";" outside quotes, "$" starts a
    // comment, fields are separated by ",", and names match exactly.
    bool lineEntries = false;
    // DeviceNet's reader drops blanks inside section headers too.
    bool blanksInSectionNames = true;
};

inline constexpr LayoutDialect kCANopenLayout{true, true};
inline constexpr LayoutDialect kDeviceNetLayout{false, false};
inline constexpr LayoutDialect kEtherNetIPLayout{false, true};

struct KeptLayoutResult {
    std::string text;
    size_t changedLines = 0; // lines of the file replaced, removed or added
};

// False when two renders of the writer differ outside the section named
// `section` (as matched: CANopen names in lower case), told without
// cutting them; true when they may differ only inside it, or when the
// dialect does not let that be told cheaply (entries spanning lines).
bool MayDifferOnlyIn(std::string_view asRead, std::string_view current, std::string_view section,
                     const LayoutDialect& dialect);

// `source` is the file's text; `asRead` and `current` are the writer's
// renders of the model read from it and of the model to save.
KeptLayoutResult MergeIntoSource(std::string_view source, std::string_view asRead,
                                 std::string_view current, const LayoutDialect& dialect);

// The same for renders of some of the model's sections only, each render
// as the whole one has it. None when `asRead` and `current` do not name the
// same sections, each once, in the same order, or when a section that
// differs is not in the file: where a section goes needs the whole render.
std::optional<KeptLayoutResult> MergePartsIntoSource(std::string_view source,
                                                     std::string_view asRead,
                                                     std::string_view current,
                                                     const LayoutDialect& dialect);

} // namespace corvid
