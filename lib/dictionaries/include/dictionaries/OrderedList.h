#pragma once

// Finding and placing records in a list kept sorted by a key: the CANopen
// object dictionary, the DeviceNet I/O entries, the numbered EtherNet/IP
// entries. Every fieldbus answers "where does this key stand" the same way,
// so editors and readers insert alike.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace corvid {

enum class FindRelation { Found, Before, After };

struct FindResult {
    std::optional<size_t> position; // none only for an empty list
    FindRelation relation = FindRelation::After;
};

// The first record whose key is not below `key` (Found when equal, Before
// when greater), or the last record with After. The lists are kept sorted by
// their producers, so a binary search gives the same answer as a walk from
// the head, including the first of equal keys.
template <typename Record, typename Key, typename KeyOf>
FindResult FindOrdered(const std::vector<Record>& list, Key key, KeyOf keyOf) {
    if (list.empty())
        return {std::nullopt, FindRelation::After};
    const auto it = std::partition_point(list.begin(), list.end(),
                                         [&](const Record& r) { return keyOf(r) < key; });
    if (it == list.end())
        return {list.size() - 1, FindRelation::After};
    const size_t position = static_cast<size_t>(it - list.begin());
    return {position, keyOf(*it) == key ? FindRelation::Found : FindRelation::Before};
}

// Puts `record` where `where` says: appended to an empty list, in front of
// or behind the position, or replacing the record found there.
template <typename Record>
void PlaceAt(std::vector<Record>& list, const FindResult& where, Record record) {
    if (!where.position) {
        list.push_back(std::move(record));
        return;
    }
    const auto at = list.begin() + static_cast<std::ptrdiff_t>(*where.position);
    switch (where.relation) {
    case FindRelation::Found:
        *at = std::move(record);
        break;
    case FindRelation::Before:
        list.insert(at, std::move(record));
        break;
    case FindRelation::After:
        list.insert(at + 1, std::move(record));
        break;
    }
}

} // namespace corvid
