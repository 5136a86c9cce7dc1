#pragma once

// Puts what a file held beyond the model back into the file being written:
// kept entries at the end of their section, kept sections after the section
// they followed (in front of the next header written), those whose section
// is not written at the end, and the byte-order mark in front of it all.
// Every section header of a DeviceNet or EtherNet/IP file is written
// through it, so it knows which section a kept one comes after.

#include "devicenet/EDSKeptLines.h"
#include "dictionaries/EDSLineWriter.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

class CKeptLinesWriter {
public:
    // Writes the byte-order mark when the file had one.
    CKeptLinesWriter(CEDSLineWriter& out, const CEDSKeptLines& kept);

    // "[name]", after the kept sections that followed the section written
    // before it.
    void Section(std::string_view name);
    // The kept entries of the named section (written once).
    void Entries(std::string_view name);
    bool HasEntries(std::string_view name) const { return !kept_.EntriesOf(name).empty(); }
    // Whether kept sections followed the named section in the file: they
    // read back in their place only behind it.
    bool HasSectionsAfter(std::string_view name) const;
    // At the end of the file: the kept sections still to write, then kept
    // entries of sections that were not written.
    void Finish();

private:
    void WriteSection(size_t index);
    void SectionsAfterLast();
    void SectionsAfter(std::optional<std::string_view> name);

    CEDSLineWriter& out_;
    const CEDSKeptLines& kept_;
    std::optional<std::string> last_; // the section whose header was written last
    std::vector<bool> written_;
    std::set<std::string, std::less<>> entriesWritten_;
};

} // namespace corvid
