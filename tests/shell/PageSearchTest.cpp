// Finding text in the pages of open files and filtering a page: hits inside
// closed entries, their order, the CANopen index typed as a place to go,
// and finding a hit again on a page built with other entries open.

#include "pages/PageSearch.h"
#include "PageText.h"
#include "ScriptedUserInterface.h"
#include "door/EDSDoc.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

class PageSearchTest : public testing::Test {
protected:
    PageSearchTest() {
        doc.OpenPaths({test::SamplePath("servo_drive.eds"),
                       test::SamplePath("ac_drive_devicenet.eds"),
                       test::SamplePath("ethernetip_adapter.eds")});
    }

    EDSFileId Id(EDSKind kind) const { return *doc.IdAt({kind, 0}); }

    // The text of the hit's cell on its page with `state`; "" when that
    // page does not show it.
    std::string ShownAt(const PageHit& hit, const PageState& state) const {
        const Page page = BuildPage(doc, *doc.Find(hit.File), hit.Section, state);
        const std::optional<size_t> row = HitRow(page, hit);
        return row ? page.Rows[*row].Cells[hit.Column].Text : std::string();
    }

    test::ScriptedUserInterface ui;
    CEDSDoc doc{ui};
};

TEST(TextMatches, CaseWholeWordsAndSingleByteTexts) {
    EXPECT_TRUE(TextMatches("Vendor-ID", "vendor", {}));
    EXPECT_FALSE(TextMatches("Vendor-ID", "vendor", {.MatchCase = true}));
    EXPECT_FALSE(TextMatches("Vendor-ID", "", {}));

    const SearchOptions words{.WholeWord = true};
    EXPECT_TRUE(TextMatches("Vendor-ID", "id", words));
    EXPECT_FALSE(TextMatches("Param12", "Param1", words));
    EXPECT_FALSE(TextMatches("my_speed", "speed", words));
    // A first occurrence inside a word does not hide a later one alone.
    EXPECT_TRUE(TextMatches("Speeds: speed", "speed", words));

    // Bytes of a file in a single-byte code page match what the view shows.
    EXPECT_TRUE(TextMatches("Vitesse r\xE9"
                            "elle",
                            "r\xC3\xA9"
                            "elle",
                            {}));
    EXPECT_TRUE(TextMatches("caf\xC3\xA9 noir", "caf\xC3\xA9", words));
}

TEST_F(PageSearchTest, HitsInClosedEntriesComeInTreeOrderAndShowOnceTheirEntryOpens) {
    const std::vector<PageHit> hits = SearchFile(doc, Id(EDSKind::CANopen), "0x000003a1", {});
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].Section, "DeviceInfo");
    EXPECT_EQ(hits[0].RowKey, "VendorNumber");
    EXPECT_EQ(hits[0].HeadKey, "");
    EXPECT_EQ(ShownAt(hits[0], {}), "0x000003A1");

    // Vendor-ID, a sub-index of the closed object 1018.
    EXPECT_EQ(hits[1].Section, "MandatoryObjects");
    EXPECT_EQ(hits[1].HeadKey, "1018");
    EXPECT_EQ(hits[1].RowKey, "1018sub1");
    EXPECT_EQ(hits[1].Column, 4u);
    EXPECT_EQ(ShownAt(hits[1], {}), "");
    EXPECT_EQ(ShownAt(hits[1], {{"1018"}}), "0x000003A1");
}

TEST_F(PageSearchTest, FieldRowsWithoutKeysAreFoundByTheirEntry) {
    const EDSFileId file = Id(EDSKind::DeviceNet);
    const std::vector<PageHit> hits = SearchFile(doc, file, "Status and speed", {});
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Section, "IO_Info");
    EXPECT_EQ(hits[0].HeadKey, "Input1");
    EXPECT_EQ(hits[0].Column, 1u);
    // Another entry open above it moves the row; the hit moves with it.
    EXPECT_EQ(ShownAt(hits[0], {{"Input1"}}), "\"Status and speed\"");
    EXPECT_EQ(ShownAt(hits[0], {{"COSInfo", "PollInfo", "Input1"}}), "\"Status and speed\"");

    const std::vector<PageHit> assembly =
        SearchFile(doc, Id(EDSKind::EtherNetIP), "drive output", {.WholeWord = true});
    ASSERT_FALSE(assembly.empty());
    EXPECT_EQ(assembly[0].Section, "Assembly");
    EXPECT_EQ(assembly[0].HeadKey, "Assem100");
    EXPECT_EQ(ShownAt(assembly[0], {{"Assem100"}}), "\"Drive Output\"");
}

