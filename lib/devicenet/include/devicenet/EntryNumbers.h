#pragma once

// Numbers of entries that keep the number of their key (ParamN, PortN):
// other entries and link paths name them by it, so a save must not change
// it. An entry without one gets the next free number.

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace corvid {

// One above the highest number in the list (1 for an empty list).
template <typename List, typename NumberOf>
uint32_t NextFreeNumber(const List& list, NumberOf numberOf) {
    uint32_t highest = 0;
    for (const auto& entry : list)
        highest = std::max<uint32_t>(highest, static_cast<uint32_t>(numberOf(entry)));
    return highest + 1;
}

// The number of each entry, in list order: its own, or, when that is 0 or
// was taken by an entry in front of it, the next free one.
template <typename List, typename NumberOf>
std::vector<uint32_t> EntryNumbers(const List& list, NumberOf numberOf) {
    uint32_t next = NextFreeNumber(list, numberOf);
    std::set<uint32_t> taken;
    std::vector<uint32_t> numbers;
    numbers.reserve(list.size());
    for (const auto& entry : list) {
        const uint32_t own = static_cast<uint32_t>(numberOf(entry));
        numbers.push_back(own != 0 && taken.insert(own).second ? own : next++);
    }
    return numbers;
}

} // namespace corvid
