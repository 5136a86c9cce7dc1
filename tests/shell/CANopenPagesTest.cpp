// CANopen pages: keyword pages, object pages with sub-index rows that open
// and close under their object, and what each cell may become.

#include "pages/PageRows.h"

#include "PageText.h"
#include "canopen/CANopenReader.h"
#include "pages/ProjectTree.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

class CANopenPagesTest : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadCANopenEDS(model, test::SamplePath("servo_drive.eds"), error)) << error;
    }

    const std::vector<std::string>& ChoicesOf(const Page& page, const PageCell& cell) {
        return page.Choices.at(static_cast<size_t>(cell.Choices));
    }

    CCANopenEDS model;
};

// The texts of both are in SamplePagesTest; here, how the rows open and close.
TEST_F(CANopenPagesTest, ObjectPage_SubIndexRowsOpenAndCloseUnderTheirObject) {
    PageState state;
    const Page closed = BuildPage(model, "MandatoryObjects", state);
    EXPECT_EQ(closed.Layout, PageLayout::Table);
    ASSERT_TRUE(ToggleRow(state, closed, 2));
    const Page open = BuildPage(model, "MandatoryObjects", state);
    const PageRow& sub = open.Rows[4];
    EXPECT_EQ(sub.Key, "1018sub1");
    EXPECT_EQ(sub.Indent, "     ");
    EXPECT_EQ(sub.Head, 2u);
    EXPECT_EQ(sub.Distance, 2u);
    EXPECT_EQ(HeadRowOf(open, 4)->Key, "1018");

    const RowSplice opened = ToggledRows(closed, open, 2);
    EXPECT_EQ(opened.First, 3u);
    EXPECT_EQ(opened.Removed, 0u);
    EXPECT_EQ(opened.Inserted, 4u);

    // A second click closes exactly the rows the first one opened.
    ASSERT_TRUE(ToggleRow(state, open, 2));
    const Page closedAgain = BuildPage(model, "MandatoryObjects", state);
    EXPECT_EQ(test::PageText(closedAgain), test::PageText(closed));
    const RowSplice closing = ToggledRows(open, closedAgain, 2);
    EXPECT_EQ(closing.Removed, 4u);
    EXPECT_EQ(closing.Inserted, 0u);
}

// Each cell's editor is in the pages of SamplePagesTest; these are the
// lists the cells offer.
TEST_F(CANopenPagesTest, ListsOfferEveryValueTheFieldHolds) {
    const Page page = BuildPage(model, "MandatoryObjects", {{"1018"}});
    const PageRow& plain = page.Rows[0];
    EXPECT_EQ(ChoicesOf(page, plain.Cells[5])[0], "") << "the empty item: no type";
    EXPECT_EQ(ChoicesOf(page, plain.Cells[8]), (std::vector<std::string>{"0", "1"}));
    // Lists are held once per page, whatever the number of rows.
    EXPECT_EQ(page.Choices.size(), 4u);

    const Page device = BuildPage(model, "DeviceInfo");
    EXPECT_EQ(device.Rows[16].Key, "Granularity");
    EXPECT_EQ(ChoicesOf(device, device.Rows[16].Cells[1]).back(), "0x40");
    const Page fileInfo = BuildPage(model, "FileInfo");
    EXPECT_EQ(ChoicesOf(fileInfo, fileInfo.Rows[2].Cells[1])[2], fileInfo.Rows[2].Cells[1].Text);
    EXPECT_EQ(ChoicesOf(fileInfo, fileInfo.Rows[2].Cells[1]).back(), "255");
}

TEST_F(CANopenPagesTest, ObjectPage_UnknownTypeCodesShowEmptyNamesAndAnEmptyPageItsColumns) {
    CCANopenEDS fresh;
    const Page empty = BuildPage(fresh, "ManufacturerObjects");
    EXPECT_TRUE(empty.Rows.empty());
    CANopenObject object;
    object.Index = 0x2000;
    object.Category = kCategoryManufacturer;
    fresh.Objects.push_back(object);
    const Page page = BuildPage(fresh, "ManufacturerObjects");
    EXPECT_EQ(test::PageText(page), " 2000 |  |  |  |  |  |  |  | 0\n");
    EXPECT_EQ(empty.Columns.size(), page.Columns.size());
}

TEST_F(CANopenPagesTest, Summary_TitlePathsReadOnly) {
    model.Header.SavePathName = "/tmp/saved.eds";
    const Page page = BuildPage(model, kFileSummarySection);
    EXPECT_EQ(page.Rows[0].Key, "FileTitle") << "keys hold no blanks";
    EXPECT_EQ(test::PageText(page), " File Title | servo_drive.eds\n"
                                    " File Open Path | " +
                                        test::SamplePath("servo_drive.eds") +
                                        "\n"
                                        " File Save Path | /tmp/saved.eds\n");
    for (const PageRow& row : page.Rows)
        EXPECT_EQ(row.Cells[1].Editor, CellEditor::ReadOnly);
}

} // namespace
} // namespace corvid