TEST_F(PageSearchTest, ACANopenIndexGoesToItsObjectFirst) {
    const EDSFileId file = Id(EDSKind::CANopen);
    for (const char* typed : {"1018", "0x1018", " 0X1018 "}) {
        const std::vector<PageHit> hits = SearchFile(doc, file, typed, {});
        ASSERT_FALSE(hits.empty()) << typed;
        EXPECT_EQ(hits[0].Section, "MandatoryObjects");
        EXPECT_EQ(hits[0].HeadKey, "1018");
        EXPECT_EQ(hits[0].Distance, 0u);
        EXPECT_EQ(hits[0].Column, 0u);
        // The object's own cell is not listed a second time.
        EXPECT_EQ(std::count(hits.begin(), hits.end(), hits[0]), 1);
    }
    // Too long for an index, or an index the file lacks: text hits only.
    EXPECT_TRUE(SearchFile(doc, file, "0x51018", {}).empty());
    EXPECT_TRUE(SearchFile(doc, file, "0x7ABC", {}).empty());
    // DeviceNet and EtherNet/IP files have no objects to go to.
    EXPECT_TRUE(SearchFile(doc, Id(EDSKind::DeviceNet), "1018", {}).empty());
}

TEST_F(PageSearchTest, OpenFilesAreSearchedInTreeOrderAndRemovedOnesNotAtAll) {
    const std::vector<PageHit> hits = SearchOpenFiles(doc, "Param1", {.WholeWord = true});
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(hits.front().File, Id(EDSKind::DeviceNet));
    EXPECT_EQ(hits.back().File, Id(EDSKind::EtherNetIP));
    EXPECT_TRUE(std::is_sorted(hits.begin(), hits.end(), [&](const PageHit& a, const PageHit& b) {
        return doc.Find(a.File)->kind < doc.Find(b.File)->kind;
    }));

    const EDSFileId removed = Id(EDSKind::DeviceNet);
    ASSERT_TRUE(doc.RemoveFile(EDSKind::DeviceNet, 0));
    EXPECT_TRUE(SearchFile(doc, removed, "Param1", {}).empty());
    EXPECT_EQ(SearchOpenFiles(doc, "Param1", {.WholeWord = true}).front().File,
              Id(EDSKind::EtherNetIP));
}

TEST_F(PageSearchTest, FilterKeepsMatchingRowsAndTheHeadsOfTheEntriesHoldingThem) {
    const EDSFileRef file{EDSKind::DeviceNet, 0};
    const auto kept = [&](const PageState& state, std::string_view query) {
        const Page page = BuildPage(doc, file, "IO_Info", state);
        const std::vector<bool> rows = FilteredRows(doc, file, page, query, {});
        std::vector<std::string> shown;
        for (size_t row = 0; row < page.Rows.size(); ++row)
            if (rows[row])
                shown.push_back(page.Rows[row].Key + "|" + page.Rows[row].Cells[1].Text);
        return shown;
    };
    using Rows = std::vector<std::string>;
    EXPECT_EQ(kept({{"COSInfo", "Input1"}}, "status AND speed"),
              (Rows{"Input1| ", "|\"Status and speed\""}));
    // A closed entry stays while a row it hides holds the text.
    EXPECT_EQ(kept({}, "status AND speed"), (Rows{"Input1| "}));
    EXPECT_EQ(kept({}, "no such text"), Rows{});
    EXPECT_EQ(kept({}, "").size(), BuildPage(doc, file, "IO_Info").Rows.size());
}

} // namespace
} // namespace corvid
