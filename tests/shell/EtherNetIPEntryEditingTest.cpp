// EtherNet/IP entry pages: which rows commit and how, what Insert adds
// where, and what Delete removes, on entries numbered as their file numbers
// them.

#include "editing/EtherNetIPEntryEditing.h"

#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::ScriptedUserInterface;

CommitResult Commit(CEtherNetIPEDS& model, std::string_view section, std::string_view key,
                    std::string_view text, std::optional<size_t> distance) {
    return CommitCell(model, CellEdit{section, key, 1, text, distance});
}

class EntryPages : public testing::Test {
protected:
    void SetUp() override {
        AssemblyEntry assembly;
        assembly.Number = 100;
        assembly.Name = "\"Out\"";
        assembly.MemberSizes = {"16", "16"};
        assembly.MemberReferences = {"Param1", "Param2"};
        model.AssemblySection.Assemblies.push_back(assembly);
        // Numbers a file gave: 2 and 3, not 1 and 2.
        model.CapacitySection.TSpecs = {{2, "TxRx", "4", "2000"}, {3, "TxRx", "8", "1000"}};
        ConnectionEntry connection;
        connection.Number = 1;
        connection.String1 = "Param2,4,Assem100";
        model.ConnectionManagerSection.Connections.push_back(connection);
        model.DeviceClassification = {{1, 1, "EtherNetIP"}, {1, 2, "CIP"}};
    }
    CEtherNetIPEDS model;
};

TEST_F(EntryPages, HeadRowsNeverCommit) {
    EXPECT_EQ(Commit(model, "Capacity", "TSpec2", "", std::nullopt).Status,
              CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Device Classification", "Class1", "", std::nullopt).Status,
              CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Device Classification", "Class1", "", 0).Status,
              CommitStatus::NotEditable);
    EXPECT_EQ(model.DeviceClassification[0].Value, "EtherNetIP");
    EXPECT_EQ(model.CapacitySection.TSpecs[0].TxRx, "TxRx");
    // The open head row shows the entry's first field, and that one commits.
    EXPECT_EQ(Commit(model, "Capacity", "TSpec3", "Rx", 0).Status, CommitStatus::Stored);
    EXPECT_EQ(model.CapacitySection.TSpecs[1].TxRx, "Rx") << "the entry numbered 3";
    EXPECT_EQ(Commit(model, "Device Classification", "Class1", "Sercos", 2).Status,
              CommitStatus::Stored);
    EXPECT_EQ(model.DeviceClassification[1].Value, "Sercos");
}

TEST_F(EntryPages, MemberRowsSplitAtTheirOneComma) {
    const AssemblyEntry& assembly = model.AssemblySection.Assemblies[0];
    EXPECT_EQ(Commit(model, "Assembly", "Assem100", "16,Param5", 5).Status, CommitStatus::Stored);
    EXPECT_EQ(assembly.MemberSizes[1], "16");
    EXPECT_EQ(assembly.MemberReferences[1], "Param5");
    for (const char* text : {"16,Param5,Param6", "16", "16;Param5", "16,Param$5"}) {
        const CommitResult result = Commit(model, "Assembly", "Assem100", text, 4);
        EXPECT_EQ(result.Status, CommitStatus::Refused) << text;
        EXPECT_NE(result.Message.find("Assembly Assem100+4"), std::string::npos) << result.Message;
    }
    EXPECT_EQ(assembly.MemberReferences[0], "Param1");
    EXPECT_EQ(Commit(model, "Assembly", "Assem100", "\"In, Out\"", 0).Status, CommitStatus::Stored);
    EXPECT_EQ(assembly.Name, "\"In, Out\"");
    EXPECT_EQ(Commit(model, "Assembly", "Assem100", "Out, In", 0).Status, CommitStatus::Refused);
    EXPECT_EQ(Commit(model, "Assembly", "Assem100", "x", 6).Status, CommitStatus::NotEditable);
}

