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

TEST_F(CANopenPagesTest, ObjectPage_ClosedThenOpenedWhole) {
    PageState state;
    const Page closed = BuildPage(model, "MandatoryObjects", state);
    EXPECT_EQ(test::HeaderText(closed), "Index|Parameter Name|Low Limit|High Limit|Default "
                                        "Value|Data Type|Object Type|Access Type|Mappable");
    EXPECT_EQ(closed.Layout, PageLayout::Table);
    EXPECT_EQ(test::PageText(closed),
              " 1000 | Device type |  |  | 0x00020192 | UNSIGNED32 | VAR | ro | 0\n"
              " 1001 | Error register |  |  |  | UNSIGNED8 | VAR | ro | 1\n"
              "+1018 | Identity object |  |  |  |  | RECORD |  | \n");

    ASSERT_TRUE(ToggleRow(state, closed, 2));
    const Page open = BuildPage(model, "MandatoryObjects", state);
    EXPECT_EQ(
        test::PageText(open),
        " 1000 | Device type |  |  | 0x00020192 | UNSIGNED32 | VAR | ro | 0\n"
        " 1001 | Error register |  |  |  | UNSIGNED8 | VAR | ro | 1\n"
        "-1018 | Identity object |  |  |  |  | RECORD |  | \n"
        ".     1018sub0 | Highest sub-index supported |  |  | 3 | UNSIGNED8 | VAR | const | 0\n"
        ".     1018sub1 | Vendor-ID |  |  | 0x000003A1 | UNSIGNED32 | VAR | ro | 0\n"
        ".     1018sub2 | Product code |  |  | 0x00010190 | UNSIGNED32 | VAR | ro | 0\n"
        ".     1018sub3 | Revision number |  |  | 0x00020001 | UNSIGNED32 | VAR | ro | 0\n");
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

TEST_F(CANopenPagesTest, ObjectPage_OnlyObjectsOfItsCategory) {
    const Page optional = BuildPage(model, "OptionalObjects");
    std::vector<std::string> keys;
    for (const PageRow& row : optional.Rows)
        keys.push_back(row.Key);
    EXPECT_EQ(keys, (std::vector<std::string>{"1008", "1017", "1400", "1600", "1A00"}));

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

    const std::vector<std::string>& dataTypes = ChoicesOf(page, plain.Cells[5]);
    ASSERT_GT(dataTypes.size(), 2u);
    EXPECT_EQ(dataTypes[0], "");
    EXPECT_EQ(dataTypes[1], "BOOLEAN");
    EXPECT_EQ(ChoicesOf(page, plain.Cells[6]).front(), "");
    EXPECT_EQ(ChoicesOf(page, plain.Cells[7]),
              (std::vector<std::string>{"", "ro", "wo", "rw", "rwr", "rww", "const"}));
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

TEST_F(CANopenPagesTest, ObjectPage_ObjectThatLostItsSubIndexesIsPlain) {
    CANopenObject& identity = model.Objects[FindObject(model.Objects, 0x1018).position.value()];
    identity.SubNumber = 0;
    identity.SubObjects.reset();
    PageState state{{"1018"}};
    const Page page = BuildPage(model, "MandatoryObjects", state);
    ASSERT_EQ(page.Rows.size(), 3u);
    EXPECT_EQ(page.Rows[2].Look, RowLook::Plain);
    EXPECT_FALSE(ToggleRow(state, page, 2));
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

TEST_F(CANopenPagesTest, KeywordPages_Whole) {
    const Page fileInfo = BuildPage(model, "FileInfo");
    EXPECT_EQ(test::HeaderText(fileInfo), "    Keywords|\tValue");
    EXPECT_EQ(test::PageText(fileInfo), " FileName | servo_drive.eds\n"
                                        " FileVersion | 1\n"
                                        " FileRevision | 2\n"
                                        " EDSVersion | 4.0\n"
                                        " Description | Compact servo drive, CiA 402 profile\n"
                                        " CreationTime | 09:30AM\n"
                                        " CreationDate | 03-14-2025\n"
                                        " CreatedBy | Corvid sample author\n"
                                        " ModificationTime | 04:15PM\n"
                                        " ModificationDate | 11-02-2026\n"
                                        " ModifiedBy | Corvid sample author\n");
    EXPECT_EQ(test::PageText(BuildPage(model, "Comments")),
              " Lines | 2\n Line1 | Position, velocity and torque modes.\n"
              " Line2 | Objects 0x2000 and up are drive parameters.\n");
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
    EXPECT_EQ(items(device, 20).size(), 256u) << "NrOfTXPDO";
    EXPECT_EQ(items(device, 12), (std::vector<std::string>{"0", "1"})) << "BaudRate_800";
    EXPECT_EQ(device.Rows[21].Cells[0].Editor, CellEditor::ReadOnly)
        << "keyword cells never change";

    const Page fileInfo = BuildPage(model, "FileInfo");
    EXPECT_EQ(items(fileInfo, 2).size(), 256u);
    EXPECT_EQ(items(fileInfo, 2)[2], fileInfo.Rows[2].Cells[1].Text);
    EXPECT_EQ(items(fileInfo, 2).back(), "255");
    EXPECT_EQ(BuildPage(model, "Comments").Rows[0].Cells[1].Editor, CellEditor::ReadOnly)
        << "Lines follows the lines";
}

TEST_F(CANopenPagesTest, Summary_TitlePathsReadOnly) {
    model.Header.SavePathName = "/tmp/saved.eds";
    const Page page = BuildPage(model, kFileSummarySection);
    EXPECT_EQ(test::HeaderText(page), "    Keywords|Value");
    EXPECT_EQ(test::PageText(page), " File Title | servo_drive.eds\n"
                                    " File Open Path | " +
                                        test::SamplePath("servo_drive.eds") +
                                        "\n"
                                        " File Save Path | /tmp/saved.eds\n");
    for (const PageRow& row : page.Rows)
        EXPECT_EQ(row.Cells[1].Editor, CellEditor::ReadOnly);
}

TEST_F(CANopenPagesTest, UnknownSection_EmptyPage) {
    const Page page = BuildPage(model, "File");
    EXPECT_TRUE(page.Columns.empty());
    EXPECT_TRUE(page.Rows.empty());
}

// A state that names an object the model no longer has, or a row outside
// the page, changes nothing.
TEST_F(CANopenPagesTest, Toggle_RowsThatOpenNothing) {
    PageState state{{"7777"}};
    const Page page = BuildPage(model, "MandatoryObjects", state);
    EXPECT_EQ(page.Rows.size(), 3u);
    EXPECT_FALSE(ToggleRow(state, page, 0));
    EXPECT_FALSE(ToggleRow(state, page, 99));
    EXPECT_EQ(state.Expanded.size(), 1u);
    EXPECT_EQ(HeadRowOf(page, 99), nullptr);
}

} // namespace
} // namespace corvid
