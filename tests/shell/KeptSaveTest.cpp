// Saving a file read from disk in its own layout: each kind of change gives
// a whole file compared with an expected one, and the real-world corpus
// comes back byte for byte when nothing changed.

#include "shell/KeptSave.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include "dictionaries/EDSTextHelper.h"
#include "shell/CellCommit.h"
#include "shell/EtherNetIPEntryEditing.h"
#include "shell/IOInfoEditing.h"
#include "shell/PageRows.h"
#include "shell/ParamEditing.h"
#include "shell/ProjectTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <utility>

namespace corvid {
namespace {

namespace fs = std::filesystem;
using test::ScriptedUserInterface;

// 2024-03-05 09:05:03, the time every save here is stamped with.
constexpr StampTime kSaveTime{2024, 3, 5, 9, 5, 3};

// Read as the document set opens a file: the bytes and their render stay
// with the model.
template <typename Model> Model Loaded(const std::string& path) {
    Model model;
    std::string text = test::ReadFile(path);
    EDSDocKind<Model>::LoadText(model, text, path);
    model.Header.SourceText = std::move(text);
    KeepSourceRender(model);
    return model;
}

// A save from the render kept writes what a save that reads the file's
// text again writes.
template <typename Model> std::string SavedBothWays(Model& model) {
    std::optional<std::string> render = std::exchange(model.Header.SourceRender, std::nullopt);
    const std::string reread = KeptLayoutText(model);
    model.Header.SourceRender = std::move(render);
    EXPECT_EQ(KeptLayoutText(model), reread);
    return FormatKeptLayout(model, kSaveTime).text;
}

template <typename Model> Model Sample(const std::string& name) {
    return Loaded<Model>(std::string(CORVID_SAMPLES_DIR) + "/" + name);
}

// Compares the save with tests/data/kept/NAME; CORVID_WRITE_EXPECTED=1
// writes it there instead, for a change whose expected file is new.
template <typename Model> void ExpectSavedAs(Model& model, const std::string& name) {
    const std::string saved = SavedBothWays(model);
    const fs::path expected = fs::path(CORVID_TEST_DATA_DIR) / "kept" / name;
    if (std::getenv("CORVID_WRITE_EXPECTED") != nullptr)
        test::WriteFile(expected, saved);
    EXPECT_EQ(saved, test::ReadFile(expected)) << name;
}

template <typename Model>
void Set(Model& model, const std::string& section, const std::string& row,
         const std::string& column, const std::string& text,
         std::optional<size_t> distance = std::nullopt) {
    const Page page = BuildPage(model, section);
    size_t at = 0;
    while (at < page.Columns.size() && TrimmedBlanks(page.Columns[at].Header) != column)
        ++at;
    ASSERT_LT(at, page.Columns.size()) << column;
    EXPECT_EQ(CommitCell(model, CellEdit(section, row, at, text, distance)).Status,
              CommitStatus::Stored)
        << section << ":" << row << ":" << column;
}

CANopenObject NewRecord(uint8_t category, std::optional<uint8_t> subIndex) {
    CANopenObject record;
    record.Category = category;
    record.SubIndex = subIndex.value_or(0);
    record.ParameterName = "Added";
    record.ObjectType = 7;
    record.DataType = 6;
    record.AccessType = "rw";
    record.DefaultValue = "0";
    return record;
}

TEST(KeptSave, CANopenChangesGoToTheirOwnPlaces) {
    auto model = Sample<CCANopenEDS>("servo_drive.eds");
    Set(model, "DeviceInfo", "VendorName", "Value", "Other Motion Ltd.");
    Set(model, "ManufacturerObjects", "2000", "Default Value", "0x64");
    ExpectSavedAs(model, "servo_drive_values.eds");

    model = Sample<CCANopenEDS>("servo_drive.eds");
    ScriptedUserInterface ui;
    ASSERT_TRUE(ApplyObjectRecord(model, NewRecord(0, 4), "1018", ui));
    ASSERT_TRUE(ApplyObjectRecord(model, NewRecord(kCategoryOptional, {}), "1010", ui));
    ui.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(DeleteObjectRecord(model, {0x2001, {}}, ui));
    ExpectSavedAs(model, "servo_drive_objects.eds");
}

TEST(KeptSave, DeviceNetParametersAndIOInfo) {
    auto model = Sample<CDeviceNetEDS>("ac_drive_devicenet.eds");
    Set(model, "Params", "Param2", "Default", "75");
    Set(model, "Params", "Param4", "Descriptor", "0x14");
    Set(model, "Params", "Param1", "Enum", "\"Keypad\",\"Terminals\";");
    ExpectSavedAs(model, "ac_drive_values.eds");

    model = Sample<CDeviceNetEDS>("ac_drive_devicenet.eds");
    ScriptedUserInterface ui;
    CEDSParam param = model.ParamAt(1);
    param.ParameterName = "\"Jog Time\"";
    ASSERT_EQ(InsertParam(model, param, 1, InsertPlace::Back, ui).Status, CommitStatus::Stored);
    ui.answers = {MessageAnswer::Yes};
    ASSERT_EQ(DeleteParam(model, 0, ui).Status, CommitStatus::Stored);
    IOInsertRequest input = *IOInsertSource(model, "Input2");
    input.Index = 3;
    input.Name = "Speed only";
    ASSERT_EQ(InsertIOInfo(model, input, ui).Status, CommitStatus::Stored);
    ExpectSavedAs(model, "ac_drive_entries.eds");
}

TEST(KeptSave, EtherNetIPEntriesAndReferences) {
    auto model = Sample<CEtherNetIPEDS>("ethernetip_adapter.eds");
    ScriptedUserInterface ui;
    ASSERT_EQ(InsertEntry(model, "Assembly", "", std::nullopt).Status, CommitStatus::Stored);
    ui.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    ASSERT_EQ(DeleteRow(model, "Port", "Port1", ui).Status, CommitStatus::Stored);
    ASSERT_EQ(DeleteParam(model, 1, ui).Status, CommitStatus::Stored);
    ExpectSavedAs(model, "ethernetip_adapter_entries.eds");
}

TEST(KeptSave, StampFollowsTheFileAndSaveAsMovesFileName) {
    auto model = Sample<CCANopenEDS>("servo_drive.eds");
    EXPECT_EQ(FormatKeptLayout(model, kSaveTime).text, *model.Header.SourceText)
        << "an unedited save is a copy and stamps nothing";
    model.FileInfo.FileName =
        FollowedFileName(model, "/old/SERVO_DRIVE.EDS", "/new/servo_copy.eds").value_or("");
    EXPECT_EQ(model.FileInfo.FileName, "servo_copy.eds");
    FormatKeptLayout(model, kSaveTime);
    EXPECT_EQ(model.FileInfo.ModificationDate, "03-05-2024");
    EXPECT_EQ(model.FileInfo.ModificationTime, "09:05AM");
    EXPECT_EQ(FollowedFileName(model, "/old/other.eds", "/new/third.eds"), std::nullopt)
        << "a FileName naming another file stays";
}

TEST(KeptSave, NextSaveStartsFromTheFileWritten) {
    test::TempFolder folder;
    auto model = Sample<CCANopenEDS>("servo_drive.eds");
    Set(model, "ManufacturerObjects", "2000", "Default Value", "0x64");
    size_t changedLines = 0;
    std::string error;
    ASSERT_TRUE(WriteKeptLayout(model, folder.File("kept.eds"), kSaveTime, changedLines, error));
    Set(model, "DeviceInfo", "VendorName", "Value", "Other Motion Ltd.");
    EXPECT_EQ(SavedBothWays(model),
              test::ReadFile(fs::path(CORVID_TEST_DATA_DIR) / "kept" / "servo_drive_values.eds"));

    ASSERT_TRUE(WriteCorvidLayout(model, folder.File("corvid.eds"), error));
    Set(model, "ManufacturerObjects", "2000", "Default Value", "0x65");
    const std::string saved = SavedBothWays(model);
    EXPECT_EQ(saved.size(), model.Header.SourceText->size()) << "one value changed in place";
}

// Every file of the corpus, read and saved without a change, comes back
// byte for byte; random cell edits saved and read back give the edited model.
template <typename Model> void CheckCorpus(const std::string& kind) {
    const char* elsewhere = std::getenv("CORVID_CORPUS"); // a corpus kept in another place
    const fs::path folder =
        elsewhere != nullptr ? fs::path(elsewhere) / kind : test::CorpusFolder(kind);
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/" << kind << ": skipped";
    std::mt19937 random(18);
    for (const auto& file : fs::directory_iterator(folder)) {
        auto model = Loaded<Model>(file.path().string());
        const std::string source = *model.Header.SourceText;
        ASSERT_EQ(FormatKeptLayout(model, kSaveTime).text, source) << file.path();
        for (const std::string& section : BuildProjectTreeFile(model).Sections) {
            const Page page = BuildPage(model, section);
            std::vector<std::pair<size_t, size_t>> cells;
            for (size_t row = 0; row < page.Rows.size(); ++row)
                for (size_t column = 1; column < page.Columns.size(); ++column)
                    if (page.Rows[row].Cells.size() > column &&
                        page.Rows[row].Cells[column].Editor == CellEditor::Text)
                        cells.emplace_back(row, column);
            if (cells.empty())
                continue;
            const auto [row, column] = cells[random() % cells.size()];
            const std::string text = page.Rows[row].Cells[column].Text + "1";
            CommitCell(model, EditOfCell(page, row, column, text));
        }
        const std::string saved = SavedBothWays(model);
        Model again;
        EDSDocKind<Model>::LoadText(again, saved, model.Header.PathName);
        EXPECT_EQ(EDSDocKind<Model>::Format(again), EDSDocKind<Model>::Format(model))
            << file.path();
    }
}

TEST(KeptSaveCorpus, CANopen) {
    CheckCorpus<CCANopenEDS>("canopen");
}
TEST(KeptSaveCorpus, DeviceNet) {
    CheckCorpus<CDeviceNetEDS>("devicenet");
}
TEST(KeptSaveCorpus, EtherNetIP) {
    CheckCorpus<CEtherNetIPEDS>("ethernetip");
}

} // namespace
} // namespace corvid
