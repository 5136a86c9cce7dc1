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

} // namespace
} // namespace corvid
