// Saving a file read from disk in its own layout: each kind of change gives
// a whole file compared with an expected one, and the real-world corpus
// comes back byte for byte when nothing changed, and random edits through
// the door survive a save and a read.

#include "door/KeptSave.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "door/EDSDoc.h"
#include "editing/CellCommit.h"
#include "editing/EtherNetIPEntryEditing.h"
#include "editing/IOInfoEditing.h"
#include "editing/ParamEditing.h"
#include "pages/PageRows.h"
#include "pages/ProjectTree.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The column of a page with this header.
size_t ColumnOf(const Page& page, const std::string& column) {
    size_t at = 0;
    while (at < page.Columns.size() && TrimmedBlanks(page.Columns[at].Header) != column)
        ++at;
    EXPECT_LT(at, page.Columns.size()) << column;
    return at;
}

template <typename Model>
void Set(Model& model, const std::string& section, const std::string& row,
         const std::string& column, const std::string& text,
         std::optional<size_t> distance = std::nullopt) {
    const size_t at = ColumnOf(BuildPage(model, section), column);
    EXPECT_EQ(CommitCell(model, CellEdit(section, row, at, text, distance)).Status,
              CommitStatus::Stored)
        << section << ":" << row << ":" << column;
}

// The same change through the door, as the window commits it.
void Commit(CEDSDoc& doc, EDSFileId id, const std::string& section, const std::string& row,
            const std::string& column, const std::string& text) {
    const size_t at = ColumnOf(BuildPage(*doc.FileModel<CCANopenEDS>(id), section), column);
    EXPECT_TRUE(doc.Commit(id, CellChange{section, row, at, text, std::nullopt}).Stored())
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

// A key the file lacks shows empty and is written once it is given a
// value: in the file's own layout at the end of its section, in Corvid's
// layout alone among the keys the file lacks.
TEST(KeptSave, KeysTheFileLacksAreWrittenOnlyOnceGiven) {
    const std::string text = "[DeviceInfo]\r\nVendorName=V\r\n\r\n";
    CCANopenEDS model;
    EDSDocKind<CCANopenEDS>::LoadText(model, text, "x.eds");
    model.Header.SourceText = text;
    const Page page = BuildPage(model, "DeviceInfo");
    const auto row = std::find_if(page.Rows.begin(), page.Rows.end(),
                                  [](const PageRow& r) { return r.Key == "ProductNumber"; });
    ASSERT_NE(row, page.Rows.end());
    EXPECT_EQ(row->Cells.at(1).Text, "");
    Set(model, "DeviceInfo", "ProductNumber", "Value", "0x10");
    EXPECT_EQ(FormatKeptLayout(model, kSaveTime).text,
              "[DeviceInfo]\r\nVendorName=V\r\nProductNumber=0x00000010\r\n\r\n");
    const std::string corvid = EDSDocKind<CCANopenEDS>::Format(model);
    EXPECT_NE(corvid.find("[DeviceInfo]\r\nVendorName=V\r\nProductNumber=0x00000010\r\n\r\n"),
              std::string::npos)
        << corvid;
}

// A CIP file without [File], [Device] and [IO_Info] gets none of them from
// a save after an edit; a value given to one brings that section alone,
// under its own name, where Corvid's layout puts it.
TEST(KeptSave, CIPSectionsTheFileLacksStayOut) {
    const std::string params =
        "[Params]\r\nParam1=0,,,0x0000,0xC7,2,\"a\",\"\",\"\",0,10,5,,,,,,,,,;\r\n";
    CDeviceNetEDS model;
    EDSDocKind<CDeviceNetEDS>::LoadText(model, params, "x.eds");
    model.Header.SourceText = params;
    Set(model, "Params", "Param1", "Default", "6");
    const std::string edited = std::string(params).replace(params.find("5,"), 1, "6");
    EXPECT_EQ(FormatKeptLayout(model, kSaveTime).text, edited);

    Set(model, "IO_Info", "Default", "Value", "0x0001");
    const std::string io = "[IO_Info]\r\n\tDefault=0x0001;\r\n\r\n";
    EXPECT_EQ(FormatKeptLayout(model, kSaveTime).text, io + edited);
}

// Empty scaling fields stand for 1, 1, 1, 0: the page shows them empty, and
// a value given to one of them leaves the others empty.
TEST(KeptSave, EmptyScalingFieldsStayEmpty) {
    const std::string text = "[Params]\r\n  Param1 = 0,,\"\",0x00,0xC7,2,\"A\",\"\",\"\",0,1,0,"
                             ",,,,,,,,;\r\n";
    CDeviceNetEDS model;
    EDSDocKind<CDeviceNetEDS>::LoadText(model, text, "x.eds");
    model.Header.SourceText = text;
    const Page page = BuildPage(model, "Params");
    ASSERT_FALSE(page.Rows.empty());
    for (size_t column = 12; column <= 15; ++column)
        EXPECT_EQ(page.Rows[0].Cells.at(column).Text, "") << column;
    Set(model, "Params", "Param1", "Multiplier", "2");
    EXPECT_NE(FormatKeptLayout(model, kSaveTime)
                  .text.find("[Params]\r\n  Param1 = 0,,\"\",0x00,0xC7,2,\"A\",\"\",\"\",0,1,0,"
                             "2,,,,,,,,;\r\n"),
              std::string::npos);
    EXPECT_NE(EDSDocKind<CDeviceNetEDS>::Format(model).find("\t\t2, , , ,\r\n"), std::string::npos);
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
    ASSERT_TRUE(
        WriteKeptLayout(model, folder.File("kept.eds"), kSaveTime, nullptr, changedLines, error));
    Set(model, "DeviceInfo", "VendorName", "Value", "Other Motion Ltd.");
    EXPECT_EQ(SavedBothWays(model),
              test::ReadFile(fs::path(CORVID_TEST_DATA_DIR) / "kept" / "servo_drive_values.eds"));

    ASSERT_TRUE(WriteCorvidLayout(model, folder.File("corvid.eds"), error));
    Set(model, "ManufacturerObjects", "2000", "Default Value", "0x65");
    const std::string saved = SavedBothWays(model);
    EXPECT_EQ(saved.size(), model.Header.SourceText->size()) << "one value changed in place";
}

// The document set renders a file as read only once a change leaves the
// reach unknown: a file saved unchanged, or changed only in parts the reach
// follows, holds no render. The render is the model's before that change
// when it was still as read, and else its text's: after a save in Corvid's
// layout the model is no longer what its text reads as.
TEST(KeptSave, DoorRendersTheFileAsReadOnceTheReachIsUnknown) {
    ::setenv("SOURCE_DATE_EPOCH", "1709629503", 1); // kSaveTime
    test::TempFolder folder;
    const std::string text = test::ReadFile(std::string(CORVID_SAMPLES_DIR) + "/servo_drive.eds");
    const std::string path = folder.File("servo_drive.eds");
    test::WriteFile(path, text);
    ScriptedUserInterface ui;
    CEDSDoc doc{ui};
    const auto Save = [&](EDSFileId id, CEDSDoc::Layout layout) {
        size_t changedLines = 1;
        std::string error;
        EXPECT_TRUE(doc.WriteFile(id, path, layout, changedLines, error)) << error;
        return test::ReadFile(path);
    };
    const auto renderOfText = [&](EDSFileId id) {
        CCANopenEDS asRead;
        LoadCANopenEDSText(asRead, *doc.FileModel<CCANopenEDS>(id)->Header.SourceText, path);
        return FormatCANopenEDS(asRead);
    };
    const auto insertObject = [&](EDSFileId id) {
        EXPECT_TRUE(
            doc.Commit(id, ObjectRecordChange{NewRecord(kCategoryOptional, {}), "1010"}).Stored());
    };

    const EDSFileId id = *doc.AddFileText(EDSKind::CANopen, text, path);
    const EDSFileHeader& header = doc.FileModel<CCANopenEDS>(id)->Header;
    EXPECT_EQ(Save(id, CEDSDoc::Layout::Kept), text);
    Commit(doc, id, "DeviceInfo", "VendorName", "Value", "Other Motion Ltd.");
    Commit(doc, id, "ManufacturerObjects", "2000", "Default Value", "0x64");
    EXPECT_FALSE(header.SourceRender);
    EXPECT_EQ(Save(id, CEDSDoc::Layout::Kept),
              test::ReadFile(fs::path(CORVID_TEST_DATA_DIR) / "kept" / "servo_drive_values.eds"));
    const std::string savedAsRead = renderOfText(id);
    insertObject(id);
    ASSERT_TRUE(header.SourceRender);
    EXPECT_EQ(*header.SourceRender, savedAsRead);

    const EDSFileId other = *doc.AddFileText(EDSKind::CANopen, text, path);
    Save(other, CEDSDoc::Layout::Corvid);
    Commit(doc, other, "DeviceInfo", "VendorName", "Value", "Other Motion Ltd.");
    ASSERT_TRUE(doc.FileModel<CCANopenEDS>(other)->Header.SourceRender);
    EXPECT_EQ(*doc.FileModel<CCANopenEDS>(other)->Header.SourceRender, renderOfText(other));
    auto reread = Loaded<CCANopenEDS>(path);
    Set(reread, "DeviceInfo", "VendorName", "Value", "Other Motion Ltd.");
    EXPECT_EQ(Save(other, CEDSDoc::Layout::Kept), FormatKeptLayout(reread, kSaveTime).text);
    ::unsetenv("SOURCE_DATE_EPOCH");
}

// A few random text cells of the file's pages, each given a new value
// through the door, as the window commits them; the changes committed.
template <typename Model>
std::vector<EDSChange> CommitRandomCells(CEDSDoc& doc, EDSFileId id, const Model& model,
                                         std::mt19937& random) {
    constexpr size_t kMostEdits = 12; // keeps the whole corpus to a few seconds
    std::vector<std::string> sections = BuildProjectTreeFile(model).Sections;
    std::shuffle(sections.begin(), sections.end(), random);
    std::vector<EDSChange> changes;
    for (const std::string& section : sections) {
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
        changes.emplace_back(CellChange::Of(EditOfCell(page, row, column, text)));
        doc.Commit(id, changes.back());
        if (changes.size() == kMostEdits)
            break;
    }
    // Undo takes back what the last edit touched.
    changes.emplace_back(UndoChange{});
    doc.Commit(id, changes.back());
    return changes;
}

// The save of a file through the door, which renders only what its changes
// touched where it knows that, writes what a save rendering the whole model
// writes: `twin` is the same file given the same changes.
template <typename Model>
void ExpectSavedAsWhole(CEDSDoc& doc, EDSFileId id, EDSFileId twin, const std::string& path) {
    ::setenv("SOURCE_DATE_EPOCH", "1709629503", 1); // kSaveTime
    size_t changedLines = 0;
    std::string error;
    ASSERT_TRUE(doc.WriteFile(id, path, CEDSDoc::Layout::Kept, changedLines, error)) << error;
    ::unsetenv("SOURCE_DATE_EPOCH");
    Model& whole = *doc.Files<Model>()[doc.Find(twin)->position];
    EXPECT_EQ(test::ReadFile(path), FormatKeptLayout(whole, kSaveTime).text) << path;
}

// Cell edits, their undo and redo tell the door which parts they touched,
// so a save renders only those; an inserted object does not, and the save
// renders the whole model. Either way the same file is written.
TEST(KeptSave, DoorSavesWhatTheWholeRenderGives) {
    test::TempFolder folder;
    const std::string saved = folder.File("servo_drive.eds"); // FileName stays as it is
    ScriptedUserInterface ui;
    CEDSDoc doc{ui};
    const EDSFileId id =
        doc.AddFile(std::make_unique<CCANopenEDS>(Sample<CCANopenEDS>("servo_drive.eds")));
    const EDSFileId twin =
        doc.AddFile(std::make_unique<CCANopenEDS>(Sample<CCANopenEDS>("servo_drive.eds")));
    const auto both = [&](const auto& change) {
        for (const EDSFileId file : {id, twin})
            change(file);
    };
    both([&](EDSFileId file) {
        Commit(doc, file, "ManufacturerObjects", "2000", "Default Value", "0x64");
    });
    both([&](EDSFileId file) { Commit(doc, file, "FileInfo", "Description", "Value", "Edited"); });
    for (const EDSChange& step :
         {EDSChange(UndoChange{}), EDSChange(RedoChange{}), EDSChange(UndoChange{})})
        both([&](EDSFileId file) { EXPECT_TRUE(doc.Commit(file, step).Stored()); });
    EXPECT_TRUE(doc.Reach(id)->Known());
    ExpectSavedAsWhole<CCANopenEDS>(doc, id, twin, saved);

    both([&](EDSFileId file) {
        Commit(doc, file, "ManufacturerObjects", "2000", "Default Value", "0x65");
    });
    EXPECT_TRUE(doc.Reach(id)->Known());
    ExpectSavedAsWhole<CCANopenEDS>(doc, id, twin, saved);

    both([&](EDSFileId file) {
        EXPECT_TRUE(doc.Commit(file, ObjectRecordChange{NewRecord(kCategoryOptional, {}), "1010"})
                        .Stored());
    });
    EXPECT_FALSE(doc.Reach(id)->Known());
    ExpectSavedAsWhole<CCANopenEDS>(doc, id, twin, saved);
}

// Every file of the corpus, read and saved without a change, comes back
// byte for byte. Random cell edits, saved in the file's own layout and read
// back, give the edited model: its save in Corvid's layout is the same.
template <typename Model> void CheckCorpus(const std::string& kind) {
    const char* elsewhere = std::getenv("CORVID_CORPUS"); // a corpus kept in another place
    const fs::path folder =
        elsewhere != nullptr ? fs::path(elsewhere) / kind : test::CorpusFolder(kind);
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/" << kind << ": skipped";
    test::TempFolder temp;
    std::mt19937 random(18);
    for (const auto& file : fs::directory_iterator(folder)) {
        const std::string saved = temp.File(file.path().filename().string());
        auto model = Loaded<Model>(file.path().string());
        const std::string source = *model.Header.SourceText;
        ASSERT_EQ(FormatKeptLayout(model, kSaveTime).text, source) << file.path();

        ScriptedUserInterface ui;
        CEDSDoc doc{ui};
        const EDSFileId id = doc.AddFile(std::make_unique<Model>(std::move(model)));
        const EDSFileId twin =
            doc.AddFile(std::make_unique<Model>(Loaded<Model>(file.path().string())));
        const Model& edited = *doc.FileModel<Model>(id);
        for (const EDSChange& change : CommitRandomCells(doc, id, edited, random))
            doc.Commit(twin, change);
        ExpectSavedAsWhole<Model>(doc, id, twin, saved);
        Model again;
        EDSDocKind<Model>::LoadText(again, test::ReadFile(saved), edited.Header.PathName);
        EXPECT_EQ(EDSDocKind<Model>::Format(again), EDSDocKind<Model>::Format(edited))
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
