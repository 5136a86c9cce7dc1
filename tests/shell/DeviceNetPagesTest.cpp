// DeviceNet pages: identity keyword pages, the I/O entries that open and
// close, and the parameter, enumeration and group tables.

#include "shell/PageRows.h"

#include "PageText.h"
#include "devicenet/DeviceNetReader.h"
#include "shell/ParamColumns.h"
#include "shell/ProjectTree.h"

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

TEST_F(DeviceNetPagesTest, IOInfo_ClosedWhole) {
    const Page page = BuildPage(model, "IO_Info");
    EXPECT_EQ(test::HeaderText(page), "    Keywords|\tValue|\tComments");
    EXPECT_EQ(test::PageText(page), " Default | 0x0001 | $ Poll, \n"
                                    "+PollInfo |   | $ Poll Information Entry\n"
                                    "+COSInfo |   | $ Change of State Information Entry\n"
                                    "+Input1 |   | $ Input Connections\n"
                                    "+Input2 |   | $ Input Connections\n"
                                    "+Output1 |   | $ Output Connections\n");
}

TEST_F(DeviceNetPagesTest, IOInfo_EntriesOpenUnderTheirHead) {
    PageState state{{"COSInfo", "Input1"}};
    const Page page = BuildPage(model, "IO_Info", state);
    EXPECT_EQ(test::PageText(page), " Default | 0x0001 | $ Poll, \n"
                                    "+PollInfo |   | $ Poll Information Entry\n"
                                    "-COSInfo |   | $ Change of State Information Entry\n"
                                    ".  | 0x0005 | $ Poll, Change of State, \n"
                                    ".  | 1 | $ Default Input=Input1\n"
                                    ".  | 0 | $ No default Output\n"
                                    "-Input1 |   | $ Input Connections\n"
                                    ".  | 4 | $ 4 byte\n"
                                    ".  | 0 | $ Number of Significant Bits (0 = All)\n"
                                    ".  | 0x0005 | $ Poll, Change of State, \n"
                                    ".  | \"Status and speed\" | $ Name\n"
                                    ".  | 6 | $ Connection Path Size\n"
                                    ".  | \"20 04 24 46 30 03\" | $ Assembly Object Instance 46\n"
                                    ".  | \"Drive status word and actual speed\" | $ Help\n"
                                    "+Input2 |   | $ Input Connections\n"
                                    "+Output1 |   | $ Output Connections\n");

    // The type mask rows open the type mask popup; the others a text field;
    // head rows and comments nothing.
    EXPECT_EQ(page.Rows[0].Cells[1].Popup, PopupKind::TypeMask);
    EXPECT_EQ(page.Rows[3].Cells[1].Popup, PopupKind::TypeMask);
    EXPECT_EQ(page.Rows[4].Cells[1].Editor, CellEditor::Text);
    EXPECT_EQ(page.Rows[9].Cells[1].Popup, PopupKind::TypeMask);
    EXPECT_EQ(page.Rows[10].Cells[1].Editor, CellEditor::Text);
    EXPECT_EQ(page.Rows[6].Cells[1].Editor, CellEditor::ReadOnly);
    EXPECT_EQ(page.Rows[10].Cells[2].Editor, CellEditor::ReadOnly);

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
    EXPECT_EQ(test::PageText(page), " Default | 0x0000 | $ No default\n"
                                    "-StrobeInfo |   | $ Strobe Information Entry\n"
                                    ".  | 0x001F | $ Compatible I/O Type Mask\n"
                                    ".  | 2 | $ Default Input=Input2\n"
                                    ".  | 0 | $ No default Output\n"
                                    "-CyclicInfo |   | $ Cyclic Information Entry\n"
                                    ".  | 0x000A | $ Strobe,  Cyclic \n"
                                    ".  | 0 | $ No default Input\n"
                                    ".  | 3 | $ Default Output=Output3\n"
                                    "-Output7 |   | $ Output Connections\n"
                                    ".  | 0 | $ 0 byte\n"
                                    ".  | 0 | $ Number of Significant Bits (0 = All)\n"
                                    ".  | 0x0000 | $ Compatible I/O Type Mask\n"
                                    ".  |  | $ Name\n"
                                    ".  | 0 | $ Connection Path Size\n"
                                    ".  | \"20 04\" | $ Connection Path\n"
                                    ".  |  | $ Help\n");

    io.Default = 0x10;
    EXPECT_EQ(BuildPage(model, "IO_Info").Rows[0].Cells[2].Text, "$ Default I/O Information");
    io.Default = 0x0F;
    EXPECT_EQ(BuildPage(model, "IO_Info").Rows[0].Cells[2].Text,
              "$ Poll, Strobe,  Change of State, Cyclic ");
}

