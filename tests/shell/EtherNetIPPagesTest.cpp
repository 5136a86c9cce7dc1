// EtherNet/IP pages: numbered entries that open into their fields, the
// keyword rows around them, the port table and the object class pages.

#include "pages/PageRows.h"

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

// The texts of both are in SamplePagesTest; here, how the rows open and close.
TEST_F(EtherNetIPPagesTest, Assembly_OpenAndClose) {
    PageState state;
    const Page closed = BuildPage(model, "Assembly", state);
    // Revision stands below the entries but belongs to none of them.
    EXPECT_EQ(HeadRowOf(closed, 2), nullptr);

    ASSERT_TRUE(ToggleRow(state, closed, 0));
    const Page open = BuildPage(model, "Assembly", state);
    EXPECT_EQ(RowMark(open.Rows[0].Look), 1);
    EXPECT_EQ(RowMark(open.Rows[1].Look), 2);
    EXPECT_EQ(RowMark(open.Rows[6].Look), 0);
    const RowSplice opened = ToggledRows(closed, open, 0);
    EXPECT_EQ(opened.Inserted, 5u);

    ASSERT_TRUE(ToggleRow(state, open, 0));
    EXPECT_EQ(test::PageText(BuildPage(model, "Assembly", state)), test::PageText(closed));
}

TEST_F(EtherNetIPPagesTest, Capacity_OpenEntryCommentsNameItsValues) {
    model.CapacitySection.TSpecs.push_back({3, "TxRx", "0", "0"});
    const Page open = BuildPage(model, "Capacity", {{"TSpec3"}});
    test::ExpectPageAs(open, "ethernetip_capacity_open_entry3");
}

// The page's text is in SamplePagesTest (ethernetip_connections).
TEST_F(EtherNetIPPagesTest, ConnectionManager_EightRowsBelowTheHead) {
    const Page page = BuildPage(model, "Connection Manager", {{"Connection2"}});
    EXPECT_EQ(page.Rows[13].Distance, 8u);
    EXPECT_EQ(HeadRowOf(page, 13)->Key, "Connection2");
}

// Entries are shown under the numbers their keys gave them, as the writer
// writes them: other entries name them so.
TEST_F(EtherNetIPPagesTest, NumberedEntries_NamedByTheirOwnNumbers) {
    model.ModularSection.Racks[0].Number = 4;
    model.ModularSection.Racks.push_back({9, "1", "2", "3", "4", "5", "6"});
    const Page page = BuildPage(model, "Modular", {{"Rack9"}});
    test::ExpectPageAs(page, "ethernetip_modular_numbered");

    // A port without a number of its own gets the next free one, and its
    // cells can be edited.
    model.Ports.push_back(std::make_unique<PortEntry>());
    model.Ports[0]->Number = 3;
    const Page ports = BuildPage(model, "Port");
    EXPECT_EQ(ports.Layout, PageLayout::Table);
    test::ExpectPageAs(ports, "ethernetip_port_numbered");
}

TEST_F(EtherNetIPPagesTest, DeviceClassification_ValuesOfAClassTogether) {
    model.DeviceClassification = {{2, 1, "Second"}, {1, 2, "EtherNetIP"}, {2, 3, "More"}};
    PageState state;
    const Page closed = BuildPage(model, "Device Classification", state);
    test::ExpectPageAs(closed, "ethernetip_classification");
    state.Expanded.insert("Class2");
    const Page open = BuildPage(model, "Device Classification", state);
    test::ExpectPageAs(open, "ethernetip_classification_2");
    // The open head holds no value: its cell is read-only in the expected file.
    EXPECT_EQ(open.Rows[3].Distance, 2u);
}

// The Groups page is the DeviceNet one: names editable, a last row that
// adds a group.
TEST_F(EtherNetIPPagesTest, GroupsPageAsDeviceNetShowsIt) {
    const Page page = BuildPage(model, "Groups");
    ASSERT_EQ(page.Rows.size(), 3u);
    EXPECT_EQ(test::RowText(page.Rows[0]), " Group1 | 1 | \"Commands\" | 2 | 1,2");
    EXPECT_EQ(test::RowText(page.Rows[1]), " Group2 | 2 | \"Status\" | 2 | 3,4");
    EXPECT_EQ(page.Rows[0].Cells[2].Editor, CellEditor::Text);
    EXPECT_EQ(page.Rows[2].Cells[2].Editor, CellEditor::Text);
}

} // namespace
} // namespace corvid
