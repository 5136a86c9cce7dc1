// What a file holds beyond the model: a read-only page by section, a tree
// child only for files that keep something, and the counts the window logs.

#include "shell/KeptContent.h"

#include "PageText.h"
#include "ScriptedUserInterface.h"
#include "TestFiles.h"
#include "canopen/CANopenReader.h"
#include "devicenet/DeviceNetReader.h"
#include "ethernetip/EtherNetIPReader.h"
#include "shell/PageRows.h"
#include "shell/ProjectTree.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

constexpr const char* kCANopenText = "[FileInfo]\r\n"
                                     "FileName=a.eds\r\n"
                                     "VendorNote=kept\r\n"
                                     "[DeviceInfo]\r\n"
                                     "VendorName=V\r\n"
                                     "[VendorExtras]\r\n"
                                     "Colour=blue\r\n"
                                     "Size=3\r\n"
                                     "[MandatoryObjects]\r\n"
                                     "SupportedObjects=1\r\n"
                                     "1=0x1000\r\n"
                                     "[1000]\r\n"
                                     "ParameterName=Device type\r\n"
                                     "Denotation=kept too\r\n";

TEST(KeptContent, CANopen_PageTreeAndCounts) {
    CCANopenEDS model;
    LoadCANopenEDSText(model, kCANopenText, "/tmp/a.eds");
    const Page page = BuildPage(model, kKeptSection);
    EXPECT_EQ(test::HeaderText(page), "    Section|\tLine|\tComments");
    EXPECT_EQ(test::PageText(page),
              " [FileInfo] |  | $ Entries Corvid does not read\n"
              ".  | VendorNote=kept | \n"
              " [1000] |  | $ Entries Corvid does not read\n"
              ".  | Denotation=kept too | \n"
              " [VendorExtras] |  | $ Section Corvid does not read, after [DeviceInfo]\n"
              ".  | Colour=blue | \n"
              ".  | Size=3 | \n");
    for (const PageRow& row : page.Rows) {
        for (const PageCell& cell : row.Cells)
            EXPECT_EQ(cell.Editor, CellEditor::ReadOnly);
    }
    const KeptCounts counts = CountKept(model);
    EXPECT_EQ(counts.Lines, 2u);
    EXPECT_EQ(counts.Sections, 1u);
    EXPECT_EQ(KeptMessage("/tmp/a.eds", counts),
              "Open File:  /tmp/a.eds keeps 2 lines and 1 section that Corvid does not edit; "
              "they are saved as read.\r\n");
    EXPECT_EQ(KeptMessage("/tmp/a.eds", {18, 0}),
              "Open File:  /tmp/a.eds keeps 18 lines that Corvid does not edit; "
              "they are saved as read.\r\n");
    EXPECT_EQ(BuildProjectTreeFile(model).Sections.back(), kKeptSection);
}

TEST(KeptContent, NothingKept_NoChildNoMessage) {
    CCANopenEDS model;
    std::string error;
    ASSERT_TRUE(LoadCANopenEDS(model, test::SamplePath("servo_drive.eds"), error)) << error;
    EXPECT_TRUE(CountKept(model).Empty());
    EXPECT_EQ(KeptMessage("x", CountKept(model)), "");
    EXPECT_EQ(BuildProjectTreeFile(model).Sections.back(), "ManufacturerObjects");
    EXPECT_TRUE(BuildPage(model, kKeptSection).Rows.empty());
}

TEST(KeptContent, DeviceNet_EntriesAndSections) {
    CDeviceNetEDS model;
    LoadDeviceNetEDSText(model,
                         "[File]\r\nDescText=\"d\";\r\nExtra=1;\r\n[Device]\r\nVendCode=1;\r\n"
                         "[Vendor Specific]\r\nA=1;\r\nB=2;\r\n",
                         "/tmp/d.eds");
    const KeptCounts counts = CountKept(model);
    EXPECT_EQ(counts.Lines, 1u);
    EXPECT_EQ(counts.Sections, 1u);
    const Page page = BuildPage(model, kKeptSection);
    EXPECT_EQ(test::PageText(page),
              " [File] |  | $ Entries Corvid does not read\n"
              ".  | Extra=1; | \n"
              " [Vendor Specific] |  | $ Section Corvid does not read, after [Device]\n"
              ".  | A=1; | \n"
              ".  | B=2; | \n");
    EXPECT_EQ(HeadRowOf(page, 4)->Key, "[VendorSpecific]");
    EXPECT_EQ(BuildProjectTreeFile(model).Sections.back(), kKeptSection);
}

// Lines in front of the first section are kept lines, not a section.
TEST(KeptContent, EtherNetIP_LinesBeforeTheFirstSection) {
    CEtherNetIPEDS model;
    LoadEtherNetIPEDSText(model,
                          "Something=1;\r\n[File]\r\nDescText=\"x\";\r\nFoo=2;\r\n"
                          "[Unknown Class]\r\nRevision=1;\r\n",
                          "/tmp/e.eds");
    EXPECT_EQ(test::PageText(BuildPage(model, kKeptSection)),
              " [File] |  | $ Entries Corvid does not read\n"
              ".  | Foo=2; | \n"
              "  |  | $ Lines in front of the first section\n"
              ".  | Something=1; | \n"
              " [Unknown Class] |  | $ Section Corvid does not read, after [File]\n"
              ".  | Revision=1; | \n");
    const KeptCounts counts = CountKept(model);
    EXPECT_EQ(counts.Lines, 2u);
    EXPECT_EQ(counts.Sections, 1u);
}

TEST(KeptContent, DocumentSet_CountsByFile) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "a.eds", kCANopenText);
    test::ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    doc.OpenPaths({folder.File("a.eds"), test::SamplePath("ethernetip_adapter.eds")});
    EXPECT_EQ(CountKept(doc, {EDSKind::CANopen, 0}).Sections, 1u);
    EXPECT_TRUE(CountKept(doc, {EDSKind::EtherNetIP, 0}).Empty());
    EXPECT_TRUE(CountKept(doc, {EDSKind::DeviceNet, 0}).Empty());
    EXPECT_EQ(BuildPage(doc, {EDSKind::CANopen, 0}, kKeptSection).Rows.size(), 7u);
}

} // namespace
} // namespace corvid
