// Parameter editing of DeviceNet and EtherNet/IP files: where a new
// parameter goes and which number it gets, what a removal renumbers, the
// questions, and the commit rules of the Params, EnumPar and Groups pages.

#include "editing/ParamEditing.h"

#include "PageText.h"
#include "ScriptedUserInterface.h"
#include "TestFiles.h"
#include "ethernetip/EtherNetIPReader.h"
#include "pages/PageRows.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::ScriptedUserInterface;

CEDSParam Named(const std::string& name) {
    CEDSParam param;
    param.ParameterName = "\"" + name + "\"";
    return param;
}

// Params "P1" ... "Pn" numbered 1 ... n, as a file gives them.
template <typename Model> void AddParams(Model& model, int count) {
    for (int n = 1; n <= count; ++n) {
        CEDSParam& param = model.Params.emplace_back(Named("P" + std::to_string(n)));
        param.Number = static_cast<uint32_t>(n);
    }
}

template <typename Model> std::string Order(const Model& model) {
    std::string text;
    for (const CEDSParam& param : model.Params)
        text += std::to_string(param.Number) + "=" + param.ParameterName + " ";
    return text;
}

CommitResult Commit(auto& model, std::string_view section, std::string_view key, size_t column,
                    std::string_view text, std::optional<size_t> distance = std::nullopt) {
    return CommitCell(model, CellEdit{section, key, column, text, distance});
}

TEST(InsertParam_Place, FrontAndBackTakeTheNumberOfTheirPlaceAndTheEndTheNextFree) {
    CDeviceNetEDS model;
    AddParams(model, 5);
    ScriptedUserInterface ui;
    size_t position = 99;
    ASSERT_EQ(InsertParam(model, Named("F"), 2, InsertPlace::Front, ui, &position).Status,
              CommitStatus::Stored);
    EXPECT_EQ(position, 2u);
    EXPECT_EQ(Order(model), "1=\"P1\" 2=\"P2\" 3=\"F\" 4=\"P3\" 5=\"P4\" 6=\"P5\" ");
    EXPECT_EQ(model.ParamClassSection.MaxInst, 6);
    InsertParam(model, Named("B"), 2, InsertPlace::Back, ui, &position);
    EXPECT_EQ(position, 3u);
    InsertParam(model, Named("E"), std::nullopt, InsertPlace::Front, ui);
    EXPECT_EQ(Order(model), "1=\"P1\" 2=\"P2\" 3=\"F\" 4=\"B\" 5=\"P3\" 6=\"P4\" 7=\"P5\" "
                            "8=\"E\" ");
    EXPECT_EQ(model.ParamClassSection.MaxInst, 8);
    EXPECT_TRUE(ui.questions.empty());

    CEtherNetIPEDS empty;
    ASSERT_EQ(InsertParam(empty, Named("First"), std::nullopt, InsertPlace::Replace, ui).Status,
              CommitStatus::Stored);
    EXPECT_EQ(Order(empty), "1=\"First\" ");
    EXPECT_TRUE(ui.questions.empty()) << "nothing to replace";
}

TEST(InsertParam_Place, ReplaceAsksAndTheAnswerDecidesAlsoOnTheNewGroup) {
    CDeviceNetEDS model;
    AddParams(model, 3);
    model.GroupNames = {"\"G1\""};
    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    CEDSParam param = Named("R");
    param.Group = 2; // "***new group***"
    EXPECT_EQ(InsertParam(model, param, 1, InsertPlace::Replace, ui).Status,
              CommitStatus::Declined);
    EXPECT_EQ(Order(model), "1=\"P1\" 2=\"P2\" 3=\"P3\" ");
    EXPECT_EQ(model.GroupCount(), 1u) << "a declined insert adds no group";
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Param [2] has already existed! Do you want to replace it?");
    EXPECT_EQ(ui.questions[0].caption, "Warning");

    EXPECT_EQ(InsertParam(model, param, 1, InsertPlace::Replace, ui).Status, CommitStatus::Stored);
    EXPECT_EQ(Order(model), "1=\"P1\" 2=\"R\" 3=\"P3\" ");
    EXPECT_EQ(model.GroupNames, (std::vector<std::string>{"\"G1\"", "\"***New Group***\""}));
    EXPECT_EQ(model.ParamAt(1).Group, 2);
    // A number that names neither a group nor the new-group entry names none.
    param.Group = 9;
    InsertParam(model, param, std::nullopt, InsertPlace::Back, ui);
    EXPECT_EQ(model.ParamAt(3).Group, 0);
    EXPECT_EQ(model.GroupCount(), 2u);
}

