#include "coretexts/CoreTexts.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include "device/DriveReading.h"
#include "door/EDSDoc.h"
#include "editing/CellCommit.h"
#include "generate/GenerateTexts.h"
#include "pages/KeptContent.h"

#include <gtest/gtest.h>

#include <set>

namespace corvid {
namespace {

int NumberOf(std::string_view text) {
    const std::optional<CoreTextMatch> match = MatchCoreText(text);
    return match ? match->Text->Number : 0;
}

std::vector<std::string> ValuesOf(std::string_view text) {
    const std::optional<CoreTextMatch> match = MatchCoreText(text);
    return match ? match->Values : std::vector<std::string>{{"<no match>"}};
}

TEST(CoreTexts, NumbersAndTemplatesAreEachUsedOnce) {
    std::set<int> numbers;
    std::set<std::string> templates;
    for (const CoreText& text : CoreTexts()) {
        EXPECT_TRUE(numbers.insert(text.Number).second) << text.Number;
        EXPECT_TRUE(templates.insert(text.Template).second) << text.Template;
        EXPECT_FALSE(text.Template.ends_with("\n")) << text.Number;
        // A template of marks alone would claim every text.
        EXPECT_NE(text.Template.find_first_not_of("%sduX "), std::string::npos) << text.Number;
    }
}

TEST(MatchCoreText, TakesTheValuesOutAndKeepsTheLineEnd) {
    const std::string line =
        generate_texts::Format(generate_texts::kCannotRead, {"/tmp/a: b.eds", "No such file"});
    const std::optional<CoreTextMatch> match = MatchCoreText(line);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->Text->Number, 70050);
    EXPECT_EQ(match->Values, (std::vector<std::string>{"/tmp/a", "b.eds: No such file"}))
        << "the first value is the shortest that fits";
    EXPECT_EQ(match->LineEnd, "\r\n");

    EXPECT_EQ(MatchCoreText("Load File:  Reading data from x.dat\n")->LineEnd, "\n");
    EXPECT_EQ(MatchCoreText("Save File:  Failure to save file a.eds: denied")->LineEnd, "");
}

TEST(MatchCoreText, AValueMayHoldTheTemplatesOwnWords) {
    EXPECT_EQ(ValuesOf("Open File:  /a is a CANopen EDS file./b.eds is a CANopen EDS file.\r\n"),
              std::vector<std::string>{"/a is a CANopen EDS file./b.eds"});
    EXPECT_EQ(
        ValuesOf("Do you want to save changes to the file?\nline\ntwo.eds"),
        std::vector<std::string>{
            "line\ntwo"}); // A question of two lines, the second naming who refers to the entry.
    EXPECT_EQ(ValuesOf("Do you want to delete this object?\r\nParam3 Speed\r\nParam3 is named by "
                       "Group1, Group2."),
              (std::vector<std::string>{"Param3 Speed", "Param3", "Group1, Group2"}));
    // The closer template wins over the looser one that fits as well.
    EXPECT_EQ(NumberOf("Index [1A] has already existed! Do you want to replace it?"), 61209);
    EXPECT_EQ(NumberOf("Param [3] has already existed! Do you want to replace it?"), 70035);
}

// No match gives number 0.
TEST(MatchCoreText, NumberMarksTakeOnlyNumbersAndTextsOfNoTemplateMatchNone) {
    const std::pair<const char*, int> cases[] = {
        {"3 lines", 70009},
        {"1 line", 70008},
        {"some lines", 0},
        {"Load File: Warning : Param[8192][-1]'s minimum is greater than maximum.", 0},
        {"", 0},
        {"\r\n", 0},
        {"Configure.ini: Permission denied\r\n", 0},
        {"Open File:  x.eds is a CANopen EDS file. Really.\r\n", 0},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(NumberOf(text), number) << text;
    EXPECT_EQ(ValuesOf("Subindex [2000sub1A] has already existed! Do you want to replace it?"),
              (std::vector<std::string>{"2000", "1A"}));
    EXPECT_NE(NumberOf("Index [2g00] has already existed! Do you want to replace it?"), 61209);
}

// The producers are asked for their texts, so a changed wording that the
// registry does not follow fails here rather than going untranslated.
TEST(MatchCoreText, KnowsWhatTheCoreWrites) {
    CCANopenEDS model;
    const CommitResult refused =
        CommitCell(model, CellEdit{"FileInfo", "FileVersion", 1, std::string_view("x")});
    ASSERT_EQ(NumberOf(refused.Message), 70020) << refused.Message;
    EXPECT_EQ(NumberOf(MatchCoreText(refused.Message)->Values[2]), 70023);
    const CommitResult access =
        CommitCell(model, CellEdit{"OptionalObjects", "1000", 9, std::string_view("rx")});
    EXPECT_NE(NumberOf(access.Message), 0) << access.Message;

    EXPECT_EQ(NumberOf(KeptMessage("/a.eds", {1, 2})), 70007);
    EXPECT_EQ(ValuesOf(KeptMessage("/a.eds", {1, 2})),
              (std::vector<std::string>{"/a.eds", "1 line", "2 sections"}));
    EXPECT_EQ(NumberOf(KeptMessage("/a.eds", {0, 1})), 70113);
    EXPECT_EQ(NumberOf(ReadErrorLine(0x2A0F)), 70068);

    test::TempFolder folder;
    test::ScriptedUserInterface ui;
    ui.saveChoices = {folder.File("missing/out.eds")};
    ui.answers = {MessageAnswer::Ok};
    CEDSDoc doc(ui);
    doc.OpenPaths({std::string(CORVID_SAMPLES_DIR) + "/ac_drive_devicenet.eds",
                   std::string(CORVID_SAMPLES_DIR) + "/ac_drive_devicenet.eds",
                   folder.File("absent.eds")});
    doc.SetCurrentFile(EDSFileRef{EDSKind::DeviceNet, 0});
    doc.SaveFileAs();
    ASSERT_GE(ui.messages.size(), 4u);
    for (const std::string& message : ui.messages)
        EXPECT_NE(NumberOf(message), 0) << message;
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(NumberOf(ui.saveDialogs[0].title), 70014);
    for (const auto& [label, pattern] : ui.saveDialogs[0].filters)
        EXPECT_NE(NumberOf(label), 0) << label;
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(NumberOf(ui.questions[0].text), 70005);
}

TEST(NumberedTemplate, NumbersTheMarksInOrder) {
    EXPECT_EQ(NumberedTemplate("Subindex [%Xsub%X] of %s, 100%%"),
              "Subindex [%1sub%2] of %3, 100%%");
    EXPECT_EQ(NumberedTemplate("no marks"), "no marks");
}

TEST(FillNumberedTemplate, PutsTheValuesWhereTheTranslationWantsThem) {
    EXPECT_EQ(FillNumberedTemplate("%2 / %1 100%%", {"a", "b"}), "b / a 100%");
    // A value that looks like a mark is not filled again.
    EXPECT_EQ(FillNumberedTemplate("%1-%2", {"%2", "x"}), "%2-x");
    EXPECT_EQ(FillNumberedTemplate("%1 %3", {"a"}), "a %3");
    EXPECT_EQ(FillNumberedTemplate("50%", {}), "50%");
}

} // namespace
} // namespace corvid
