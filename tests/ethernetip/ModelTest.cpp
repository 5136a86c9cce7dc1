// Finding and inserting numbered EtherNet/IP entries.

#include "ethernetip/EtherNetIPModel.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

std::vector<int32_t> Numbers(const std::vector<TSpecEntry>& list) {
    std::vector<int32_t> numbers;
    for (const TSpecEntry& entry : list)
        numbers.push_back(entry.Number);
    return numbers;
}

TEST(InsertOrdered, PutsEntriesInNumberOrderAndReplacesAnEqualNumberInPlace) {
    CEtherNetIPEDS model;
    auto& tspecs = model.CapacitySection.TSpecs;
    InsertOrdered(tspecs, {5, "TxRx", "8", "100"});
    InsertOrdered(tspecs, {1, "Tx", "4", "10"});
    InsertOrdered(tspecs, {3, "Rx", "2", "1"});
    EXPECT_EQ(Numbers(tspecs), (std::vector<int32_t>{1, 3, 5}));
    InsertOrdered(tspecs, {5, "Rx", "16", "200"});
    EXPECT_EQ(Numbers(tspecs), (std::vector<int32_t>{1, 3, 5}));
    EXPECT_EQ(tspecs[2].ConnSize, "16");
    InsertOrdered(tspecs, {9, "Tx", "1", "1"});
    EXPECT_EQ(Numbers(tspecs), (std::vector<int32_t>{1, 3, 5, 9}));
}

AssemblyEntry Assembly(int32_t number) {
    AssemblyEntry entry;
    entry.Number = number;
    return entry;
}

TEST(FindAssembly, AnswersPositionAndRelation) {
    CEtherNetIPEDS model;
    EXPECT_FALSE(FindAssembly(model, 3).position);
    EXPECT_EQ(FindAssembly(model, 3).relation, FindRelation::After);
    InsertOrdered(model.AssemblySection.Assemblies, Assembly(7));
    InsertOrdered(model.AssemblySection.Assemblies, Assembly(3));
    EXPECT_EQ(model.AssemblySection.Assemblies[0].Number, 3);
    const FindResult found = FindAssembly(model, 7);
    EXPECT_EQ(found.position, 1u);
    EXPECT_EQ(found.relation, FindRelation::Found);
    EXPECT_EQ(FindAssembly(model, 5).relation, FindRelation::Before);
    EXPECT_EQ(FindAssembly(model, 5).position, 1u);
    EXPECT_EQ(FindAssembly(model, 8).relation, FindRelation::After);
    EXPECT_EQ(FindAssembly(model, 8).position, 1u);
}

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
