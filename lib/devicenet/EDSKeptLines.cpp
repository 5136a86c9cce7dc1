#include "devicenet/EDSKeptLines.h"

#include <algorithm>

namespace corvid {

std::vector<std::string>& CEDSKeptLines::EntriesOf(std::string_view section) {
    const auto found = std::ranges::find(Entries, section, &KeptEntries::Section);
    if (found != Entries.end())
        return found->Lines;
    return Entries.emplace_back(KeptEntries{std::string(section), {}}).Lines;
}

const std::vector<std::string>& CEDSKeptLines::EntriesOf(std::string_view section) const {
    static const std::vector<std::string> kNone;
    const auto found = std::ranges::find(Entries, section, &KeptEntries::Section);
    return found != Entries.end() ? found->Lines : kNone;
}

} // namespace corvid
