#pragma once

// An entry's fields taken straight from the file's text. Nearly every
// ParamN and AssemN entry of a file is plain: each field is a number, a
// name or a quoted text closed on its line, with blanks, line ends and
// comments around it and a "," or ";" behind it. Such a field, cleaned, is
// its text as written, so it can be a view into the file, and the entry's
// lines need neither cleaning nor joining. Anything else is left to JoinEntry and the
// field cursor, which stay the one definition of how an entry reads.

#include "devicenet/EDSLineScanner.h"

#include <span>
#include <string_view>
#include <vector>

namespace corvid {

// The fields of the numbered entry whose first line `source` took last
// (its key as NumberedKeyAt matches it), as views into the text, when the
// entry is plain: the same texts as JoinEntry and the field cursor would
// give, and the source then stands where JoinEntry leaves it; fields the
// entry lacks are left as they are. Returns false, with the source not
// moved and `fields` of no use, when the entry is not plain: two pieces of
// text in one field ("1 2" is cleaned to "12"), a quote left open at its
// line end, a carriage return not in front of a line feed, more fields
// than `fields` holds, text behind the ";" on its line, or the end of the
// text before the ";".
bool TakePlainEntry(CEDSLineSource& source, std::span<std::string_view> fields);

// The same for an entry of any number of fields (an assembly lists its
// members): `fields` is filled with all of them, as the field cursor's Next
// gives them, and is of no use when the entry is not plain.
bool TakePlainEntry(CEDSLineSource& source, std::vector<std::string_view>& fields);

} // namespace corvid
