// The check of an open file, which follows its unsaved edits, the log line
// after opening it, and where the window shows each kind of finding: the
// row of a keyword, of an object and of a sub-index (its object opened), a
// parameter's row, and the page alone where no row holds the finding.

#include "reports/OpenFileCheck.h"

#include "CheckFixture.h"
#include "PageText.h"
#include "ScriptedUserInterface.h"
#include "pages/ProblemPlace.h"
#include "pages/ProjectTree.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

std::string Planted(const std::string& sound,
                    std::initializer_list<std::pair<std::string, std::string>> faults) {
    std::string text = test::CheckFixtureText(sound);
    for (const auto& [find, replace] : faults)
        text.replace(text.find(find), find.size(), replace);
    return text;
}

class OpenFileCheckTest : public testing::Test {
protected:
    EDSFileRef Add(EDSKind kind, const std::string& text, const std::string& path) {
        const EDSFileId id = *doc.AddFileText(kind, text, path);
        return *doc.Find(id);
    }
    const PageRow& RowAt(EDSFileRef file, const ProblemPlace& place) const {
        page = BuildPage(doc, file, place.Section, place.State);
        return page.Rows.at(*place.Row);
    }

    test::ScriptedUserInterface ui;
    CEDSDoc doc{ui};
    mutable Page page;
};

TEST_F(OpenFileCheckTest, FindingsFollowUnsavedEditsWithoutStampingTheFile) {
    const EDSFileRef file =
        Add(EDSKind::CANopen,
            Planted("canopen-clean.eds",
                    {{"EDSVersion=4.0", "EDSVersion=4.0\nModificationDate=01-02-2025"},
                     {"HighLimit=5000\nDefaultValue=1000", "HighLimit=5000\nDefaultValue=70000"}}),
            "/tmp/faulty.eds");
    CheckFindings findings = CheckOpenFile(doc, file);
    ASSERT_EQ(findings.size(), 1u) << test::Listed(findings);
    EXPECT_EQ(findings[0].file, "/tmp/faulty.eds");
    EXPECT_EQ(findings[0].section, "1017");
    EXPECT_EQ(findings[0].line, 85);

    // A mended value: the finding goes before any save, and the check
    // leaves the modification date a save would stamp alone.
    const EDSFileId id = *doc.IdAt(file);
    ASSERT_TRUE(doc.Commit(id, CellChange{"OptionalObjects", "1017", 4, "1000", {}}).Stored());
    EXPECT_TRUE(test::Sound(CheckOpenFile(doc, file))) << test::Listed(CheckOpenFile(doc, file));
    EXPECT_EQ(doc.FileModel<CCANopenEDS>(id)->FileInfo.ModificationDate, "01-02-2025");
    // A fault made by an edit (limits the default breaks, a warning the
    // cell lets pass) is found at its line.
    ASSERT_TRUE(doc.Commit(id, CellChange{"ManufacturerObjects", "2000", 2, "2000", {}}).Stored());
    findings = CheckOpenFile(doc, file);
    ASSERT_EQ(findings.size(), 1u) << test::Listed(findings);
    EXPECT_EQ(findings[0].line, 141);
    EXPECT_TRUE(CheckOpenFile(doc, {EDSKind::CANopen, 1}).empty());
}

TEST_F(OpenFileCheckTest, CheckMessageCountsErrorsAndWarningsOnly) {
    EXPECT_EQ(CheckMessage("/tmp/a.eds", {3, 12, 4}),
              "Check:  3 errors, 12 warnings in /tmp/a.eds\r\n");
    EXPECT_EQ(CheckMessage("/tmp/a.eds", {1, 0, 0}),
              "Check:  1 error, 0 warnings in /tmp/a.eds\r\n");
    EXPECT_EQ(CheckMessage("/tmp/a.eds", {0, 1, 0}),
              "Check:  0 errors, 1 warning in /tmp/a.eds\r\n");
    EXPECT_EQ(CheckMessage("/tmp/a.eds", {0, 0, 7}), "");
}

TEST_F(OpenFileCheckTest, CANopenFindingsAreShownAtTheirPageRowAndCell) {
    const EDSFileRef file =
        Add(EDSKind::CANopen, test::CheckFixtureText("canopen-clean.eds"), "/tmp/clean.eds");
    // A keyword: its value.
    ProblemPlace place = PlaceOfProblem(doc, file, "comments", "Lines");
    EXPECT_EQ(place.Section, "Comments");
    EXPECT_EQ(RowAt(file, place).Key, "Lines");
    EXPECT_EQ(place.Column, 1u);

    // An object: its row and the column of the key, its entry left closed.
    place = PlaceOfProblem(doc, file, "1017", "DefaultValue");
    EXPECT_EQ(place.Section, "OptionalObjects");
    EXPECT_TRUE(place.State.Expanded.empty());
    EXPECT_EQ(RowAt(file, place).Key, "1017");
    EXPECT_EQ(page.Columns.at(*place.Column).Header, "Default Value");

    // A sub-index, in the letter case the file writes: its object opens.
    place = PlaceOfProblem(doc, file, "1018SUB2", "AccessType");
    EXPECT_EQ(place.Section, "MandatoryObjects");
    EXPECT_EQ(place.State.Expanded, std::set<std::string>{"1018"});
    EXPECT_EQ(RowAt(file, place).Key, "1018sub2");
    EXPECT_EQ(page.Columns.at(*place.Column).Header, "Access Type");

    // A list entry has no row of its own: the list's page shows.
    place = PlaceOfProblem(doc, file, "OptionalObjects", "2");
    EXPECT_EQ(place.Section, "OptionalObjects");
    EXPECT_FALSE(place.Row);
    // A section no page shows: the file's summary.
    place = PlaceOfProblem(doc, file, "5FFF", "DefaultValue");
    EXPECT_EQ(place.Section, kFileSummarySection);
    EXPECT_FALSE(place.Row);
}

TEST_F(OpenFileCheckTest, CIPFindingsAreShownAtTheEntryRow) {
    const EDSFileRef file =
        Add(EDSKind::DeviceNet, test::CheckFixtureText("devicenet-clean.eds"), "/tmp/dn.eds");
    ProblemPlace place = PlaceOfProblem(doc, file, "Params", "Param2");
    EXPECT_EQ(place.Section, "Params");
    EXPECT_EQ(RowAt(file, place).Key, "Param2");
    place = PlaceOfProblem(doc, file, "Device", "ProdName");
    EXPECT_EQ(RowAt(file, place).Key, "ProdName");
    EXPECT_EQ(place.Column, 1u);
}

} // namespace
} // namespace corvid