TEST(DeleteParam_Renumbering, LaterParametersMoveDownWithTheirStringsAndGroups) {
    CDeviceNetEDS model;
    AddParams(model, 5);
    model.GroupNames = {"\"Motor\""};
    model.ParamAt(2).Group = 1;
    model.ParamAt(3).EnumStrings = std::vector<std::string>{"\"Off\"", "\"On\""};
    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::Yes};
    ASSERT_EQ(DeleteRow(model, "Params", "Param2", ui).Status, CommitStatus::Stored);
    EXPECT_EQ(ui.questions.at(0).text, "Do you want to delete this object?\r\nParam2 P2");
    EXPECT_EQ(ui.questions.at(0).caption, "Delete");
    EXPECT_EQ(Order(model), "1=\"P1\" 2=\"P3\" 3=\"P4\" 4=\"P5\" ");
    EXPECT_EQ(model.ParamClassSection.MaxInst, 4);
    // How the strings and groups follow is in the saved file of
    // KeptSave.DeviceNetParametersAndIOInfo.

    // A grouped parameter names its group in the question; No keeps it.
    ui.answers = {MessageAnswer::No};
    EXPECT_EQ(DeleteRow(model, "Params", "Param2", ui).Status, CommitStatus::Declined);
    EXPECT_EQ(ui.questions.at(1).text,
              "Do you want to delete this object?\r\nParam2 P3\r\nParam2 is named by Group1.");
    EXPECT_EQ(model.ParamCount(), 4u);
    EXPECT_EQ(DeleteRow(model, "Params", "Param9", ui).Status, CommitStatus::NotEditable);
}

TEST(DeleteParam_Renumbering, AssemblyAndConnectionReferencesFollow) {
    CEtherNetIPEDS model;
    LoadEtherNetIPEDSText(model, test::ReadFile(test::SamplePath("ethernetip_adapter.eds")),
                          "adapter.eds");
    ASSERT_GE(model.ParamCount(), 4u);
    ConnectionEntry& connection = model.ConnectionManagerSection.Connections.at(0);
    connection.String5 = "\"Param3 and Param2\"";
    connection.Path = "Param0 Param20";
    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::Yes};
    ASSERT_EQ(DeleteRow(model, "Params", "Param2", ui).Status, CommitStatus::Stored);
    EXPECT_EQ(ui.questions.at(0).text,
              "Do you want to delete this object?\r\nParam2 Speed Reference\r\nParam2 is named by "
              "Group1, Assem100 member 2, Connection1, Connection2.");
    // The sample's own references are compared in the saved file of
    // KeptSave.EtherNetIPEntriesAndReferences.
    EXPECT_EQ(model.AssemblySection.Assemblies.at(0).MemberSizes,
              (std::vector<std::string>{"16", "16"}))
        << "padding stays";
    EXPECT_EQ(connection.String5, "\"Param3 and Param2\"") << "quoted text is no reference";
    EXPECT_EQ(connection.Path, "Param0 Param19");
}

TEST(InsertParam_Place, ReferencesToLaterParametersMoveUpWithThem) {
    CEtherNetIPEDS model;
    LoadEtherNetIPEDSText(model, test::ReadFile(test::SamplePath("ethernetip_adapter.eds")),
                          "adapter.eds");
    ASSERT_GE(model.ParamCount(), 4u);
    const std::vector<std::string> members =
        model.AssemblySection.Assemblies.at(0).MemberReferences;
    ConnectionEntry& connection = model.ConnectionManagerSection.Connections.at(0);
    connection.String5 = "\"Param2\"";
    connection.Path = "Param1 Param2 Param20";
    ScriptedUserInterface ui;
    ASSERT_EQ(InsertParam(model, Named("New"), 1, InsertPlace::Front, ui).Status,
              CommitStatus::Stored);
    EXPECT_EQ(model.ParamAt(1)->Number, 2u);
    EXPECT_EQ(model.ParamAt(2)->Number, 3u) << "the old Param2";
    EXPECT_EQ(connection.Path, "Param1 Param3 Param21");
    EXPECT_EQ(connection.String5, "\"Param2\"") << "quoted text is no reference";
    EXPECT_NE(model.AssemblySection.Assemblies.at(0).MemberReferences, members);
    // A delete of the new one gives every reference back.
    ui.answers = {MessageAnswer::Yes};
    ASSERT_EQ(DeleteRow(model, "Params", "Param2", ui).Status, CommitStatus::Stored);
    EXPECT_EQ(connection.Path, "Param1 Param2 Param20");
    EXPECT_EQ(model.AssemblySection.Assemblies.at(0).MemberReferences, members);
}

