#include "dictionaries/TypeDictionaries.h"

#include "TestFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace corvid {
namespace {

// Points the program folder at a folder of the test's own for one test.
class DictionaryFolder : public testing::Test {
protected:
    void SetUp() override { ::setenv("CORVID_HOME", folder.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("CORVID_HOME"); }
    void Write(const char* name, const std::string& text) {
        test::WriteFile(folder.path() / name, text);
    }
    test::TempFolder folder;
};

TEST_F(DictionaryFolder, MissingFilesGiveEmptyNamesAndNoneCodes) {
    EXPECT_EQ(ObjectTypeName(7), "");
    EXPECT_EQ(ObjectTypeCode("VAR"), 255);
    EXPECT_EQ(DataTypeName(7), "");
    EXPECT_EQ(DataTypeIndex("UNSIGNED32"), 0xFFFF);
    EXPECT_EQ(FieldbusTypeName(0xC7), "");
    EXPECT_EQ(FieldbusTypeCode("UINT"), 255);
    EXPECT_TRUE(FieldbusTypeChoices(2).empty());
}

TEST_F(DictionaryFolder, FieldbusNamesUseTheNumberingOfTheCode) {
    Write(kDataTypeFile, "[Index-Type]\n8=USINT\n150=EDGE\n[New-Index-Type]\n0xC7=UINT\n"
                         "[Type-Index]\nUSINT=8\n[New-Type-Index]\nUINT=199\nUSINT=198\n");
    EXPECT_EQ(FieldbusTypeName(8), "USINT");
    EXPECT_EQ(FieldbusTypeName(150), "EDGE");
    EXPECT_EQ(FieldbusTypeName(0xC7), "UINT");
    EXPECT_EQ(FieldbusTypeName(0xC8), "");
    EXPECT_EQ(FieldbusTypeCode("usint"), 8); // first try wins
    EXPECT_EQ(FieldbusTypeCode("UINT"), 199);
    EXPECT_EQ(FieldbusTypeCode("REAL"), 255);
    EXPECT_EQ(FieldbusTypeChoices(150), (std::vector<std::string>{"USINT", "EDGE"}));
    EXPECT_EQ(FieldbusTypeChoices(151), (std::vector<std::string>{"UINT"}));
}

TEST_F(DictionaryFolder, ChoiceListKeepsFileOrderAndWholeLinesWithoutEquals) {
    Write(kObjectTypeFile, "[Code-Name]\n9 = RECORD \n7=VAR\nODD LINE\n");
    EXPECT_EQ(ChoiceList("code-name", (folder.path() / kObjectTypeFile).string()),
              (std::vector<std::string>{"RECORD", "VAR", "ODD LINE"}));
    EXPECT_EQ(ObjectTypeName(9), "RECORD");
}

TEST(ShippedDictionaries, CoverTheBasicTypes) {
    // The copies beside the test executables are the ones that ship.
    EXPECT_EQ(DataTypeName(7), "UNSIGNED32");
    EXPECT_EQ(DataTypeIndex("UNSIGNED64"), 0x1B);
    EXPECT_EQ(ObjectTypeCode("VAR"), 7);
    EXPECT_EQ(FieldbusTypeName(0xC1), "BOOL");
    EXPECT_EQ(FieldbusTypeCode("WORD"), 1);
}

} // namespace
} // namespace corvid
