#pragma once

// What a DeviceNet or EtherNet/IP file holds beyond the model: the entries a
// reader did not turn into fields, per section, and the sections it does not
// read, each exactly as written, so a save gives them back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

// The entries of one known section (named as in its header, without the
// brackets) that were not read, their lines as written, in file order.
struct KeptEntries {
    std::string Section;
    std::vector<std::string> Lines;

    bool operator==(const KeptEntries&) const = default;
};

// A section the reader does not read, kept whole. It is written after the
// section named `After`, the last known section in front of it in the file
// (none: in front of all of them); when no section of that name is written,
// at the end. A known section may have an empty name ("[]"), so an empty
// name is not the same as none. Lines in front of the first section that
// hold more than comments are kept the same way, with an empty Header.
struct KeptSection {
    std::optional<std::string> After;
    std::string Header;             // the header line as written
    std::vector<std::string> Lines; // as written, blank and comment lines at its end left out

    bool operator==(const KeptSection&) const = default;
};

struct CEDSKeptLines {
    bool ByteOrderMark = false;        // the file began with a UTF-8 byte-order mark
    std::vector<KeptEntries> Entries;  // one record per section, in the order first met
    std::vector<KeptSection> Sections; // in file order

    // The kept entry lines of a section, created empty when there are none.
    std::vector<std::string>& EntriesOf(std::string_view section);
    // The same for reading; empty when there are none.
    const std::vector<std::string>& EntriesOf(std::string_view section) const;

    bool operator==(const CEDSKeptLines&) const = default;
};

} // namespace corvid
