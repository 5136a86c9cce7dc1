#pragma once

// Numbers of entries that keep the number of their key (ParamN, PortN):
// other entries and link paths name them by it, so a save must not change
// it. An entry without one gets the next free number.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
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
    std::vector<uint32_t> numbers;
    numbers.reserve(list.size());
    for (const auto& entry : list)
        numbers.push_back(static_cast<uint32_t>(numberOf(entry)));
    // Files mostly number their entries upwards from 1: then every entry
    // keeps its own.
    const bool ascending =
        std::adjacent_find(numbers.begin(), numbers.end(), std::greater_equal<>()) == numbers.end();
    if (ascending && (numbers.empty() || numbers.front() != 0))
        return numbers;
    // The first in list order of each own number keeps it: sorted by number,
    // then by position, it is the first of its run.
    std::vector<size_t> order(numbers.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return numbers[a] < numbers[b]; });
    std::vector<bool> keeps(numbers.size());
    for (size_t k = 0; k < order.size(); ++k)
        keeps[order[k]] =
            numbers[order[k]] != 0 && (k == 0 || numbers[order[k - 1]] != numbers[order[k]]);
    uint32_t next = NextFreeNumber(list, numberOf);
    for (size_t i = 0; i < numbers.size(); ++i)
        if (!keeps[i])
            numbers[i] = next++;
    return numbers;
}

} // namespace corvid
