#pragma once

#include "dictionaries/CheckFinding.h"

#include <string>
#include <string_view>

namespace corvid {

// Every problem of a CANopen EDS file, each at the line it stands on, in
// line order: values that do not fit their data type, keys and sections the
// format does not know, object lists that disagree with the object sections,
// counts that disagree with what they count, PDO mappings of objects that
// cannot be mapped, and (as notes) what the reader keeps without
// understanding. `path` names the file in the findings.
CheckFindings CheckCANopenText(std::string_view text, const std::string& path);

} // namespace corvid
