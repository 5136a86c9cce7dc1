#pragma once

// Where the editing view shows a problem the check found: the page of its
// section, the entry to open, and the row and cell of its key. A finding
// names a section and key as the file writes them; pages key their rows
// without blanks ("Default Value" is DefaultValue), and an object's
// sub-index sections ("1018sub1") are rows of the object list its index is
// on.

#include "door/EDSDoc.h"
#include "pages/PageRows.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvid {

struct ProblemPlace {
    std::string Section;          // the page; kFileSummarySection when no page shows it
    PageState State;              // the entries open so that Row shows
    std::optional<size_t> Row;    // none when no row of the page holds the problem
    std::optional<size_t> Column; // none when no cell stands for the key
};

ProblemPlace PlaceOfProblem(const CEDSDoc& doc, EDSFileRef file, std::string_view section,
                            std::string_view key);

} // namespace corvid
