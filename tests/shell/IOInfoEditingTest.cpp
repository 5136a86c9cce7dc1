// The DeviceNet IO_Info page: the Insert dialog's rules, the detail-row
// commits and Delete.

#include "editing/IOInfoEditing.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"
#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace corvid {
namespace {

using test::ScriptedUserInterface;

IOInsertRequest Input(uint64_t index, std::string name = "In") {
    IOInsertRequest request;
    request.Kind = IOInsertKind::Input;
    request.Index = index;
    request.Size = 4;
    request.Name = std::move(name);
    return request;
}

std::string Numbers(const std::vector<IOEntry>& list) {
    std::string text;
    for (const IOEntry& entry : list)
        text += std::to_string(entry.Number) + entry.Name + " ";
    return text;
}

CommitResult Commit(CDeviceNetEDS& model, std::string_view key, std::string_view text,
                    std::optional<size_t> distance) {
    return CommitCell(model, CellEdit{"IO_Info", key, 1, text, distance});
}

TEST(InsertIOInfo_Entries, InputsStaySortedReplacingAsksAndRangesAreKept) {
    CDeviceNetEDS model;
    ScriptedUserInterface ui;
    InsertIOInfo(model, Input(1), ui);
    InsertIOInfo(model, Input(5), ui);
    ASSERT_EQ(InsertIOInfo(model, Input(3, "Mid"), ui).Status, CommitStatus::Stored);
    EXPECT_EQ(Numbers(model.IOInfoSection.Inputs), "1\"In\" 3\"Mid\" 5\"In\" ");
    EXPECT_TRUE(ui.questions.empty());

    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(InsertIOInfo(model, Input(5, "New"), ui).Status, CommitStatus::Declined);
    EXPECT_EQ(Numbers(model.IOInfoSection.Inputs), "1\"In\" 3\"Mid\" 5\"In\" ");
    EXPECT_EQ(ui.questions.at(0).text, "Input5 has already existed! Do you want to replace it?");
    EXPECT_EQ(InsertIOInfo(model, Input(5, "New"), ui).Status, CommitStatus::Stored);
    EXPECT_EQ(Numbers(model.IOInfoSection.Inputs), "1\"In\" 3\"Mid\" 5\"New\" ");

    // Values out of range are refused with a warning.
    for (const uint64_t index : {uint64_t{0}, uint64_t{65536}}) {
        ui.answers = {MessageAnswer::Ok};
        EXPECT_EQ(InsertIOInfo(model, Input(index), ui).Status, CommitStatus::Refused) << index;
        EXPECT_EQ(ui.questions.back().text, "Index is from 1 to 65535.");
        EXPECT_EQ(ui.questions.back().icon, MessageIcon::Warning);
    }
    IOInsertRequest tooBig = Input(2);
    tooBig.Size = 70000;
    ui.answers = {MessageAnswer::Ok};
    EXPECT_EQ(InsertIOInfo(model, tooBig, ui).Status, CommitStatus::Refused);
    EXPECT_EQ(model.IOInfoSection.Inputs.size(), 3u);
    EXPECT_EQ(InsertIOInfo(model, Input(65535), ui).Status, CommitStatus::Stored);
}

TEST(InsertIOInfo_Connections, AddingAsksOnlyWhenPresent) {
    CDeviceNetEDS model;
    ScriptedUserInterface ui;
    IOInsertRequest poll;
    poll.Kind = IOInsertKind::PollInfo;
    poll.TypeMask = 0xF1;
    poll.DefaultInput = 2;
    ASSERT_EQ(InsertIOInfo(model, poll, ui).Status, CommitStatus::Stored);
    EXPECT_TRUE(ui.questions.empty());
    const ConnectionInfo& info = model.IOInfoSection.PollInfo;
    EXPECT_EQ(info.Present, 1);
    EXPECT_EQ(info.TypeMask, 1);
    EXPECT_EQ(info.DefaultInput, 2);
    EXPECT_EQ(info.DefaultOutput, 0) << "nothing selected is 0";

    ui.answers = {MessageAnswer::No};
    poll.DefaultInput = 7;
    EXPECT_EQ(InsertIOInfo(model, poll, ui).Status, CommitStatus::Declined);
    EXPECT_EQ(ui.questions.at(0).text, "PollInfo has already existed! Do you want to replace it?");
    EXPECT_EQ(info.DefaultInput, 2);

    // What IOInsertSource gives is checked on every entry of the corpus below.
    EXPECT_FALSE(IOInsertSource(model, "Default"));
}

class IOInfoRows : public testing::Test {
protected:
    void SetUp() override {
        ScriptedUserInterface quiet;
        IOInsertRequest poll;
        poll.Kind = IOInsertKind::PollInfo;
        poll.DefaultInput = 2;
        InsertIOInfo(model, poll, quiet);
        InsertIOInfo(model, Input(1), quiet);
        InsertIOInfo(model, Input(2), quiet);
        model.IOInfoSection.Inputs[0].TypeMask = 0x0100;
    }
    CDeviceNetEDS model;
};

TEST_F(IOInfoRows, DetailRowsStoreByTheirPlace) {
    IOEntry& input = model.IOInfoSection.Inputs[0];
    EXPECT_EQ(Commit(model, "Input1", "0x5", 3).Status, CommitStatus::Stored);
    EXPECT_EQ(input.TypeMask, 0x0105) << "bits the popup does not show stay";
    EXPECT_EQ(Commit(model, "PollInfo", "3", 3).Status, CommitStatus::Stored);
    EXPECT_EQ(model.IOInfoSection.PollInfo.DefaultOutput, 3);
    EXPECT_EQ(Commit(model, "Default", "0x9", std::nullopt).Status, CommitStatus::Stored);
    EXPECT_EQ(model.IOInfoSection.Default, 9);

    EXPECT_EQ(Commit(model, "Input1", "x", std::nullopt).Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Input1", "x", 8).Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "Input9", "1", 1).Status, CommitStatus::NotEditable);
    EXPECT_EQ(Commit(model, "StrobeInfo", "1", 2).Status, CommitStatus::NotEditable);
}

TEST_F(IOInfoRows, DeleteNamesTheDefaultsThatPointAtTheEntry) {
    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    ASSERT_EQ(DeleteRow(model, "IO_Info", "Input2", ui).Status, CommitStatus::Stored);
    EXPECT_EQ(ui.questions.at(0).text,
              "Do you want to delete this object?\r\nInput2 In\r\nInput2 is named by PollInfo.");
    EXPECT_EQ(Numbers(model.IOInfoSection.Inputs), "1\"In\" ");
    EXPECT_EQ(model.IOInfoSection.PollInfo.DefaultInput, 2) << "left for the user to change";
    ASSERT_EQ(DeleteRow(model, "IO_Info", "PollInfo", ui).Status, CommitStatus::Stored);
    EXPECT_EQ(model.IOInfoSection.PollInfo.Present, 0);
    EXPECT_EQ(model.IOInfoSection.PollInfo.DefaultInput, 0);
    EXPECT_EQ(DeleteRow(model, "IO_Info", "Default", ui).Status, CommitStatus::NotEditable);
    EXPECT_EQ(DeleteRow(model, "IO_Info", "Input7", ui).Status, CommitStatus::NotEditable);
}

// Each connection row reaches its own entry, never a neighbour's, both when
// a cell is edited and when the dialog opens on the row.
TEST(IOInfoConnections, EachRowReachesItsOwnEntry) {
    struct Connection {
        std::string_view Key;
        IOInsertKind Kind;
        ConnectionInfo DeviceNetIOInfoSection::*Member;
    };
    const std::array<Connection, 4> connections = {{
        {"PollInfo", IOInsertKind::PollInfo, &DeviceNetIOInfoSection::PollInfo},
        {"StrobeInfo", IOInsertKind::StrobeInfo, &DeviceNetIOInfoSection::StrobeInfo},
        {"COSInfo", IOInsertKind::COSInfo, &DeviceNetIOInfoSection::COSInfo},
        {"CyclicInfo", IOInsertKind::CyclicInfo, &DeviceNetIOInfoSection::CyclicInfo},
    }};
    CDeviceNetEDS model;
    ScriptedUserInterface ui;
    for (uint16_t c = 0; c < connections.size(); ++c) {
        IOInsertRequest request;
        request.Kind = connections[c].Kind;
        request.DefaultInput = c + 1;
        ASSERT_EQ(InsertIOInfo(model, request, ui).Status, CommitStatus::Stored);
    }
    for (uint16_t c = 0; c < connections.size(); ++c) {
        const Connection& connection = connections[c];
        SCOPED_TRACE(connection.Key);
        const std::optional<IOInsertRequest> source = IOInsertSource(model, connection.Key);
        ASSERT_TRUE(source);
        EXPECT_EQ(source->Kind, connection.Kind);
        EXPECT_EQ(source->DefaultInput, c + 1);
        EXPECT_EQ(Commit(model, connection.Key, std::to_string(c + 10), 3).Status,
                  CommitStatus::Stored);
        EXPECT_EQ((model.IOInfoSection.*connection.Member).DefaultOutput, c + 10);
    }
}

// The dialog opened on an entry of a real file and confirmed gives the file
// back as it was: nothing is lost by looking at an entry.
TEST(IOInsertDialog, EveryEntryOfTheCorpusSurvivesOpeningAndOk) {
    const auto folder = test::CorpusFolder("devicenet");
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/devicenet: skipped";
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(file.path().filename().string());
        CDeviceNetEDS model;
        LoadDeviceNetEDSText(model, test::ReadFile(file.path()), file.path().string());
        const std::string before = FormatDeviceNetEDS(model);
        std::vector<std::string> keys = {"PollInfo", "StrobeInfo", "COSInfo", "CyclicInfo"};
        for (const IOEntry& entry : model.IOInfoSection.Inputs)
            keys.push_back("Input" + std::to_string(entry.Number));
        for (const IOEntry& entry : model.IOInfoSection.Outputs)
            keys.push_back("Output" + std::to_string(entry.Number));
        for (const std::string& key : keys) {
            const std::optional<IOInsertRequest> source = IOInsertSource(model, key);
            if (!source)
                continue;
            ScriptedUserInterface ui;
            ui.answers = {MessageAnswer::Yes};
            EXPECT_EQ(InsertIOInfo(model, *source, ui).Status, CommitStatus::Stored) << key;
            EXPECT_EQ(FormatDeviceNetEDS(model), before) << key;
        }
    }
}

} // namespace
} // namespace corvid
