// What a file holds beyond the model: a read-only page by section, a tree
// child only for files that keep something, and the counts the window logs.
// The pages of tests/data/pages/kept_*.eds, read-only throughout, are
// compared whole in SamplePagesTest.

#include "pages/KeptContent.h"

#include "PageText.h"
#include "ScriptedUserInterface.h"
#include "pages/PageRows.h"
#include "pages/ProjectTree.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

TEST(KeptContent, CountsTreeChildAndReadOnlyPageByFile) {
    test::ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    doc.OpenPaths(
        {test::DataPath("pages/kept_canopen.eds"), test::DataPath("pages/kept_devicenet.eds"),
         test::DataPath("pages/kept_ethernetip.eds"), test::SamplePath("servo_drive.eds")});
    // Lines in front of the first section are kept lines, not a section.
    const std::vector<std::pair<EDSFileRef, KeptCounts>> expected = {
        {{EDSKind::CANopen, 0}, {2, 1}},
        {{EDSKind::DeviceNet, 0}, {1, 1}},
        {{EDSKind::EtherNetIP, 0}, {2, 1}}};
    for (const auto& [file, counts] : expected) {
        EXPECT_EQ(CountKept(doc, file).Lines, counts.Lines);
        EXPECT_EQ(CountKept(doc, file).Sections, counts.Sections);
        EXPECT_EQ(BuildProjectTreeFile(doc, file).Sections.back(), kKeptSection);
    }
    const Page devicenet = BuildPage(doc, {EDSKind::DeviceNet, 0}, kKeptSection);
    EXPECT_EQ(HeadRowOf(devicenet, 4)->Key, "[VendorSpecific]");

    const EDSFileRef nothingKept{EDSKind::CANopen, 1};
    EXPECT_TRUE(CountKept(doc, nothingKept).Empty());
    EXPECT_EQ(BuildProjectTreeFile(doc, nothingKept).Sections.back(), "ManufacturerObjects");
    EXPECT_TRUE(BuildPage(doc, nothingKept, kKeptSection).Rows.empty());
    EXPECT_EQ(KeptMessage("x", {}), "");
    EXPECT_EQ(KeptMessage("/tmp/a.eds", {2, 1}),
              "Open File:  /tmp/a.eds keeps 2 lines and 1 section that Corvid does not edit; "
              "they are saved as read.\r\n");
    EXPECT_EQ(KeptMessage("/tmp/a.eds", {18, 0}),
              "Open File:  /tmp/a.eds keeps 18 lines that Corvid does not edit; "
              "they are saved as read.\r\n");
}

} // namespace
} // namespace corvid