TEST_F(EntryPages, ConnectionRowsKeepTheirFieldCount) {
    const ConnectionEntry& connection = model.ConnectionManagerSection.Connections[0];
    EXPECT_EQ(Commit(model, "Connection Manager", "Connection1", "Param1,2", 2).Status,
              CommitStatus::Refused);
    EXPECT_EQ(Commit(model, "Connection Manager", "Connection1", "Param1,2,", 2).Status,
              CommitStatus::Stored);
    EXPECT_EQ(connection.String1, "Param1,2,");
    EXPECT_EQ(Commit(model, "Connection Manager", "Connection1", ",,", 4).Status,
              CommitStatus::Refused)
        << "the proxy configuration has two fields";
    EXPECT_EQ(Commit(model, "Connection Manager", "Connection1", "0x1,2", 0).Status,
              CommitStatus::Refused);
    EXPECT_EQ(Commit(model, "Connection Manager", "MaxInst", "4", std::nullopt).Status,
              CommitStatus::Stored);
    EXPECT_EQ(model.ConnectionManagerSection.MaxInst, "4");
}

TEST_F(EntryPages, InsertTakesTheNextFreeNumberAndNeverReplaces) {
    ASSERT_EQ(InsertEntry(model, "Capacity", "MaxCIPConnections", std::nullopt).Status,
              CommitStatus::Stored);
    ASSERT_EQ(model.CapacitySection.TSpecs.size(), 3u);
    const TSpecEntry& added = model.CapacitySection.TSpecs[2];
    EXPECT_EQ(added.Number, 4);
    EXPECT_EQ(added.TxRx + added.ConnSize + added.PacketsPerSec, "TxRx00");
    EXPECT_EQ(model.CapacitySection.TSpecs[1].ConnSize, "8") << "entry 3 is untouched";

    InsertEntry(model, "Connection Manager", "Connection1", std::nullopt);
    const ConnectionEntry& connection = model.ConnectionManagerSection.Connections.back();
    EXPECT_EQ(connection.Number, 2);
    EXPECT_EQ(connection.String1 + "|" + connection.String3, ",,|,");

    InsertEntry(model, "Port", "", std::nullopt);
    InsertEntry(model, "Port", "", std::nullopt);
    ASSERT_EQ(model.Ports.size(), 2u);
    EXPECT_EQ(PortNumbers(model), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(InsertEntry(model, "Identity Class", "", std::nullopt).Status,
              CommitStatus::NotEditable);
}

TEST_F(EntryPages, InsertOnAnEntryRowAddsToThatEntryAndOnAnEmptyPageTheFirst) {
    ASSERT_EQ(InsertEntry(model, "Assembly", "Assem100", 5).Status, CommitStatus::Stored);
    EXPECT_EQ(model.AssemblySection.Assemblies[0].MemberSizes.size(), 3u);
    EXPECT_EQ(model.AssemblySection.Assemblies[0].MemberReferences.size(), 3u);
    InsertEntry(model, "Assembly", "Assem100", std::nullopt);
    ASSERT_EQ(model.AssemblySection.Assemblies.size(), 2u);
    EXPECT_EQ(model.AssemblySection.Assemblies[1].Number, 101);
    EXPECT_EQ(model.AssemblySection.Assemblies[1].MemberSizes.size(), 1u);

    InsertEntry(model, "Device Classification", "Class1", 1);
    ASSERT_EQ(model.DeviceClassification.size(), 3u);
    EXPECT_EQ(model.DeviceClassification[1].Value, "") << "behind the selected value";
    EXPECT_EQ(model.DeviceClassification[2].Value, "CIP");
    InsertEntry(model, "Device Classification", "Class1", std::nullopt);
    EXPECT_EQ(model.DeviceClassification.back().Number, 2);

    // On an empty page a keyword row, or no row, adds the first entry.
    CEtherNetIPEDS empty;
    ASSERT_EQ(InsertEntry(empty, "Assembly", "Revision", std::nullopt).Status,
              CommitStatus::Stored);
    ASSERT_EQ(empty.AssemblySection.Assemblies.size(), 1u);
    EXPECT_EQ(empty.AssemblySection.Assemblies[0].Number, 1);
    ASSERT_EQ(InsertEntry(empty, "Device Classification", "", std::nullopt).Status,
              CommitStatus::Stored);
    ASSERT_EQ(empty.DeviceClassification.size(), 1u);
    EXPECT_EQ(empty.DeviceClassification[0].Number, 1);
}

TEST_F(EntryPages, DeleteRemovesTheEntryOfTheHeadRowAfterAsking) {
    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::No};
    EXPECT_EQ(DeleteRow(model, "Assembly", "Assem100", ui).Status, CommitStatus::Declined);
    EXPECT_EQ(ui.questions.at(0).text,
              "Do you want to delete this object?\r\nAssem100 Out\r\nAssem100 is named by Connection1.");
    EXPECT_EQ(model.AssemblySection.Assemblies.size(), 1u);

    ui.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    ASSERT_EQ(DeleteRow(model, "Capacity", "TSpec3", ui).Status, CommitStatus::Stored);
    ASSERT_EQ(model.CapacitySection.TSpecs.size(), 1u);
    EXPECT_EQ(model.CapacitySection.TSpecs[0].Number, 2);
    ASSERT_EQ(DeleteRow(model, "Device Classification", "Class1", ui).Status, CommitStatus::Stored);
    EXPECT_EQ(model.DeviceClassification.size(), 1u) << "the first value of the class";
    EXPECT_EQ(model.DeviceClassification[0].Value, "CIP");

    EXPECT_EQ(DeleteRow(model, "Capacity", "TSpec1", ui).Status, CommitStatus::NotEditable);
    EXPECT_EQ(DeleteRow(model, "Capacity", "MaxCIPConnections", ui).Status,
              CommitStatus::NotEditable);
    EXPECT_EQ(ui.questions.size(), 3u) << "rows that name no entry ask nothing";
}

