// The project window's roots and section children for each fieldbus.

#include "pages/ProjectTree.h"

#include "pages/PageRows.h"

#include "PageText.h"
#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using Sections = std::vector<std::string>;

TEST(ProjectTree, OptionalSectionsOnlyWhenRead) {
    CCANopenEDS model;
    model.Header.Title = "drive";
    EXPECT_EQ(BuildProjectTreeFile(model).RootText, "drive");
    EXPECT_EQ(BuildProjectTreeFile(model).Sections,
              (Sections{"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"}));

    model.DeviceInfo.SectionName = "DeviceInfo";
    model.Comments.SectionName = "Comments";
    EXPECT_EQ(BuildProjectTreeFile(model).Sections,
              (Sections{"DeviceInfo", "Comments", "MandatoryObjects", "OptionalObjects",
                        "ManufacturerObjects"}));

    CDeviceNetEDS devicenet;
    EXPECT_EQ(BuildProjectTreeFile(devicenet).Sections, (Sections{"Params", "EnumPar", "Groups"}));
    devicenet.FileSection.SectionName = "File";
    devicenet.IOInfoSection.SectionName = "IO_Info";
    devicenet.ParamClassSection.SectionName = "ParamClass";
    EXPECT_EQ(BuildProjectTreeFile(devicenet).Sections,
              (Sections{"File", "IO_Info", "ParamClass", "Params", "EnumPar", "Groups"}));
}

// Every child the tree lists, and the root's summary, has a page to show.
TEST(ProjectTree, DocumentSet_FilesByKindAndPositionEachChildWithAPage) {
    test::ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    doc.OpenPaths({test::SamplePath("servo_drive.eds"), test::SamplePath("ac_drive_devicenet.eds"),
                   test::SamplePath("ethernetip_adapter.eds")});
    EXPECT_EQ(BuildProjectTreeFile(doc, {EDSKind::CANopen, 0}).RootText, "servo_drive");
    EXPECT_EQ(BuildProjectTreeFile(doc, {EDSKind::DeviceNet, 0}).Sections.front(), "File");
    const ProjectTreeFile missing = BuildProjectTreeFile(doc, {EDSKind::CANopen, 1});
    EXPECT_TRUE(missing.RootText.empty());
    EXPECT_TRUE(missing.Sections.empty());
    EXPECT_TRUE(BuildProjectTreeFile(doc, {EDSKind::Unknown, 0}).Sections.empty());
    for (EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP}) {
        const EDSFileRef file{kind, 0};
        for (const std::string& section : BuildProjectTreeFile(doc, file).Sections) {
            const Page page = BuildPage(doc, file, section);
            EXPECT_FALSE(page.Columns.empty()) << section;
            EXPECT_EQ(page.Kind, kind);
            for (const PageRow& row : page.Rows)
                EXPECT_EQ(row.Cells.size(), page.Columns.size()) << section << " " << row.Key;
        }
        const Page summary = BuildPage(doc, file, kFileSummarySection);
        ASSERT_EQ(summary.Rows.size(), 3u);
        EXPECT_TRUE(summary.Rows[0].Cells[1].Text.ends_with(".eds"));
    }
    EXPECT_TRUE(BuildPage(doc, {EDSKind::DeviceNet, 1}, "File").Columns.empty());
}

} // namespace
} // namespace corvid
