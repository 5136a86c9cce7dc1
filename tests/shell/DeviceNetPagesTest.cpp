// DeviceNet pages: identity keyword pages, the I/O entries that open and
// close, and the parameter, enumeration and group tables.

#include "pages/PageRows.h"

#include "PageText.h"
#include "devicenet/DeviceNetReader.h"
#include "pages/ParamColumns.h"
#include "pages/ProjectTree.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

class DeviceNetPagesTest : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadDeviceNetEDS(model, test::SamplePath("ac_drive_devicenet.eds"), error));
    }

    CDeviceNetEDS model;
};

// The page's text and editors are in SamplePagesTest (devicenet_ioinfo).
TEST_F(DeviceNetPagesTest, IOInfo_HeadsOfOpenEntries) {
    PageState state{{"COSInfo", "Input1"}};
    const Page page = BuildPage(model, "IO_Info", state);
    // The deepest detail row still finds its entry.
    EXPECT_EQ(page.Rows[13].Distance, 7u);
    EXPECT_EQ(HeadRowOf(page, 13)->Key, "Input1");
    EXPECT_EQ(HeadRowOf(page, 0), nullptr);

    const RowSplice closing = ToggledRows(page, BuildPage(model, "IO_Info", {{"COSInfo"}}), 6);
    EXPECT_EQ(closing.First, 7u);
    EXPECT_EQ(closing.Removed, 7u);
    EXPECT_EQ(closing.Inserted, 0u);
}

TEST(DeviceNetIOInfo, Comments_MasksDefaultsAndPaths) {
    CDeviceNetEDS model;
    DeviceNetIOInfoSection& io = model.IOInfoSection;
    io.Default = 0;
    io.StrobeInfo = {1, 0x1F, 2, 0};
    io.CyclicInfo = {1, 0x000A, 0, 3};
    IOEntry output;
    output.Number = 7;
    output.Path = "\"20 04\"";
    output.TypeMask = 0;
    io.Outputs.push_back(output);
    const Page page = BuildPage(model, "IO_Info", {{"StrobeInfo", "CyclicInfo", "Output7"}});
    test::ExpectPageAs(page, "devicenet_ioinfo_comments");

    io.Default = 0x10;
    EXPECT_EQ(BuildPage(model, "IO_Info").Rows[0].Cells[2].Text, "$ Default I/O Information");
    io.Default = 0x0F;
    EXPECT_EQ(BuildPage(model, "IO_Info").Rows[0].Cells[2].Text,
              "$ Poll, Strobe,  Change of State, Cyclic ");
}

// Each cell's editor is in SamplePagesTest (devicenet_params).
TEST_F(DeviceNetPagesTest, Params_TableWithTheTypesOfTheDictionary) {
    const Page page = BuildPage(model, "Params");
    EXPECT_EQ(page.Layout, PageLayout::Table);
    ASSERT_EQ(page.Columns.size(), 23u);
    const PageRow& row = page.Rows[0];
    // The type list is the dictionary section of the parameter's code.
    const auto& types = page.Choices.at(size_t(row.Cells[4].Choices));
    EXPECT_NE(std::find(types.begin(), types.end(), "UINT"), types.end());
}

TEST_F(DeviceNetPagesTest, EnumPar_StringsFindTheirParameter) {
    const Page enums = BuildPage(model, "EnumPar");
    // Every string is a row of its own, found from its parameter's row.
    EXPECT_EQ(HeadRowOf(enums, 5)->Key, "Param5");
    EXPECT_EQ(enums.Rows[5].Distance, 2u);
}

// A parameter whose list is present but empty keeps its row; a parameter
// without a list has none.
TEST(DeviceNetEnumPar, EmptyListKeepsItsRow) {
    CDeviceNetEDS model;
    model.Params.resize(2);
    model.Params[1].EnumStrings.emplace();
    const Page page = BuildPage(model, "EnumPar");
    EXPECT_EQ(test::PageText(page), " Param2 | \n");
    EXPECT_EQ(page.Rows[0].Cells[1].Editor, CellEditor::ReadOnly);
    EXPECT_EQ(BuildPage(model, "Params").Rows[1].Cells[16].Text, "* * *");
}

// Parameters are shown under the numbers the writer gives them, and so are
// the members of their groups; a descriptor with a high byte shows it.
TEST(DeviceNetParams, NumbersAndDescriptorsAsWritten) {
    CDeviceNetEDS model;
    model.GroupNames = {"\"G\""};
    for (uint32_t number : {7u, 3u, 0u}) {
        CEDSParam& param = model.Params.emplace_back();
        param.Number = number;
        param.Group = 1;
        param.EnumStrings = std::vector<std::string>{"\"x\""};
    }
    model.Params[1].Descriptor = 0x0112;
    for (const char* section : {"Params", "EnumPar", "Groups"})
        test::ExpectPageAs(BuildPage(model, section),
                           "devicenet_numbered_" + test::Lowered(section));
}

} // namespace
} // namespace corvid