TEST(EditOfCell_Rows, FieldRowsAreAddressedByTheirHeadAndDistance) {
    CEtherNetIPEDS model;
    model.CapacitySection.TSpecs = {{7, "TxRx", "0", "0"}};
    PageState state;
    const Page closed = BuildPage(model, "Capacity", state);
    EXPECT_FALSE(EditOfCell(closed, 0, 1, "x").Distance) << "a closed head holds no field";
    ASSERT_TRUE(ToggleRow(state, closed, 0));
    const Page open = BuildPage(model, "Capacity", state);
    const CellEdit edit = EditOfCell(open, 2, 1, "50");
    EXPECT_EQ(edit.RowKey, "TSpec7");
    EXPECT_EQ(edit.Distance, 2u);
    ASSERT_EQ(CommitCell(model, edit).Status, CommitStatus::Stored);
    EXPECT_EQ(model.CapacitySection.TSpecs[0].PacketsPerSec, "50");
    const CellEdit keyword = EditOfCell(open, 3, 1, "9");
    EXPECT_EQ(keyword.RowKey, "MaxCIPConnections");
    EXPECT_FALSE(keyword.Distance);

    // Every member of a long assembly is reachable.
    AssemblyEntry assembly;
    assembly.Number = 3;
    assembly.MemberSizes.assign(10, "8");
    assembly.MemberReferences.assign(10, "");
    model.AssemblySection.Assemblies.push_back(assembly);
    const Page page = BuildPage(model, "Assembly", {{"Assem3"}});
    const size_t last = page.Rows.size() - 2; // Revision is the last row
    ASSERT_EQ(CommitCell(model, EditOfCell(page, last, 1, "16,Param40")).Status,
              CommitStatus::Stored);
    EXPECT_EQ(model.AssemblySection.Assemblies[0].MemberReferences[9], "Param40");
    EXPECT_EQ(model.AssemblySection.Assemblies[0].MemberSizes[9], "16");
}

} // namespace
} // namespace corvid
