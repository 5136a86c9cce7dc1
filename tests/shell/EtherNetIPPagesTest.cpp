// EtherNet/IP pages: numbered entries that open into their fields, the
// keyword rows around them, the port table and the object class pages.

#include "shell/PageRows.h"

#include "PageText.h"
#include "ethernetip/EtherNetIPReader.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

class EtherNetIPPagesTest : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadEtherNetIPEDS(model, test::SamplePath("ethernetip_adapter.eds"), error));
    }

    CEtherNetIPEDS model;
};

TEST_F(EtherNetIPPagesTest, Assembly_ClosedThenOpenedWhole) {
    PageState state;
    const Page closed = BuildPage(model, "Assembly", state);
    EXPECT_EQ(test::HeaderText(closed), "    Keywords|\tValue|\tComments");
    EXPECT_EQ(test::PageText(closed), "+Assem100 |   | \n"
                                      "+Assem150 |   | \n"
                                      " Revision | 2 | \n");
    // Revision stands below the entries but belongs to none of them.
    EXPECT_EQ(HeadRowOf(closed, 2), nullptr);
    EXPECT_EQ(closed.Rows[0].Cells[1].Editor, CellEditor::ReadOnly);
    EXPECT_EQ(closed.Rows[2].Cells[1].Editor, CellEditor::Text);

    ASSERT_TRUE(ToggleRow(state, closed, 0));
    const Page open = BuildPage(model, "Assembly", state);
    EXPECT_EQ(test::PageText(open), "-Assem100 | \"Drive Output\" | $ Name\n"
                                    ".  | \"20 04 24 64 30 03\" | $ Path\n"
                                    ".  | 4 | $ Size\n"
                                    ".  | 0x0000 | $ Data\n"
                                    ".  | 16,Param1 | $Size,$Reference\n"
                                    ".  | 16,Param2 | $Size,$Reference\n"
                                    "+Assem150 |   | \n"
                                    " Revision | 2 | \n");
    EXPECT_EQ(RowMark(open.Rows[0].Look), 1);
    EXPECT_EQ(RowMark(open.Rows[1].Look), 2);
    EXPECT_EQ(RowMark(open.Rows[6].Look), 0);
    for (size_t row = 0; row < 6; ++row)
        EXPECT_EQ(open.Rows[row].Cells[1].Editor, CellEditor::Text) << row;
    const RowSplice opened = ToggledRows(closed, open, 0);
    EXPECT_EQ(opened.Inserted, 5u);

    ASSERT_TRUE(ToggleRow(state, open, 0));
    EXPECT_EQ(test::PageText(BuildPage(model, "Assembly", state)), test::PageText(closed));
}

// An assembly of many members runs far below its head row; every member row
// still belongs to it.
TEST_F(EtherNetIPPagesTest, Assembly_ManyMembersFindTheirHead) {
    AssemblyEntry& assembly = model.AssemblySection.Assemblies[1];
    for (int k = 0; k < 6; ++k) {
        assembly.MemberSizes.push_back("8");
        assembly.MemberReferences.push_back("Param" + std::to_string(k));
    }
    // A member whose reference is missing still shows its size.
    assembly.MemberSizes.push_back("1");
    const Page page = BuildPage(model, "Assembly", {{"Assem150"}});
    ASSERT_EQ(page.Rows.size(), 1u + 1u + 3u + 9u + 1u);
    const size_t last = page.Rows.size() - 2;
    EXPECT_EQ(page.Rows[last].Cells[1].Text, "1,");
    EXPECT_EQ(page.Rows[last].Distance, 12u);
    EXPECT_EQ(HeadRowOf(page, last)->Key, "Assem150");
}

TEST_F(EtherNetIPPagesTest, Capacity_Whole) {
    const Page closed = BuildPage(model, "Capacity");
    EXPECT_EQ(test::PageText(closed),
              "+TSpec1 |   | $ Packets per sec byte\n"
              "+TSpec2 |   | $ Packets per sec byte\n"
              " MaxCIPConnections | 4 | $ Max CIP cnx - all classes\n"
              " 1_NumberOfTCPIPConnections | 4 | $ Total number of TCP/IP connections supported "
              "by CIP router device\n"
              " 1_TCPIPConnectionReuseTime | 0 | $ MSEC TCP/IP connection not avail after TCP/IP "
              "attempt to an IP address not present\n"
              " 1_TCPIPCIPInactivityTimeout | 120 | $ MSEC TCP/IP connection not avail after "
              "TCP/IP attempt to a non-EtherNet/IP\n"
              " 1_TCPIPInactivityTimeout | 120 | $ MSEC TCP/IP connection remains open with no "
              "activity.\n");

    model.CapacitySection.TSpecs.push_back({3, "TxRx", "0", "0"});
    const Page open = BuildPage(model, "Capacity", {{"TSpec3"}});
    EXPECT_EQ(test::RowText(open.Rows[2]), "-TSpec3 | TxRx | $ TxRx ");
    EXPECT_EQ(test::RowText(open.Rows[3]), ".  | 0 | $ 0 bytes");
    EXPECT_EQ(test::RowText(open.Rows[4]), ".  | 0 | $ 0 Packets per sec");
}

