// CANopen pages: keyword pages, object pages with sub-index rows that open
// and close under their object, and what each cell may become.

#include "shell/PageRows.h"

#include "PageText.h"
#include "canopen/CANopenReader.h"
#include "shell/ProjectTree.h"

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

TEST(CANopenPages, ObjectPage_EmptyCategoryKeepsItsColumns) {
    CCANopenEDS empty;
    EXPECT_TRUE(BuildPage(empty, "ManufacturerObjects").Rows.empty());
    EXPECT_EQ(BuildPage(empty, "ManufacturerObjects").Columns.size(), 9u);
}

TEST_F(CANopenPagesTest, ObjectPage_CellEditorsByColumnAndRow) {
    PageState state{{"1018"}};
    const Page page = BuildPage(model, "MandatoryObjects", state);
    const PageRow& plain = page.Rows[0];
    EXPECT_EQ(plain.Look, RowLook::Plain);
    EXPECT_EQ(plain.Cells[0].Editor, CellEditor::ReadOnly);
    for (size_t column = 1; column <= 4; ++column)
        EXPECT_EQ(plain.Cells[column].Editor, CellEditor::Text) << column;
    for (size_t column = 5; column <= 8; ++column)
        EXPECT_EQ(plain.Cells[column].Editor, CellEditor::DropDown) << column;

    EXPECT_EQ(ChoicesOf(page, plain.Cells[5])[0], "") << "the empty item: no type";
    EXPECT_EQ(ChoicesOf(page, plain.Cells[8]), (std::vector<std::string>{"0", "1"}));
    // Lists are held once per page, whatever the number of rows.
    EXPECT_EQ(page.Choices.size(), 4u);

    // An object with sub-indexes edits only its name and object type.
    const PageRow& object = page.Rows[2];
    EXPECT_EQ(object.Look, RowLook::Expanded);
    for (size_t column = 0; column < object.Cells.size(); ++column) {
        const bool editable = column == 1 || column == 6;
        EXPECT_EQ(object.Cells[column].Editor != CellEditor::ReadOnly, editable) << column;
    }
    EXPECT_EQ(page.Rows[3].Cells[5].Editor, CellEditor::DropDown);
}

// An object that lost its sub-indexes is plain; a state naming an object
// the model no longer has, or a row outside the page, changes nothing.
TEST_F(CANopenPagesTest, Toggle_RowsThatOpenNothing) {
    CANopenObject& identity = model.Objects[FindObject(model.Objects, 0x1018).position.value()];
    identity.SubNumber = 0;
    identity.SubObjects.reset();
    PageState state{{"1018", "7777"}};
    const Page page = BuildPage(model, "MandatoryObjects", state);
    ASSERT_EQ(page.Rows.size(), 3u);
    EXPECT_EQ(page.Rows[2].Look, RowLook::Plain);
    for (const size_t row : {0, 2, 99})
        EXPECT_FALSE(ToggleRow(state, page, row)) << row;
    EXPECT_EQ(state.Expanded.size(), 2u);
    EXPECT_EQ(HeadRowOf(page, 99), nullptr);
}

TEST_F(CANopenPagesTest, ObjectPage_UnknownTypeCodesShowEmptyNames) {
    CCANopenEDS fresh;
    CANopenObject object;
    object.Index = 0x2000;
    object.Category = kCategoryManufacturer;
    fresh.Objects.push_back(object);
    EXPECT_EQ(test::PageText(BuildPage(fresh, "ManufacturerObjects")),
              " 2000 |  |  |  |  |  |  |  | 0\n");
}

// Each keyword's value is shown in CANopenFieldsTest.cpp; these are the
// lists the cells offer.
TEST_F(CANopenPagesTest, KeywordPages_ListsOfferEveryValueTheFieldHolds) {
    const Page device = BuildPage(model, "DeviceInfo");
    const auto items = [&](const Page& page, size_t row) {
        return ChoicesOf(page, page.Rows[row].Cells[1]);
    };
    EXPECT_EQ(device.Rows[16].Key, "Granularity");
    EXPECT_EQ(items(device, 16).size(), 65u);
    EXPECT_EQ(items(device, 16).back(), "0x40");
    EXPECT_EQ(device.Rows[21].Cells[0].Editor, CellEditor::ReadOnly)
        << "keyword cells never change";

    const Page fileInfo = BuildPage(model, "FileInfo");
    EXPECT_EQ(items(fileInfo, 2)[2], fileInfo.Rows[2].Cells[1].Text);
    EXPECT_EQ(items(fileInfo, 2).back(), "255");
    EXPECT_EQ(BuildPage(model, "Comments").Rows[0].Cells[1].Editor, CellEditor::ReadOnly)
        << "Lines follows the lines";
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