TEST_F(DeviceNetPagesTest, Params_HeadersAndRowsWhole) {
    const Page page = BuildPage(model, "Params");
    EXPECT_EQ(page.Layout, PageLayout::Table);
    EXPECT_EQ(test::HeaderText(page),
              "Params|PathSize|LinkPath|Descriptor|DataType|DataSize(byte)|ParameterName|"
              "UnitsStr|HelpStr|Minimum|Maximum|Default|Multiplier|Divider|Base|Offset|Enum|"
              "MultiplierLink|DivisorLink|BaseLink|OffsetLink|Precision|Group");
    ASSERT_EQ(page.Columns.size(), 23u);
    EXPECT_EQ(test::PageText(page),
              " Param1 | 6 | \"20 93 24 01 30 01\" | 0x02 | UINT | 2 | \"Control Source\" | \"\" | "
              "\"Where run and stop commands come from\" | 0 | 2 | 0 | 1 | 1 | 1 | 0 | * * * |  |  "
              "|  |  |  | 1\n"
              " Param2 | 6 | \"20 93 24 02 30 01\" | 0x04 | UINT | 2 | \"Accel Time\" | \"s\" | "
              "\"Time from zero to maximum speed\" | 1 | 6000 | 50 | 1 | 10 | 1 | 0 |  |  |  |  |  "
              "| 1 | 1\n"
              " Param3 | 6 | \"20 93 24 03 30 01\" | 0x04 | UINT | 2 | \"Decel Time\" | \"s\" | "
              "\"Time from maximum speed to zero\" | 1 | 6000 | 50 | 1 | 10 | 1 | 0 |  |  |  |  |  "
              "| 1 | 1\n"
              " Param4 | 6 | \"20 93 24 04 30 01\" | 0x34 | INT | 2 | \"Output Current\" | \"A\" | "
              "\"Motor current; read only\" | 0 | 3200 | 0 | 1 | 100 | 1 | 0 |  |  |  |  |  | 2 | "
              "2\n"
              " Param5 | 6 | \"20 93 24 05 30 01\" | 0x36 | USINT | 1 | \"Drive State\" | \"\" | "
              "\"\" | 0 | 3 | 0 | 1 | 1 | 1 | 0 | * * * |  |  |  |  |  | 2\n");
}

TEST_F(DeviceNetPagesTest, Params_EditorsByColumn) {
    const Page page = BuildPage(model, "Params");
    const PageRow& row = page.Rows[0];
    EXPECT_EQ(row.Key, "Param1");
    EXPECT_EQ(row.Cells[0].Editor, CellEditor::ReadOnly);
    for (size_t column : {1u, 5u, 21u}) {
        EXPECT_EQ(row.Cells[column].Editor, CellEditor::DropDown) << column;
        EXPECT_EQ(page.Choices.at(size_t(row.Cells[column].Choices)).size(), 256u);
    }
    EXPECT_EQ(row.Cells[3].Popup, PopupKind::Descriptor);
    EXPECT_EQ(row.Cells[16].Popup, PopupKind::EnumStrings);
    // The type list is the dictionary section of the parameter's code.
    const auto& types = page.Choices.at(size_t(row.Cells[4].Choices));
    EXPECT_NE(std::find(types.begin(), types.end(), "UINT"), types.end());
    for (size_t column : {2u, 6u, 12u, 15u, 17u, 22u})
        EXPECT_EQ(row.Cells[column].Editor, CellEditor::Text) << column;
}

TEST_F(DeviceNetPagesTest, EnumParAndGroups_Whole) {
    const Page enums = BuildPage(model, "EnumPar");
    EXPECT_EQ(test::HeaderText(enums), "Parameter|EnumStr");
    EXPECT_EQ(test::PageText(enums), " Param1 | \"Keypad\"\n"
                                     ".  | \"Terminals\"\n"
                                     ".  | \"Network\"\n"
                                     " Param5 | \"Stopped\"\n"
                                     ".  | \"Running\"\n"
                                     ".  | \"Fault\"\n"
                                     ".  | \"Auto tuning\"\n");
    // Every string is a row of its own, found from its parameter's row.
    EXPECT_EQ(enums.Rows[5].Cells[1].Editor, CellEditor::Text);
    EXPECT_EQ(HeadRowOf(enums, 5)->Key, "Param5");
    EXPECT_EQ(enums.Rows[5].Distance, 2u);

    const Page groups = BuildPage(model, "Groups");
    EXPECT_EQ(test::HeaderText(groups), "GroupsNum|GroupsIndex|GroupName|Number|Param");
    EXPECT_EQ(test::PageText(groups), " Group1 | 1 | \"Setup\" | 3 | 1,2,3\n"
                                      " Group2 | 2 | \"Monitor\" | 2 | 4,5\n"
                                      "  |  |  |  | \n");
    EXPECT_EQ(groups.Rows[1].Cells[2].Editor, CellEditor::Text);
    EXPECT_EQ(groups.Rows[1].Cells[4].Editor, CellEditor::ReadOnly);
    EXPECT_EQ(groups.Rows[2].Cells[2].Editor, CellEditor::Text);
}

