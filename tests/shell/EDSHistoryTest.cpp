// Undo and redo through the door: every kind of change taken back gives the
// model and the saved bytes of before, done again gives those of after; the
// modified mark follows the state last saved; each file has its own steps.

#include "door/EDSDoc.h"

#include "ModelJsonText.h"
#include "PageText.h"
#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::ScriptedUserInterface;

struct StepCase {
    const char* label;
    const char* sample;
    EDSChange change;
    bool asks;           // the rule asks first, answered Yes
    const char* name;    // the step as the Edit menu names it
    const char* section; // the page undo shows
};

std::ostream& operator<<(std::ostream& out, const StepCase& step) {
    return out << step.label;
}

CEDSParam NewParam() {
    CEDSParam param;
    param.ParameterName = "\"Added\"";
    param.DataType = 0xC7;
    param.DataSize = 2;
    return param;
}

CANopenObject NewObject() {
    CANopenObject record;
    record.Index = 0x2200;
    record.Category = kCategoryManufacturer;
    record.ParameterName = "Added";
    record.ObjectType = kObjectTypeVar;
    record.DataType = 7;
    record.AccessType = "rw";
    return record;
}

class EDSHistoryTest : public testing::TestWithParam<StepCase> {
protected:
    // A copy of the sample, so a save may write over the file it came from:
    // a save elsewhere would rename the CANopen FileName.
    EDSFileId Open(const std::string& sample) {
        source = test::ReadFile(test::SamplePath(sample));
        path = folder.File(sample);
        test::WriteFile(path, source);
        return *doc.AddFileText(DetectEDSKindText(path, source), source, path);
    }
    // The model as the JSON dump shows it.
    std::string Model(EDSFileId id) const {
        std::string json;
        doc.Visit(id,
                  [&]<typename Model>(const Model& model) { json = test::ModelJsonText(model); });
        return json;
    }
    std::string Saved(EDSFileId id) {
        size_t lines = 0;
        std::string error;
        EXPECT_TRUE(doc.WriteFile(id, path, CEDSDoc::Layout::Kept, lines, error)) << error;
        return test::ReadFile(path);
    }

    ScriptedUserInterface ui;
    CEDSDoc doc{ui};
    std::string source;
    std::string path;
    test::TempFolder folder;
};

TEST_P(EDSHistoryTest, UndoGivesBackTheFileOfBeforeAndRedoTheChange) {
    const StepCase& step = GetParam();
    const EDSFileId id = Open(step.sample);
    const std::string before = Model(id);
    if (step.asks)
        ui.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(doc.Commit(id, step.change).Stored()) << ui.Log();
    const std::string after = Model(id);
    ASSERT_NE(after, before);
    const EDSStep* done = doc.History(id)->UndoStep();
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->Name, step.name);
    EXPECT_EQ(done->Section, step.section);

    ASSERT_TRUE(doc.Commit(id, UndoChange{}).Stored());
    EXPECT_EQ(Model(id), before);
    EXPECT_FALSE(doc.IsModified(id)) << "back at the file as read";
    EXPECT_EQ(Saved(id), source) << "an unchanged file saves as a copy";

    ASSERT_TRUE(doc.Commit(id, RedoChange{}).Stored());
    EXPECT_EQ(Model(id), after);
    EXPECT_TRUE(doc.IsModified(id));
    ASSERT_TRUE(doc.Commit(id, UndoChange{}).Stored());
    EXPECT_EQ(Model(id), before);
}

IOInsertRequest NewIOEntry() {
    IOInsertRequest request;
    request.Index = 9;
    request.Size = 2;
    request.TypeMask = 1;
    request.Name = "Added";
    return request;
}

constexpr const char* kCANopen = "servo_drive.eds";
constexpr const char* kDeviceNet = "ac_drive_devicenet.eds";
constexpr const char* kEtherNetIP = "ethernetip_adapter.eds";

const StepCase kSteps[] = {
    {"CANopenObjectCell", kCANopen, CellChange{"OptionalObjects", "1017", 4, "0x3E8", std::nullopt},
     false, "Edit Default Value of 1017", "OptionalObjects"},
    {"CANopenKeyword", kCANopen,
     CellChange{"DeviceInfo", "VendorName", 1, "Other Vendor", std::nullopt}, false,
     "Edit VendorName", "DeviceInfo"},
    {"CANopenDelete", kCANopen, DeleteChange{"ManufacturerObjects", "2000"}, true, "Delete 2000",
     "ManufacturerObjects"},
    {"CANopenInsertObject", kCANopen, ObjectRecordChange{NewObject(), "2200"}, false, "Insert 2200",
     "ManufacturerObjects"},
    {"CANopenCutSubIndex", kCANopen, CutObjectChange{{0x1400, 2}}, false, "Cut 1400sub2",
     "OptionalObjects"},
    {"DeviceNetKeyword", kDeviceNet, CellChange{"Device", "VendName", 1, "\"Other\"", std::nullopt},
     false, "Edit VendName", "Device"},
    {"DeviceNetInsertFront", kDeviceNet, InsertParamChange{NewParam(), 0, InsertPlace::Front},
     false, "Insert Param1", "Params"},
    {"DeviceNetDeleteParam", kDeviceNet, DeleteChange{"Params", "Param2"}, true, "Delete Param2",
     "Params"},
    {"DeviceNetIOInfo", kDeviceNet, IOInfoChange{NewIOEntry()}, false, "Insert IO_Info", "IO_Info"},
    {"EtherNetIPInsertBack", kEtherNetIP, InsertParamChange{NewParam(), 0, InsertPlace::Back},
     false, "Insert Param2", "Params"},
    {"EtherNetIPDeleteNamedParam", kEtherNetIP, DeleteChange{"Params", "Param2"}, true,
     "Delete Param2", "Params"},
    {"EtherNetIPCutParam", kEtherNetIP, CutParamChange{3}, true, "Cut Param4", "Params"},
    {"EtherNetIPPasteParam", kEtherNetIP, PasteParamChange{NewParam(), 2}, false, "Paste Param3",
     "Params"},
    {"EtherNetIPEntryInsert", kEtherNetIP, EntryInsertChange{"Assembly", "Assem100", std::nullopt},
     false, "Insert Assembly", "Assembly"},
    {"EtherNetIPEntryField", kEtherNetIP, CellChange{"Assembly", "Assem100", 1, "\"Renamed\"", 1},
     false, "Edit Assem100", "Assembly"},
};

