#include "canopen/CANopenReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

CCANopenEDS Read(const std::string& text, const std::string& path = "/dev/x/test.eds") {
    CCANopenEDS model;
    LoadCANopenEDSText(model, text, path);
    return model;
}

TEST(LoadCANopenEDS, MissingFileReadsAsEmptyWithTheReason) {
    CCANopenEDS model;
    std::string error;
    EXPECT_FALSE(LoadCANopenEDS(model, "/nonexistent/none.v1.EDS", error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_EQ(model.Header.PathName, "/nonexistent/none.v1.EDS");
    EXPECT_EQ(model.Header.Title, "none.v1");
    EXPECT_TRUE(model.Objects.empty());
}

// Each keyword's forms are tried in tests/shell/CANopenFieldsTest.cpp.
TEST(LoadCANopenEDS, LastValueWinsAndFlagsThatAreNoNumberAreFalse) {
    const CCANopenEDS model = Read("[FileInfo]\nDescription=first\nDescription=second\n"
                                   "[DeviceInfo]\nLSS_Supported=1\nLSS_Supported=TRUE\n");
    EXPECT_EQ(model.FileInfo.Description, "second");
    EXPECT_FALSE(model.DeviceInfo.LSS_Supported);
}

TEST(LoadCANopenEDS, CommentsKeepTheirStatedCount) {
    const CCANopenEDS model = Read("[Comments]\nLine3=c\nLines=3\nLine1=a\nLine1=later\n");
    EXPECT_EQ(model.Comments.Lines, 3);
    EXPECT_EQ(model.Comments.LineTexts, (std::vector<std::string>{"a", "", "c"}));
}

TEST(LoadCANopenEDS, ObjectListsMergeAndLaterCategoryWins) {
    const CCANopenEDS model = Read("[MandatoryObjects]\nSupportedObjects=3\n1=0x1000\n"
                                   "2=0x1001\n3=0x1018\n4=0x1008\n"
                                   "[OptionalObjects]\nSupportedObjects=1\n1=0x1001\n");
    ASSERT_EQ(model.Objects.size(), 3u);
    EXPECT_EQ(model.Objects[0].Index, 0x1000);
    EXPECT_EQ(model.Objects[1].Index, 0x1001);
    EXPECT_EQ(model.Objects[1].Category, kCategoryOptional);
    EXPECT_EQ(model.Objects[2].Index, 0x1018);
    EXPECT_EQ(model.Objects[2].Category, kCategoryMandatory);
}

struct CountCase {
    const char* supported;
    size_t objects;
};

class SupportedObjectsTest : public testing::TestWithParam<CountCase> {};

TEST_P(SupportedObjectsTest, CountForms) {
    const CCANopenEDS model = Read(std::string("[OptionalObjects]\nSupportedObjects=") +
                                   GetParam().supported + "\n1=0x2000\n2=0x2001\n");
    EXPECT_EQ(model.Objects.size(), GetParam().objects);
}

INSTANTIATE_TEST_SUITE_P(Forms, SupportedObjectsTest,
                         testing::Values(CountCase{"0x2", 2}, CountCase{"2 ", 2},
                                         CountCase{"+2", 0}, CountCase{"1", 1},
                                         CountCase{"4294967295", 2}));

TEST(LoadCANopenEDS, GapsAndLeadingZerosInEntryNumbers) {
    const CCANopenEDS model = Read("[OptionalObjects]\nSupportedObjects=3\n"
                                   "1=0x2000\n3=0x2002\n02=0x2001\n");
    ASSERT_EQ(model.Objects.size(), 2u);
    EXPECT_EQ(model.Objects[1].Index, 0x2002);
}

TEST(LoadCANopenEDS, SubIndexProbingStopsAtSubNumber) {
    std::string text = "[MandatoryObjects]\nSupportedObjects=1\n1=0x1018\n"
                       "[1018]\nObjectType=9\nSubNumber=3\n";
    for (int s : {0, 1, 2, 9})
        text += "[1018sub" + std::to_string(s) + "]\nParameterName=s" + std::to_string(s) + "\n";
    const CCANopenEDS model = Read(text);
    const auto& subs = model.Objects[0].SubObjects;
    ASSERT_EQ(subs.size(), 3u);
    EXPECT_EQ(subs[2].ParameterName, "s2");
    EXPECT_EQ(subs[2].Category, 0);
}

TEST(LoadCANopenEDS, MissingSubIndexesKeepStatedSubNumber) {
    const CCANopenEDS model = Read("[MandatoryObjects]\nSupportedObjects=1\n1=0x1018\n"
                                   "[1018]\nSubNumber=5\n[1018sub0]\nSubNumber=9\n"
                                   "[1018subA]\n; only a comment\n[1018sub1F]\nObjectType=7\n");
    const CANopenObject& object = model.Objects[0];
    EXPECT_EQ(object.SubNumber, 5);
    ASSERT_EQ(object.SubObjects.size(), 3u);
    EXPECT_EQ(object.SubObjects[0].SubNumber, 0); // not read for sub-indexes
    EXPECT_EQ(object.SubObjects[1].SubIndex, 0xA);
    EXPECT_EQ(object.SubObjects[1].ObjectType, 255);
    EXPECT_EQ(object.SubObjects[2].SubIndex, 0x1F);
}

} // namespace
} // namespace corvid
