// Finding a class entry by number and occurrence; the numbered lists share
// the ordered-list search checked in tests/canopen/ModelTest.cpp.

#include "ethernetip/EtherNetIPModel.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

TEST(FindClassEntry, FindsTheWantedOccurrenceOfANumber) {
    CEtherNetIPEDS model;
    model.DeviceClassification = {{1, 1, "EtherNetIP"}, {2, 2, "A"}, {2, 3, "B"}};
    FindResult second = FindClassEntry(model, 2, 2);
    EXPECT_EQ(second.position, 2u);
    EXPECT_EQ(second.relation, FindRelation::Found);
    FindResult third = FindClassEntry(model, 2, 3);
    EXPECT_EQ(third.position, 2u);
    EXPECT_EQ(third.relation, FindRelation::After);
    for (const int occurrence : {-1, 0, 1}) {
        const FindResult first = FindClassEntry(model, 2, occurrence);
        EXPECT_EQ(first.position, 1u);
        EXPECT_EQ(first.relation, FindRelation::Found);
    }
    EXPECT_EQ(FindClassEntry(model, 0, 1).relation, FindRelation::Before);
}

// A reader fills the entry it is handed where it stands: in front of a
// higher number, at the end, or over an entry of the same number, of which
// nothing is kept.
TEST(PlaceOrdered, HandsOutAFreshEntryInItsPlace) {
    std::vector<AssemblyEntry> list;
    PlaceOrdered(list, 5).Name = "five";
    PlaceOrdered(list, 2).Name = "two";
    PlaceOrdered(list, 9).MemberSizes = {"16"};
    AssemblyEntry& again = PlaceOrdered(list, 5);
    AssemblyEntry fresh;
    fresh.Number = 5;
    EXPECT_EQ(again, fresh);
    again.Name = "five again";
    PlaceOrdered(list, 3).Name = "three";
    std::vector<std::pair<int32_t, std::string>> placed;
    for (const AssemblyEntry& entry : list)
        placed.emplace_back(entry.Number, entry.Name);
    EXPECT_EQ(placed, (std::vector<std::pair<int32_t, std::string>>{
                          {2, "two"}, {3, "three"}, {5, "five again"}, {9, ""}}));
    EXPECT_EQ(list.back().MemberSizes, std::vector<std::string>{"16"});
}

} // namespace
} // namespace corvid