TEST(CutParam_PasteParam, CutHandsTheParameterBackAndPasteGoesInFront) {
    CEtherNetIPEDS model;
    AddParams(model, 3);
    model.GroupNames = {"\"G\""};
    model.ParamAt(0)->Group = 1;
    ScriptedUserInterface ui;
    const std::optional<CEDSParam> cut = CutParam(model, 2, ui);
    ASSERT_TRUE(cut);
    EXPECT_TRUE(ui.questions.empty()) << "nothing names Param3";
    EXPECT_EQ(cut->ParameterName, "\"P3\"");

    CEDSParam copied = *cut;
    copied.Group = 5; // from a file with more groups
    EXPECT_EQ(PasteParam(model, copied, 0), 0u);
    EXPECT_EQ(Order(model), "1=\"P3\" 2=\"P1\" 3=\"P2\" ");
    EXPECT_EQ(model.ParamAt(0)->Group, 0) << "no group 5 to be in";
    EXPECT_EQ(PasteParam(model, *cut, std::nullopt), 3u);

    ui.answers = {MessageAnswer::No};
    EXPECT_FALSE(CutParam(model, 1, ui)) << "P1 is in a group: asked, answered No";
    EXPECT_EQ(model.ParamCount(), 4u);
}

TEST(ParamPages_Commit, QuotedTextsSignedAndNarrowNumbers) {
    CDeviceNetEDS model;
    AddParams(model, 1);
    model.GroupNames = {"\"A\"", "\"B\""};
    CEDSParam& param = model.ParamAt(0);
    param.Multiplier = 7;
    EXPECT_EQ(Commit(model, "Params", "Param1", 6, " Speed ").Status, CommitStatus::Stored);
    EXPECT_EQ(param.ParameterName, "\"Speed\"");
    Commit(model, "Params", "Param1", 7, "\"rpm\"");
    EXPECT_EQ(param.UnitsStr, "\"rpm\"");
    Commit(model, "Params", "Param1", 8, "");
    EXPECT_EQ(param.HelpStr, "\"\"");
    EXPECT_EQ(Commit(model, "Params", "Param1", 15, "-32768").Status, CommitStatus::Stored);
    EXPECT_EQ(Commit(model, "Params", "Param1", 22, "2").Status, CommitStatus::Stored);
    // Limits and links are written unquoted: a comma would shift every later field.
    const std::vector<std::pair<size_t, const char*>> refused = {
        {8, "a\"b"},   {15, "-32769"}, {15, "32768"}, {15, "-"},  {15, "--1"}, {15, "1-"},
        {12, "70000"}, {21, "256"},    {9, "0,5"},    {17, "3;"}, {22, "3"},   {22, "0"}};
    for (const auto& [column, text] : refused)
        EXPECT_EQ(Commit(model, "Params", "Param1", column, text).Status, CommitStatus::Refused)
            << column << " " << text;
    EXPECT_EQ(param.Offset, -32768);
    EXPECT_EQ(param.Multiplier, 7);
    EXPECT_EQ(param.Group, 2);
    EXPECT_EQ(Commit(model, "Params", "Param1", 11, "\"a,b;$\"").Status, CommitStatus::Stored);
    EXPECT_EQ(param.Default, "\"a,b;$\"");
}

