#pragma once

// The CIP check's view of a file: its entries, each joined over its lines,
// with its section, keyword and the line it begins on.

#include "devicenet/CIPCheck.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvid {

struct CIPEntry {
    std::string section; // without brackets
    std::string keyword; // the text before "=" ("Param12", "ProdName")
    std::string entry;   // joined and normalised
    int line = 0;
};

struct CIPSectionHeader {
    std::string name;
    int line = 0;
};

struct CIPFileEntries {
    std::vector<CIPSectionHeader> sections;
    std::vector<CIPEntry> entries;

    const CIPEntry* Find(std::string_view section, std::string_view keyword) const;
};

// Entries cut off by the end of the text are left out; the reader notes them.
CIPFileEntries ScanCIPEntries(std::string_view text, CIPFileKind kind);

// The number behind `keyword` in a keyword such as "Param12", or 0 when the
// keyword is not `keyword` and digits.
uint32_t NumberedKeyword(std::string_view written, std::string_view keyword);

} // namespace corvid
