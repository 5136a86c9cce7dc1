#pragma once

// Which entry of a section, as the writer rendered it before an edit, is
// which entry after it. Entries are matched by kind and content, not by
// number, so that entries renumbered by an insert or a delete are found
// again and only their keys change.

#include "LayoutText.h"

#include <vector>

namespace corvid {

// One entry before and after; `before` alone was deleted, `after` alone
// was inserted.
struct AlignedEntry {
    const LayoutEntry* before = nullptr;
    const LayoutEntry* after = nullptr;
};

// In the order of `after`, deleted entries where they stood.
std::vector<AlignedEntry> AlignEntries(const std::vector<LayoutEntry>& before,
                                       const std::vector<LayoutEntry>& after);

// Same key and same fields, as the reader sees them.
bool SameEntry(const LayoutEntry& a, const LayoutEntry& b);

// The key without the number at its end: "Param" for "Param12".
std::string_view EntryKind(std::string_view key);

} // namespace corvid