TEST(ParamPages_Commit, PopupCellsAndTypeListsKeepWhatTheyDoNotShow) {
    CEtherNetIPEDS model;
    AddParams(model, 2);
    CEDSParam& legacy = *model.ParamAt(0);
    CEDSParam& cip = *model.ParamAt(1);
    legacy.DataType = 1;
    cip.DataType = 0xC6;
    legacy.Descriptor = 0x0180;
    EXPECT_EQ(Commit(model, "Params", "Param1", 3, "0x12").Status, CommitStatus::Stored);
    EXPECT_EQ(legacy.Descriptor, 0x0192);
    EXPECT_EQ(Commit(model, "Params", "Param1", 3, "0x80").Status, CommitStatus::Refused);

    // UINT is 2 in one numbering and 0xC7 in the other.
    Commit(model, "Params", "Param1", 4, "UINT");
    Commit(model, "Params", "Param2", 4, "UINT");
    EXPECT_EQ(legacy.DataType, 2);
    EXPECT_EQ(cip.DataType, 0xC7);
    EXPECT_EQ(Commit(model, "Params", "Param1", 4, "NoSuchType").Status, CommitStatus::Refused);

    Commit(model, "Params", "Param2", 16, "\"Off\",\r\n On;tail");
    EXPECT_EQ(*cip.EnumStrings, (std::vector<std::string>{"\"Off\"", "\" On\""}));
    Commit(model, "Params", "Param2", 16, "");
    EXPECT_FALSE(cip.EnumStrings);
}

TEST(ParamPages_Commit, ManyParametersAreAllReachable) {
    CDeviceNetEDS model;
    AddParams(model, 400);
    EXPECT_EQ(Commit(model, "Params", "Param400", 6, "Last").Status, CommitStatus::Stored);
    EXPECT_EQ(model.ParamAt(399).ParameterName, "\"Last\"");
    EXPECT_EQ(BuildPage(model, "Params").Rows.back().Key, "Param400") << "tables have no row limit";
    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::Yes};
    ASSERT_EQ(DeleteRow(model, "Params", "Param300", ui).Status, CommitStatus::Stored);
    EXPECT_EQ(model.ParamAt(299).ParameterName, "\"P301\"");
    EXPECT_EQ(model.ParamAt(299).Number, 300u);
}

TEST(ParamPages_Commit, EnumStringsAndGroupNames) {
    CDeviceNetEDS model;
    AddParams(model, 2);
    model.ParamAt(1).EnumStrings = std::vector<std::string>{"\"a\"", "\"b\""};
    model.GroupNames = {"\"A\""};
    EXPECT_EQ(Commit(model, "EnumPar", "Param2", 1, "Second", 1).Status, CommitStatus::Stored);
    EXPECT_EQ(*model.ParamAt(1).EnumStrings, (std::vector<std::string>{"\"a\"", "\"Second\""}));
    EXPECT_EQ(Commit(model, "EnumPar", "Param2", 1, "x", 2).Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "EnumPar", "Param1", 1, "x").Status, CommitStatus::NotEditable);

    EXPECT_EQ(Commit(model, "Groups", "Group1", 1, "x").Status, CommitStatus::NotEditable)
        << "the index column holds no name";
    EXPECT_EQ(Commit(model, "Groups", "Group1", 2, "Motor").Status, CommitStatus::Stored);
    EXPECT_EQ(Commit(model, "Groups", "", 2, "Extra").Status, CommitStatus::Stored);
    EXPECT_EQ(model.GroupNames, (std::vector<std::string>{"\"Motor\"", "\"Extra\""}));
    EXPECT_EQ(Commit(model, "Groups", "Group3", 2, "x").Status, CommitStatus::NotEditable);
}

TEST(ParseEnumText, TheLastPieceNeedsItsSemicolon) {
    EXPECT_EQ(ParseEnumText("\"Stop\",\r\n\"Run\";"),
              (std::vector<std::string>{"\"Stop\"", "\"Run\""}));
    EXPECT_EQ(ParseEnumText("\"Stop\",\"Run\""), (std::vector<std::string>{"\"Stop\""}));
    EXPECT_EQ(ParseEnumText("\"a,b\",c;d,e;"), (std::vector<std::string>{"\"a,b\"", "\"c\""}));
    EXPECT_EQ(ParseEnumText(",,;"), std::vector<std::string>{});
    const std::vector<std::string> strings{"\"x\"", "\"y\"", "\"z\""};
    EXPECT_EQ(EnumText(strings), "\"x\",\r\n\"y\",\r\n\"z\";");
    EXPECT_EQ(ParseEnumText(EnumText(strings)), strings);
}

} // namespace
} // namespace corvid