// A parameter whose list is present but empty keeps its row; a parameter
// without a list has none.
TEST(DeviceNetEnumPar, EmptyListKeepsItsRow) {
    CDeviceNetEDS model;
    model.Params.push_back(std::make_unique<CEDSParam>());
    model.Params.push_back(std::make_unique<CEDSParam>());
    model.Params[1]->EnumStrings.emplace();
    const Page page = BuildPage(model, "EnumPar");
    EXPECT_EQ(test::PageText(page), " Param2 | \n");
    EXPECT_EQ(page.Rows[0].Cells[1].Editor, CellEditor::ReadOnly);
    EXPECT_EQ(BuildPage(model, "Params").Rows[1].Cells[16].Text, "* * *");
}

// Tables have no row limit: parameter 300 has its row and its key.
TEST(DeviceNetParams, ManyParametersAllShown) {
    CDeviceNetEDS model;
    for (int i = 0; i < 300; ++i)
        model.Params.push_back(std::make_unique<CEDSParam>());
    model.Params.back()->EnumStrings = std::vector<std::string>{"\"a\"", "\"b\""};
    const Page page = BuildPage(model, "Params");
    ASSERT_EQ(page.Rows.size(), 300u);
    EXPECT_EQ(page.Rows.back().Key, "Param300");
    EXPECT_EQ(BuildPage(model, "EnumPar").Rows.front().Key, "Param300");
}

// Parameters are shown under the numbers the writer gives them, and so are
// the members of their groups; a descriptor with a high byte shows it.
TEST(DeviceNetParams, NumbersAndDescriptorsAsWritten) {
    CDeviceNetEDS model;
    model.GroupNames = {"\"G\""};
    for (uint32_t number : {7u, 3u, 0u}) {
        auto param = std::make_unique<CEDSParam>();
        param->Number = number;
        param->Group = 1;
        param->EnumStrings = std::vector<std::string>{"\"x\""};
        model.Params.push_back(std::move(param));
    }
    model.Params[1]->Descriptor = 0x0112;
    const Page params = BuildPage(model, "Params");
    EXPECT_EQ(params.Rows[0].Key, "Param7");
    EXPECT_EQ(params.Rows[1].Key, "Param3");
    EXPECT_EQ(params.Rows[2].Key, "Param8");
    EXPECT_EQ(params.Rows[1].Cells[3].Text, "0x0112");
    EXPECT_EQ(params.Rows[0].Cells[3].Text, "0x00");
    EXPECT_EQ(BuildPage(model, "EnumPar").Rows[2].Key, "Param8");
    EXPECT_EQ(test::RowText(BuildPage(model, "Groups").Rows[0]), " Group1 | 1 | \"G\" | 3 | 3,7,8");
}

TEST_F(DeviceNetPagesTest, Summary_KeysWithoutBlanks) {
    const Page page = BuildPage(model, kFileSummarySection);
    EXPECT_EQ(page.Kind, EDSKind::DeviceNet);
    EXPECT_EQ(page.Rows[0].Key, "FileTitle");
    EXPECT_EQ(page.Rows[0].Cells[0].Text, "File Title");
    EXPECT_EQ(page.Rows[0].Cells[1].Text, "ac_drive_devicenet.eds");
}

// Each keyword's cell is checked in CIPFieldTablesTest; whole pages show
// their order.
TEST_F(DeviceNetPagesTest, IdentityPages_Whole) {
    EXPECT_EQ(test::PageText(BuildPage(model, "File")),
              " DescText | \"Compact AC drive, 0.75 kW\"\n CreateDate | 03-14-2024\n"
              " CreateTime | 09:30:00\n ModDate | 11-02-2024\n ModTime | 16:05:12\n"
              " Revision | 1.2\n");
    EXPECT_EQ(test::PageText(BuildPage(model, "Device")),
              " VendCode | 1187\n VendName | \"Kestrel Motion Works\"\n ProdType | 2\n"
              " ProdTypeStr | \"AC Drive\"\n ProdCode | 0x0031\n MajRev | 3\n MinRev | 12\n"
              " ProdName | \"KMW-075 AC Drive\"\n Catalog | \"KMW-075-2S\"\n");

    EXPECT_EQ(test::PageText(BuildPage(model, "ParamClass")),
              " MaxInst | 5\n Descriptor | 9\n CfgAssembly | 0\n");
}

} // namespace
} // namespace corvid
