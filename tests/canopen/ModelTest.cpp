#include "canopen/CANopenModel.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

CANopenObject Object(uint16_t index, uint8_t category = kCategoryOptional) {
    CANopenObject object;
    object.Index = index;
    object.Category = category;
    return object;
}

std::vector<uint16_t> Indexes(const std::vector<CANopenObject>& objects) {
    std::vector<uint16_t> indexes;
    for (const auto& object : objects)
        indexes.push_back(object.Index);
    return indexes;
}

TEST(FindObject, RelationsOfTheWalk) {
    std::vector<CANopenObject> objects;
    FindResult empty = FindObject(objects, 0x1000);
    EXPECT_FALSE(empty.position);
    EXPECT_EQ(empty.relation, FindRelation::After);

    objects.push_back(Object(0x1018));
    FindResult before = FindObject(objects, 0x1000);
    EXPECT_EQ(before.position, 0u);
    EXPECT_EQ(before.relation, FindRelation::Before);

    objects.insert(objects.begin(), Object(0x1000));
    FindResult found = FindObject(objects, 0x1000);
    EXPECT_EQ(found.position, 0u);
    EXPECT_EQ(found.relation, FindRelation::Found);

    FindResult after = FindObject(objects, 0x2000);
    EXPECT_EQ(after.position, 1u);
    EXPECT_EQ(after.relation, FindRelation::After);
}

TEST(FindObject, FirstOfEqualKeysIsFound) {
    std::vector<CANopenObject> objects = {Object(0x1000), Object(0x1008, 1), Object(0x1008, 3)};
    const FindResult found = FindObject(objects, 0x1008);
    EXPECT_EQ(found.position, 1u);
    EXPECT_EQ(found.relation, FindRelation::Found);
}

TEST(InsertOrdered, SortsAndReplacesInPlace) {
    std::vector<CANopenObject> objects;
    InsertOrdered(objects, Object(0x1018));
    InsertOrdered(objects, Object(0x1000));
    InsertOrdered(objects, Object(0x1008));
    EXPECT_EQ(Indexes(objects), (std::vector<uint16_t>{0x1000, 0x1008, 0x1018}));

    CANopenObject replacement = Object(0x1008, kCategoryManufacturer);
    replacement.ParameterName = "new";
    InsertOrdered(objects, replacement);
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[1].ParameterName, "new");
    EXPECT_EQ(objects[1].Category, kCategoryManufacturer);

    // Sub-indexes are keyed by their sub-index alone.
    std::vector<CANopenObject> subs(2, Object(0x1018));
    subs[1].SubIndex = 3;
    CANopenObject zero = Object(0x1018);
    zero.ParameterName = "new";
    InsertOrderedSub(subs, zero);
    ASSERT_EQ(subs.size(), 2u);
    EXPECT_EQ(subs[0].ParameterName, "new");
}

// Undo keeps copies of records: a copy must not share the kept lines of the
// record it came from.
TEST(KeptLineList, CopiesOwnTheirLines) {
    CANopenObject record = Object(0x2000);
    record.KeptLines.emplace_back("; note");
    const CANopenObject copy = record;
    record.KeptLines.emplace_back("Extra=1");
    EXPECT_EQ(copy.KeptLines.Lines(), std::vector<std::string>{"; note"});
    EXPECT_NE(copy, record);

    CANopenObject assigned = Object(0x2000);
    assigned = copy;
    const CANopenObject& self = assigned;
    assigned = self;
    EXPECT_EQ(assigned, copy);
    assigned = Object(0x2000);
    EXPECT_TRUE(assigned.KeptLines.empty());
    EXPECT_TRUE(assigned.KeptLines.Lines().empty());
}

} // namespace
} // namespace corvid
