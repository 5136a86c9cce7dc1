// The DeviceNet model's ordered I/O lists.

#include "devicenet/DeviceNetModel.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

IOEntry Entry(uint32_t number, std::string name = {}) {
    IOEntry entry;
    entry.Number = number;
    entry.Name = std::move(name);
    return entry;
}

TEST(FindIOEntry, RelationToTheList) {
    std::vector<IOEntry> list;
    FindResult empty = FindIOEntry(list, 3);
    EXPECT_FALSE(empty.position);
    EXPECT_EQ(empty.relation, FindRelation::After);
    list = {Entry(2), Entry(7)};
    const FindResult before = FindIOEntry(list, 5);
    EXPECT_EQ(before.position, 1u);
    EXPECT_EQ(before.relation, FindRelation::Before);
    const FindResult found = FindIOEntry(list, 2);
    EXPECT_EQ(found.position, 0u);
    EXPECT_EQ(found.relation, FindRelation::Found);
    const FindResult after = FindIOEntry(list, 9);
    EXPECT_EQ(after.position, 1u);
    EXPECT_EQ(after.relation, FindRelation::After);
}

TEST(InsertOrdered, KeepsNumbersSortedAndTheNewEntryWins) {
    std::vector<IOEntry> list;
    InsertOrdered(list, Entry(7, "old"));
    InsertOrdered(list, Entry(2));
    InsertOrdered(list, Entry(5));
    InsertOrdered(list, Entry(7, "new"));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Number, 2u);
    EXPECT_EQ(list[1].Number, 5u);
    EXPECT_EQ(list[2].Number, 7u);
    EXPECT_EQ(list[2].Name, "new");
}

} // namespace
} // namespace corvid
