#include "canopen/CANopenModel.h"

#include <algorithm>

namespace corvid {

namespace {

// The lists are kept sorted by their producers, so a binary search gives the
// same answer as a walk from the head, including the first of equal keys.
template <typename Key, typename KeyOf>
FindResult FindIn(const std::vector<CANopenObject>& list, Key key, KeyOf keyOf) {
    if (list.empty())
        return {std::nullopt, FindRelation::After};
    const auto it = std::partition_point(list.begin(), list.end(),
                                         [&](const CANopenObject& r) { return keyOf(r) < key; });
    if (it == list.end())
        return {list.size() - 1, FindRelation::After};
    const size_t position = static_cast<size_t>(it - list.begin());
    return {position, keyOf(*it) == key ? FindRelation::Found : FindRelation::Before};
}

void PlaceAt(std::vector<CANopenObject>& list, const FindResult& where, CANopenObject record) {
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

uint16_t IndexOf(const CANopenObject& record) {
    return record.Index;
}
uint8_t SubIndexOf(const CANopenObject& record) {
    return record.SubIndex;
}

} // namespace

FindResult FindObject(const std::vector<CANopenObject>& objects, uint16_t index) {
    return FindIn(objects, index, IndexOf);
}

FindResult FindSubObject(const std::vector<CANopenObject>& subObjects, uint8_t subIndex) {
    return FindIn(subObjects, subIndex, SubIndexOf);
}

void InsertOrdered(std::vector<CANopenObject>& objects, CANopenObject record) {
    const FindResult where = FindObject(objects, record.Index);
    PlaceAt(objects, where, std::move(record));
}

void InsertOrderedSub(std::vector<CANopenObject>& subObjects, CANopenObject record) {
    const FindResult where = FindSubObject(subObjects, record.SubIndex);
    PlaceAt(subObjects, where, std::move(record));
}

} // namespace corvid
