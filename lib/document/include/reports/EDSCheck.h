#pragma once

#include "dictionaries/CheckFinding.h"
#include "door/EDSKind.h"

#include <string>
#include <string_view>

namespace corvid {

// Every problem of an EDS file's text by the rules of its kind, in line
// order, with what its reader keeps without understanding as notes. A file
// of no known kind is one error.
CheckFindings CheckEDSText(EDSKind kind, std::string_view text, const std::string& path);

// The same with the kind detected; a file that detection cannot place (no
// [FileInfo], say) is checked as the first kind whose sections it holds.
CheckFindings CheckEDSFileText(std::string_view text, const std::string& path);

// Counts of the findings by severity.
struct CheckCounts {
    size_t errors = 0;
    size_t warnings = 0;
    size_t notes = 0;
};
CheckCounts CountFindings(const CheckFindings& findings);

} // namespace corvid
