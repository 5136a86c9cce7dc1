#include "shell/CellCommit.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

CommitResult Commit(auto& model, std::string_view section, std::string_view key,
                    std::string_view text, size_t column = 1) {
    return CommitCell(model, CellEdit{section, key, column, text});
}

TEST(CommitCell_CANopenKeywords, TrimsTextAndReadsNumbersByTheNumberRule) {
    CCANopenEDS model;
    EXPECT_EQ(Commit(model, "FileInfo", "CreatedBy", " \tA. User \t").Status, CommitStatus::Stored);
    EXPECT_EQ(model.FileInfo.CreatedBy, "A. User");
    Commit(model, "FileInfo", "FileVersion", "0x0C");
    EXPECT_EQ(model.FileInfo.FileVersion, 12);
    Commit(model, "DeviceInfo", "VendorNumber", "0xFFFFFFFF");
    EXPECT_EQ(model.DeviceInfo.VendorNumber, 0xFFFFFFFFu);
    Commit(model, "DeviceInfo", "Granularity", "0x40");
    EXPECT_EQ(model.DeviceInfo.Granularity, 0x40);
    Commit(model, "DeviceInfo", "LSS_Supported", "1");
    EXPECT_TRUE(model.DeviceInfo.LSS_Supported);
    Commit(model, "DummyUsage", "Unsigned32", "1");
    EXPECT_TRUE(model.DummyUsage.Dummy0007);
    EXPECT_EQ(Commit(model, "FileInfo", "FileRevision", "").Status, CommitStatus::Stored);
    EXPECT_EQ(model.FileInfo.FileRevision, 0) << "empty text stores 0";
}

// A typo must not wipe the value the user meant to change.
TEST(CommitCell_CANopenKeywords, RefusesWhatIsNoValueOfTheField) {
    CCANopenEDS model;
    model.FileInfo.FileVersion = 3;
    model.DeviceInfo.VendorNumber = 7;
    model.DeviceInfo.Granularity = 8;
    for (const char* text : {"12a", "0x", "-1", "256", "1 2"}) {
        const CommitResult result = Commit(model, "FileInfo", "FileVersion", text);
        EXPECT_EQ(result.Status, CommitStatus::Refused) << text;
        EXPECT_NE(result.Message.find(text), std::string::npos) << result.Message;
    }
    EXPECT_EQ(model.FileInfo.FileVersion, 3);
    EXPECT_EQ(Commit(model, "DeviceInfo", "VendorNumber", "4294967296").Status,
              CommitStatus::Refused);
    EXPECT_EQ(Commit(model, "DeviceInfo", "VendorNumber", "0x100000000").Status,
              CommitStatus::Refused);
    EXPECT_EQ(model.DeviceInfo.VendorNumber, 7u);
    EXPECT_EQ(Commit(model, "DeviceInfo", "Granularity", "0x41").Status, CommitStatus::Refused);
    EXPECT_EQ(Commit(model, "DeviceInfo", "BaudRate_10", "yes").Status, CommitStatus::Refused);
    EXPECT_EQ(model.DeviceInfo.Granularity, 8);
    EXPECT_EQ(Commit(model, "FileInfo", "FileVersion", "12a").Message,
              "Edit:  FileInfo FileVersion: \"12a\" refused, not a number from 0 to 255; the "
              "value is unchanged.\r\n");
}

TEST(CommitCell_CANopenKeywords, OnlyTheValueColumnOfKnownRowsIsEdited) {
    CCANopenEDS model;
    model.Comments.LineTexts = {"one", "two"};
    model.Comments.Lines = 2;
    EXPECT_EQ(Commit(model, "FileInfo", "FileName", "x", 0).Status, CommitStatus::NotEditable);
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
    CANopenObject& Sub() { return (*model.Objects[1].SubObjects)[0]; }
};

TEST_F(CommitCell_CANopenObjects, StoresEachColumnOfARow) {
    const auto commit = [&](std::string_view key, size_t column, std::string_view text) {
        return Commit(model, "ManufacturerObjects", key, text, column).Status;
    };
    EXPECT_EQ(commit("2000", 1, " Speed "), CommitStatus::Stored);
    EXPECT_EQ(commit("2000", 2, "-10"), CommitStatus::Stored);
    EXPECT_EQ(commit("2000", 4, "$NODEID+0x180"), CommitStatus::Stored);
    EXPECT_EQ(commit("2000", 5, "UNSIGNED16"), CommitStatus::Stored);
    EXPECT_EQ(commit("2000", 7, "RW"), CommitStatus::Stored);
    EXPECT_EQ(commit("2000", 8, "1"), CommitStatus::Stored);
    const CANopenObject& object = model.Objects[0];
    EXPECT_EQ(object.ParameterName, "Speed");
    EXPECT_EQ(object.LowLimit, "-10");
    EXPECT_EQ(object.DefaultValue, "$NODEID+0x180");
    EXPECT_EQ(object.DataType, 6);
    EXPECT_EQ(object.AccessType, "rw");
    EXPECT_TRUE(object.PDOMapping);

    EXPECT_EQ(commit("2000", 5, ""), CommitStatus::Stored);
    EXPECT_EQ(object.DataType, kNoDataType) << "the empty item means not given";
    EXPECT_EQ(commit("2000", 5, "NO_SUCH_TYPE"), CommitStatus::Refused);
    EXPECT_EQ(commit("2000", 7, "readwrite"), CommitStatus::Refused);
    EXPECT_EQ(commit("2000", 0, "2100"), CommitStatus::NotEditable);

    EXPECT_EQ(commit("2001sub1", 3, "100"), CommitStatus::Stored);
    EXPECT_EQ(Sub().HighLimit, "100");
    EXPECT_EQ(commit("2001SUB1", 1, "Sub one"), CommitStatus::Stored);
    EXPECT_EQ(Sub().ParameterName, "Sub one");
}

TEST_F(CommitCell_CANopenObjects, ObjectsWithSubIndexesKeepAStructuredType) {
    const auto commit = [&](std::string_view key, size_t column, std::string_view text) {
        return Commit(model, "ManufacturerObjects", key, text, column).Status;
    };
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
        EXPECT_EQ(Commit(model, "ManufacturerObjects", key, "x").Status, CommitStatus::NotEditable)
            << key;
}

// Every keyword's kind is committed in CIPFieldTablesTest; these are the
// edges of quoting.
TEST(CommitCell_CIPKeywords, QuotedTextsGetTheirQuotes) {
    CDeviceNetEDS model;
    Commit(model, "Device", "VendName", "\"Maker\"");
    EXPECT_EQ(model.DeviceSection.VendName, "\"Maker\"");
    Commit(model, "Device", "Catalog", "");
    EXPECT_EQ(model.DeviceSection.Catalog, "\"\"");
    Commit(model, "File", "DescText", "\"half");
    EXPECT_EQ(model.FileSection.DescText, "\"half\"");
    Commit(model, "Device", "ProdTypeStr", "\"");
    EXPECT_EQ(model.DeviceSection.ProdTypeStr, "\"\"");
}

} // namespace
} // namespace corvid