TEST_F(EtherNetIPPagesTest, ConnectionManager_EightRowsBelowTheHead) {
    const Page page = BuildPage(model, "Connection Manager", {{"Connection2"}});
    EXPECT_EQ(test::PageText(page), " Revision | 1 | \n"
                                    " MaxInst | 1 | \n"
                                    " Number_Of_Static_Instances | 1 | \n"
                                    " Max_Number_Of_Dynamic_Instances | 0 | \n"
                                    "+Connection1 |   | \n"
                                    "-Connection2 | 0x02030002 | $ Hex1\n"
                                    ".  | 0x44640305 | $ Hex2\n"
                                    ".  | Param2,0, | $ String1\n"
                                    ".  | Param2,6,Assem150 | $ String2\n"
                                    ".  | , | $ String3\n"
                                    ".  | , | $ String4\n"
                                    ".  | \"Input Only\" | $ String5\n"
                                    ".  | \"\" | $ String6\n"
                                    ".  | \"20 04 24 01 2C FE 2C 96\" | $ Path\n");
    EXPECT_EQ(page.Rows[13].Distance, 8u);
    EXPECT_EQ(HeadRowOf(page, 13)->Key, "Connection2");
}

TEST_F(EtherNetIPPagesTest, Modular_WidthThenRacks) {
    const Page page = BuildPage(model, "Modular", {{"Rack1"}});
    EXPECT_EQ(test::PageText(page), " Width | 1 | $ Width\n"
                                    "-Rack1 | 1287 | $ Vendor ID\n"
                                    ".  | 2 | $ Product Type\n"
                                    ".  | 0x0115 | $ Product Code\n"
                                    ".  | 1 | $ Major Revision\n"
                                    ".  | 1 | $ Minor\n"
                                    ".  | 0 | $ Legal Slots\n");
}

// Entries are shown under the numbers their keys gave them, as the writer
// writes them: other entries name them so.
TEST_F(EtherNetIPPagesTest, NumberedEntries_NamedByTheirOwnNumbers) {
    model.ModularSection.Racks[0].Number = 4;
    model.ModularSection.Racks.push_back({9, "1", "2", "3", "4", "5", "6"});
    const Page page = BuildPage(model, "Modular", {{"Rack9"}});
    EXPECT_EQ(page.Rows[1].Key, "Rack4");
    EXPECT_EQ(page.Rows[1].Look, RowLook::Collapsed);
    EXPECT_EQ(page.Rows[2].Key, "Rack9");
    EXPECT_EQ(page.Rows[2].Look, RowLook::Expanded);

    // A port without a number of its own gets the next free one.
    model.Ports.push_back(std::make_unique<PortEntry>());
    model.Ports[0]->Number = 3;
    const Page ports = BuildPage(model, "Port");
    EXPECT_EQ(ports.Rows[0].Key, "Port3");
    EXPECT_EQ(ports.Rows[1].Key, "Port4");
}

TEST_F(EtherNetIPPagesTest, DeviceClassification_ValuesOfAClassTogether) {
    model.DeviceClassification = {{2, 1, "Second"}, {1, 2, "EtherNetIP"}, {2, 3, "More"}};
    PageState state;
    const Page closed = BuildPage(model, "Device Classification", state);
    EXPECT_EQ(test::PageText(closed), "+Class1 |   | $ Field Value\n"
                                      "+Class2 |   | $ Field Value\n");
    state.Expanded.insert("Class2");
    const Page open = BuildPage(model, "Device Classification", state);
    EXPECT_EQ(test::PageText(open), "+Class1 |   | $ Field Value\n"
                                    "-Class2 |  | \n"
                                    ".  | Second | \n"
                                    ".  | More | \n");
    // The open head holds no value: only the value rows are edited.
    EXPECT_EQ(open.Rows[1].Cells[1].Editor, CellEditor::ReadOnly);
    EXPECT_EQ(open.Rows[3].Cells[1].Editor, CellEditor::Text);
    EXPECT_EQ(open.Rows[3].Distance, 2u);
}

TEST_F(EtherNetIPPagesTest, Port_TableByPosition) {
    model.Ports.push_back(std::make_unique<PortEntry>());
    const Page page = BuildPage(model, "Port");
    EXPECT_EQ(page.Layout, PageLayout::Table);
    EXPECT_EQ(test::HeaderText(page), "Port|PortType|PortName|PathToPortObject|PortNumber");
    EXPECT_EQ(test::PageText(page),
              " Port1 | TCP | \"EtherNet/IP Port 1\" | \"20 F5 24 01\" | 2\n Port2 |  |  |  | \n");
    EXPECT_EQ(page.Rows[1].Cells[4].Editor, CellEditor::Text);
}

// Every keyword's row is checked in CIPFieldTablesTest; a whole page shows
// their order.
TEST_F(EtherNetIPPagesTest, ClassPageInTableOrder) {
    EXPECT_EQ(test::PageText(BuildPage(model, "Ethernet Link Class")),
              " Revision | 4\n MaxInst | 2\n Number_Of_Static_Instances | 2\n"
              " Max_Number_Of_Dynamic_Instances | 0\n InterfaceLabel1 | \"Port A\"\n"
              " InterfaceLabel2 | \"Port B\"\n InterfaceType1 | 2\n InterfaceType2 | 2\n");
    // EtherNet/IP files have no Groups page.
    EXPECT_TRUE(BuildPage(model, "Groups").Columns.empty());
}

TEST_F(EtherNetIPPagesTest, ParamsAndEnumPar_SharedWithDeviceNet) {
    const Page params = BuildPage(model, "Params");
    ASSERT_EQ(params.Rows.size(), 4u);
    EXPECT_EQ(test::RowText(params.Rows[3]),
              " Param4 | 0 |  | 0x12 | UDINT | 4 | \"Fault Code\" | \"\" | \"Last fault; 0 = "
              "none\" | 0 | 255 | 0 | 1 | 1 | 1 | 0 |  |  |  |  |  |  | 2");
    EXPECT_EQ(test::PageText(BuildPage(model, "EnumPar")),
              " Param1 | \"Stop\"\n.  | \"Run Forward\"\n.  | \"Run Reverse\"\n");
}

} // namespace
} // namespace corvid
