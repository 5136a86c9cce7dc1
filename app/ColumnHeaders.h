#pragma once

// Column headers of the editing view in the interface language. A header
// that is one of a file's own keywords ("ParameterName", "VendCode",
// "EnumStr") names what the file writes and stays as written in every
// language; a header that describes ("Index", "Parameter Name", "Value") is
// translated. The core gives the headers in English, with the blanks or tab
// that indent them, which are kept.

#include <QString>

#include <string>
#include <string_view>

namespace corvid::app {

// The context the describing headers have in the translation files.
inline constexpr const char* kColumnHeaderContext = "ColumnHeader";

// True for a header, without its indent, that describes rather than names
// a keyword.
bool IsDescribingHeader(std::string_view header);

QString ShownColumnHeader(const std::string& header);

} // namespace corvid::app
