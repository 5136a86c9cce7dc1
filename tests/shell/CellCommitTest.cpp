#include "editing/CellCommit.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

CommitResult Commit(auto& model, std::string_view section, std::string_view key,
                    std::string_view text, size_t column = 1) {
    return CommitCell(model, CellEdit{section, key, column, text});
}

TEST(CommitCell_CANopenKeywords, OnlyTheValueColumnOfKnownRowsIsEdited) {
    CCANopenEDS model;
    model.Comments.LineTexts = {"one", "two"};
    model.Comments.Lines = 2;
    EXPECT_EQ(Commit(model, "FileInfo", "NoSuchKey", "x").Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Nowhere", "FileName", "x").Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Comments", "Lines", "5").Status, CommitStatus::NotEditable)
        << "Lines follows the lines";
    EXPECT_EQ(Commit(model, "Comments", "Line3", "x").Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Comments", "Line0", "x").Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Comments", "Line2", " second ").Status, CommitStatus::Stored);
    EXPECT_EQ(model.Comments.LineTexts[1], "second");
    EXPECT_EQ(model.Comments.Lines, 2);
}

class CommitCell_CANopenObjects : public testing::Test {
protected:
    void SetUp() override {
        CANopenObject plain;
        plain.Index = 0x2000;
        plain.Category = kCategoryManufacturer;
        plain.ObjectType = 7;
        CANopenObject record = plain;
        record.Index = 0x2001;
        record.ObjectType = 9;
        CANopenObject sub;
        sub.Index = 0x2001;
        sub.SubIndex = 1;
        record.SubObjects = {sub};
        record.SubNumber = 1;
        model.Objects = {plain, record};
    }
    CCANopenEDS model;
    CANopenObject& Sub() { return model.Objects[1].SubObjects[0]; }
    CommitStatus commit(std::string_view key, size_t column, std::string_view text) {
        return Commit(model, "ManufacturerObjects", key, text, column).Status;
    }
};

// Each column is committed in CANopenFieldsTest.cpp; a sub-index row is
// addressed by its own key, in any letter case.
TEST_F(CommitCell_CANopenObjects, SubIndexRowsAndTheIndexColumn) {
    EXPECT_EQ(commit("2000", 0, "2100"), CommitStatus::NotEditable);
    EXPECT_EQ(commit("2001sub1", 3, "100"), CommitStatus::Stored);
    EXPECT_EQ(Sub().HighLimit, "100");
    EXPECT_EQ(commit("2001SUB1", 1, "Sub one"), CommitStatus::Stored);
    EXPECT_EQ(Sub().ParameterName, "Sub one");
}

TEST_F(CommitCell_CANopenObjects, ObjectsWithSubIndexesKeepAStructuredType) {
    EXPECT_EQ(commit("2001", 2, "1"), CommitStatus::NotEditable) << "limits live in sub-indexes";
    EXPECT_EQ(commit("2001", 6, "VAR"), CommitStatus::Refused);
    EXPECT_EQ(model.Objects[1].ObjectType, 9);
    EXPECT_EQ(commit("2001", 6, "ARRAY"), CommitStatus::Stored);
    EXPECT_EQ(model.Objects[1].ObjectType, 8);
    EXPECT_EQ(commit("2000", 6, "VAR"), CommitStatus::Stored);
}

TEST_F(CommitCell_CANopenObjects, RowsOutsideThePageAreNotEdited) {
    EXPECT_EQ(Commit(model, "OptionalObjects", "2000", "x").Status, CommitStatus::NotEditable);
    for (const char* key : {"2002", "2001sub2", "2000sub0", "xyz", "", "2001sub", "12018"})
        EXPECT_EQ(commit(key, 1, "x"), CommitStatus::NotEditable) << key;
}

} // namespace
} // namespace corvid