INSTANTIATE_TEST_SUITE_P(EveryChangeKind, EDSHistoryTest, testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.label); });

class EDSHistoryStateTest : public EDSHistoryTest {
protected:
    EDSFileId OpenServo() { return Open(kCANopen); }
    static CellChange Default(const std::string& text) {
        return {"OptionalObjects", "1017", 4, text, std::nullopt};
    }
    std::string NextUndo(EDSFileId id) const {
        const EDSStep* step = doc.History(id)->UndoStep();
        return step ? step->Name : "";
    }
};

TEST_F(EDSHistoryStateTest, TheModifiedMarkFollowsTheStateLastSaved) {
    const EDSFileId id = OpenServo();
    std::vector<size_t> told;
    doc.AddChangeListener(
        [&](EDSFileId, const EDSChange& change) { told.push_back(change.index()); });
    EXPECT_EQ(doc.Commit(id, UndoChange{}).Status, CommitStatus::Declined) << "nothing to undo";
    EXPECT_TRUE(told.empty());

    doc.Commit(id, Default("1"));
    doc.Commit(id, Default("2"));
    doc.SetCurrentFile(doc.Find(id));
    // Under its own name: a save under another renames FileName, a step of
    // its own.
    ui.saveChoices = {folder.File("servo_drive.eds")};
    ASSERT_TRUE(doc.SaveFile());
    EXPECT_FALSE(doc.IsModified(id));
    doc.Commit(id, UndoChange{});
    EXPECT_TRUE(doc.IsModified(id)) << "away from the saved state";
    doc.Commit(id, RedoChange{});
    EXPECT_FALSE(doc.IsModified(id)) << "back at the saved state";
    EXPECT_EQ(told.size(), 4u) << "undo and redo are told like any change";

    // A change after an undo drops the step undone, and with it the saved
    // state: no undo or redo reaches it again.
    doc.Commit(id, UndoChange{});
    doc.Commit(id, Default("3"));
    EXPECT_EQ(doc.History(id)->RedoStep(), nullptr);
    EXPECT_EQ(doc.History(id)->StepCount(), 2u);
    doc.Commit(id, UndoChange{});
    doc.Commit(id, UndoChange{});
    EXPECT_TRUE(doc.IsModified(id)) << "the file as read was saved over";
    EXPECT_EQ(doc.Commit(id, UndoChange{}).Status, CommitStatus::Declined);
}

TEST_F(EDSHistoryStateTest, EachFileHasItsOwnStepsAndAMadeFileNoSavedState) {
    const EDSFileId servo = OpenServo();
    auto made = std::make_unique<CCANopenEDS>();
    made->DeviceInfo.SectionName = "DeviceInfo";
    made->Header.Flags = FLAG_MODIFIED; // as the catalogue and the drive add their files
    const EDSFileId generated = doc.AddFile(std::move(made));
    EXPECT_EQ(doc.History(generated)->StepCount(), 0u);

    doc.Commit(servo, Default("7"));
    doc.Commit(generated, CellChange{"DeviceInfo", "VendorName", 1, "Made", std::nullopt});
    EXPECT_EQ(NextUndo(servo), "Edit Default Value of 1017");
    EXPECT_EQ(NextUndo(generated), "Edit VendorName");

    doc.Commit(generated, UndoChange{});
    EXPECT_TRUE(doc.IsModified(generated)) << "a file Corvid made is nowhere saved yet";
    EXPECT_EQ(NextUndo(servo), "Edit Default Value of 1017") << "untouched by the other's undo";
    EXPECT_EQ(doc.Commit(servo, Default("7")).Status, CommitStatus::Stored);
    EXPECT_EQ(doc.History(servo)->StepCount(), 1u) << "a change to the same value is no step";

    const size_t position = doc.Find(servo)->position;
    ASSERT_TRUE(doc.RemoveFile(EDSKind::CANopen, position));
    EXPECT_EQ(doc.History(servo), nullptr);
}

} // namespace
} // namespace corvid
