// The document set's flows with scripted answers: open, save, save all,
// exit, and the frame title.

#include "door/EDSDoc.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

constexpr const char* kCANopenText = "[FileInfo]\r\nFileName=a.eds\r\n[DeviceInfo]\r\n";
constexpr const char* kDeviceNetText = "[File]\r\nRevision=1.0;\r\n[Device]\r\n[IO_Info]\r\n";
constexpr const char* kEtherNetIPText = "[File]\r\n[Device]\r\nVendCode=7;\r\n[DLR Class]\r\n";

class EDSDocTest : public testing::Test {
protected:
    std::string Make(const std::string& name, const std::string& text = kCANopenText) {
        test::WriteFile(folder.path() / name, text);
        return folder.File(name);
    }
    EDSFileHeader& HeaderOf(EDSKind kind, size_t position) {
        EDSFileHeader* header = doc.Header({kind, position});
        EXPECT_NE(header, nullptr);
        return *header;
    }
    // Opens one CANopen file and makes it the file the view shows.
    EDSFileHeader& OpenCurrent(const std::string& name) {
        doc.OpenPaths({Make(name)});
        const size_t position = doc.FileCount(EDSKind::CANopen) - 1;
        doc.SetCurrentFile(EDSFileRef{EDSKind::CANopen, position});
        ui.messages.clear();
        return HeaderOf(EDSKind::CANopen, position);
    }

    test::TempFolder folder;
    test::ScriptedUserInterface ui;
    CEDSDoc doc{ui};
};

// Each file is read by the reader of its kind and the handler hears of it
// as it joins, with the list already holding it.
TEST_F(EDSDocTest, OpenPaths_ReadsEachKnownFileByItsKindAndRefusesOneAlreadyOpen) {
    std::vector<std::pair<EDSFileRef, size_t>> added;
    doc.SetFileAddedHandler(
        [&](EDSFileRef file) { added.emplace_back(file, doc.FileCount(file.kind)); });
    const std::string a = Make("a.eds");
    const std::string b = Make("B.EDS");
    const std::string devicenet = Make("d.eds", kDeviceNetText);
    const std::string ethernetip = Make("e.eds", kEtherNetIPText);
    doc.OpenPaths({a, Make("c.txt"), ethernetip, b, Make("d.Eds"), Make("u.eds", "[FileInfo]\r\n"),
                   Make("both.eds", std::string(kCANopenText) + kDeviceNetText), devicenet, a});

    const auto is = [](const std::string& path, const char* kind) {
        return "Open File:  " + path + " is " + kind + " EDS file.\r\n";
    };
    EXPECT_EQ(ui.Log(), is(a, "a CANopen") + is(ethernetip, "an EtherNet/IP") + is(b, "a CANopen") +
                            is(devicenet, "a DeviceNet") + is(a, "a CANopen") + "Open File:  " + a +
                            "  has already opened.\r\n");
    ASSERT_EQ(doc.FileCount(EDSKind::CANopen), 2u);
    EXPECT_EQ(doc.Files<CCANopenEDS>()[0]->Header.PathName, a);
    EXPECT_EQ(doc.Files<CCANopenEDS>()[1]->Header.Title, "B");
    EXPECT_EQ(doc.Files<CCANopenEDS>()[0]->FileInfo.FileName, "a.eds");
    ASSERT_EQ(doc.FileCount(EDSKind::EtherNetIP), 1u);
    EXPECT_EQ(doc.Files<CEtherNetIPEDS>()[0]->DeviceSection.VendCode, 7);
    ASSERT_EQ(doc.FileCount(EDSKind::DeviceNet), 1u);
    EXPECT_EQ(doc.Files<CDeviceNetEDS>()[0]->FileSection.Revision, "1.0");
    const std::vector<std::pair<EDSFileRef, size_t>> expected = {{{EDSKind::CANopen, 0}, 1},
                                                                 {{EDSKind::EtherNetIP, 0}, 1},
                                                                 {{EDSKind::CANopen, 1}, 2},
                                                                 {{EDSKind::DeviceNet, 0}, 1}};
    EXPECT_EQ(added, expected);
    EXPECT_EQ(ui.pumps, 9);
    ASSERT_FALSE(ui.progress.empty());
    EXPECT_EQ(ui.progress.front(), std::make_pair(0, 9));
    EXPECT_EQ(ui.progress.back(), std::make_pair(9, 9));
}

// A file that is missing, or a folder, is named with the system's reason
// rather than passed over like a file of no known kind; the rest still open.
TEST_F(EDSDocTest, OpenPaths_NamesUnreadableFilesWithTheReason) {
    const std::string missing = folder.File("missing.eds");
    std::filesystem::create_directory(folder.path() / "folder.eds");
    const std::string a = Make("a.eds", "\xEF\xBB\xBF" + std::string(kCANopenText));
    doc.OpenPaths({missing, folder.File("folder.eds"), a});

    EXPECT_EQ(ui.Log(), "Open File:  " + missing + ": unreadable: No such file or directory\r\n" +
                            "Open File:  " + folder.File("folder.eds") +
                            ": unreadable: Is a directory\r\n" + "Open File:  " + a +
                            " is a CANopen EDS file.\r\n");
    ASSERT_EQ(doc.FileCount(EDSKind::CANopen), 1u);
    EXPECT_EQ(doc.Files<CCANopenEDS>()[0]->FileInfo.FileName, "a.eds");
}

TEST_F(EDSDocTest, OpenFiles_UsesTheDialogAndACancelOpensNothing) {
    ui.openChoices = {{}, {Make("a.eds")}};
    doc.OpenFiles();
    EXPECT_EQ(doc.FileCount(EDSKind::CANopen), 0u);
    doc.OpenFiles();
    EXPECT_EQ(doc.FileCount(EDSKind::CANopen), 1u);
    EXPECT_EQ(ui.openDialogs.size(), 2u);
}

TEST_F(EDSDocTest, SaveFile_FirstSaveAsksThenSavesStraightToTheChosenPath) {
    EDSFileHeader& header = OpenCurrent("drive.eds");
    header.Flags |= FLAG_MODIFIED;
    const std::string original = test::ReadFile(header.PathName);
    ui.saveChoices = {folder.File("out")};

    ASSERT_TRUE(doc.SaveFile());
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0].title, "Save As: drive (CANopen)");
    EXPECT_EQ(ui.saveDialogs[0].initialName, folder.File("drive")) << "in the file's own folder";
    EXPECT_EQ(ui.Log(), "Save File:  Save file " + folder.File("out.eds") +
                            "\r\nSave File:  0 lines changed in " + folder.File("out.eds") +
                            "\r\n");
    EXPECT_EQ(header.SavePathName, folder.File("out.eds"));
    EXPECT_EQ(header.Flags, FLAG_SAVE_PATH_KNOWN);
    EXPECT_EQ(doc.FrameTitle(), "out - Halvard Corvid") << "the file goes by its new name";
    EXPECT_EQ(test::ReadFile(header.PathName), original);

    std::filesystem::remove(folder.path() / "out.eds");
    ASSERT_TRUE(doc.SaveFile()); // no dialog scripted: none may be shown
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "out.eds"));
}

struct ExtensionCase {
    const char* chosen;
    const char* saved;
};

class SaveExtensionTest : public EDSDocTest, public testing::WithParamInterface<ExtensionCase> {};

TEST_P(SaveExtensionTest, SaveFileAs_AppendsEdsUnlessTheNameEndsInEdsOrEDS) {
    EDSFileHeader& header = OpenCurrent("drive.eds");
    ui.saveChoices = {folder.File(GetParam().chosen)};
    ASSERT_TRUE(doc.SaveFileAs());
    EXPECT_EQ(header.SavePathName, folder.File(GetParam().saved));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / GetParam().saved));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveExtensionTest,
                         testing::Values(ExtensionCase{"out", "out.eds"},
                                         ExtensionCase{"out.eds", "out.eds"},
                                         ExtensionCase{"OUT.EDS", "OUT.EDS"},
                                         ExtensionCase{"out.Eds", "out.Eds.eds"},
                                         ExtensionCase{"name.txt", "name.txt.eds"}));

TEST_F(EDSDocTest, SaveFile_FailureIsReportedAndTheFileStaysModifiedWithoutAPath) {
    EDSFileHeader& header = OpenCurrent("drive.eds");
    header.Flags = FLAG_MODIFIED;
    doc.SetFrameTitle(header.Title, true);
    const std::string target = folder.File("missing/out.eds");
    ui.saveChoices = {target};
    ui.answers = {MessageAnswer::Ok};

    EXPECT_FALSE(doc.SaveFile());
    const std::string failure =
        "Save File:  Failure to save file " + target + ": No such file or directory";
    EXPECT_EQ(ui.Log(), "Save File:  Save file " + target + "\r\n" + failure + "\r\n");
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, failure);
    EXPECT_EQ(ui.questions[0].icon, MessageIcon::Warning);
    EXPECT_EQ(header.Flags, FLAG_MODIFIED);
    EXPECT_EQ(header.SavePathName, "");
    EXPECT_EQ(doc.FrameTitle(), "drive* - Halvard Corvid");

    ui.saveChoices = {folder.File("out.eds")};
    EXPECT_TRUE(doc.SaveFile()); // asks again
    EXPECT_EQ(ui.saveDialogs.size(), 2u);
}

// Modified files only: CANopen first, each in list order, then DeviceNet,
// then EtherNet/IP.
TEST_F(EDSDocTest, SaveAllFiles_AsksForEachUnsavedFileInOrderAndACancelSkipsOnlyIt) {
    OpenCurrent("one.eds");
    OpenCurrent("two.eds");
    EDSFileHeader& three = OpenCurrent("three.eds");
    three.Flags = FLAG_SAVE_PATH_KNOWN;
    three.SavePathName = folder.File("three-saved.eds");
    OpenCurrent("unchanged.eds");
    doc.OpenPaths({Make("e.eds", kEtherNetIPText), Make("d.eds", kDeviceNetText)});
    for (const auto& [kind, position] : {std::pair{EDSKind::CANopen, 0},
                                         {EDSKind::CANopen, 1},
                                         {EDSKind::CANopen, 2},
                                         {EDSKind::DeviceNet, 0},
                                         {EDSKind::EtherNetIP, 0}})
        HeaderOf(kind, static_cast<size_t>(position)).Flags |= FLAG_MODIFIED;
    ui.saveChoices = {"", folder.File("two-saved"), folder.File("d-out"), folder.File("e-out")};

    doc.SaveAllFiles();
    ASSERT_EQ(ui.saveDialogs.size(), 4u);
    EXPECT_EQ(ui.saveDialogs[0].initialName, folder.File("one"));
    EXPECT_EQ(ui.saveDialogs[1].initialName, folder.File("two"));
    EXPECT_EQ(ui.saveDialogs[2].initialName, folder.File("d"));
    EXPECT_EQ(ui.saveDialogs[3].initialName, folder.File("e"));
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 0).Flags, FLAG_MODIFIED);
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 1).SavePathName, folder.File("two-saved.eds"));
    // Opened files keep their own layout: unchanged, they come back as read.
    for (const char* name : {"two", "three"})
        EXPECT_EQ(test::ReadFile(folder.path() / (std::string(name) + "-saved.eds")),
                  test::ReadFile(folder.path() / (std::string(name) + ".eds")))
            << name;
    for (const char* name : {"d", "e"})
        EXPECT_EQ(test::ReadFile(folder.path() / (std::string(name) + "-out.eds")),
                  test::ReadFile(folder.path() / (std::string(name) + ".eds")))
            << name;
}

// A file Corvid made is on no disk: it is modified from the start, and its
// dialog opens where the user saved last, not in the catalogue.
TEST_F(EDSDocTest, AddNewFile_StartsModifiedAndSavesFromTheFolderOfTheLastSave) {
    auto model = std::make_unique<CDeviceNetEDS>();
    model->Header.PathName = folder.File("catalogue/model.eds");
    model->Header.Title = "VFD-E 440V";
    const EDSFileId made = doc.AddNewFile(std::move(model));
    EXPECT_TRUE(doc.IsModified(made));
    doc.SetCurrentFile(doc.Find(made));
    ui.saveChoices = {""};
    EXPECT_FALSE(doc.SaveFile());
    EXPECT_EQ(ui.saveDialogs.back().initialName, "VFD-E 440V");
    EXPECT_EQ(ui.saveDialogs.back().title, "Save As: VFD-E 440V (DeviceNet)");

    std::filesystem::create_directory(folder.path() / "out");
    OpenCurrent("drive.eds");
    ui.saveChoices = {folder.File("out/drive")};
    ASSERT_TRUE(doc.SaveFile());
    doc.SetCurrentFile(doc.Find(made));
    ui.saveChoices = {""};
    doc.SaveFile();
    EXPECT_EQ(ui.saveDialogs.back().initialName, folder.File("out/VFD-E 440V"));
}

TEST_F(EDSDocTest, RemoveFile_KeepsTheCurrentFilePointingAtTheSameModel) {
    OpenCurrent("one.eds");
    OpenCurrent("two.eds");
    EXPECT_TRUE(doc.RemoveFile(EDSKind::CANopen, 0));
    ASSERT_TRUE(doc.CurrentFile());
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, doc.CurrentFile()->position).Title, "two");
    EXPECT_TRUE(doc.RemoveFile(EDSKind::CANopen, 0));
    EXPECT_FALSE(doc.CurrentFile());
    EXPECT_FALSE(doc.RemoveFile(EDSKind::CANopen, 0));
}

class ConfirmExitTest : public EDSDocTest {
protected:
    void SetUp() override {
        for (const char* name : {"one.eds", "two.eds", "three.eds"})
            OpenCurrent(name).Flags = FLAG_MODIFIED;
        doc.OpenPaths({Make("e.eds", kEtherNetIPText), Make("d.eds", kDeviceNetText)});
        HeaderOf(EDSKind::DeviceNet, 0).Flags = FLAG_MODIFIED;
        HeaderOf(EDSKind::EtherNetIP, 0).Flags = FLAG_MODIFIED;
        doc.SetCurrentFile(std::nullopt);
        ui.messages.clear();
    }
};

// CANopen files first, then DeviceNet, then EtherNet/IP.
TEST_F(ConfirmExitTest, YesSavesNoSkipsAndOnlyModifiedFilesAreAskedInOrder) {
    HeaderOf(EDSKind::CANopen, 1).Flags = 0;
    ui.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No, MessageAnswer::Yes};
    ui.saveChoices = {folder.File("one-saved"), folder.File("e-out")};
    EXPECT_TRUE(doc.ConfirmExit());
    ASSERT_EQ(ui.questions.size(), 4u);
    EXPECT_EQ(ui.questions[0].text, "Do you want to save changes to the file?\none.eds");
    EXPECT_EQ(ui.questions[0].caption, "Halvard Corvid");
    EXPECT_EQ(ui.questions[0].buttons, MessageButtons::YesNoAllNotCancel);
    EXPECT_EQ(ui.questions[1].text, "Do you want to save changes to the file?\nthree.eds");
    EXPECT_NE(ui.questions[2].text.find("\nd.eds"), std::string::npos);
    EXPECT_NE(ui.questions[3].text.find("\ne.eds"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "one-saved.eds"));
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 2).Flags, FLAG_MODIFIED);
    EXPECT_EQ(HeaderOf(EDSKind::EtherNetIP, 0).Flags, FLAG_SAVE_PATH_KNOWN);
}

TEST_F(ConfirmExitTest, AllNotStopsAskingAndCloses) {
    ui.answers = {MessageAnswer::AllNot};
    EXPECT_TRUE(doc.ConfirmExit());
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.Log(), "");
}

// A Cancel, a cancelled save dialog and a failed save each keep the
// program open and the edits.
TEST_F(ConfirmExitTest, CancelOrAFailedSaveKeepsTheProgramOpen) {
    ui.answers = {MessageAnswer::No, MessageAnswer::Cancel, MessageAnswer::Yes, MessageAnswer::Yes,
                  MessageAnswer::Ok};
    ui.saveChoices = {"", folder.File("missing/one.eds")};
    EXPECT_FALSE(doc.ConfirmExit());
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_FALSE(doc.ConfirmExit());
    EXPECT_EQ(ui.questions.size(), 3u);
    EXPECT_EQ(ui.Log(), "");
    EXPECT_FALSE(doc.ConfirmExit());
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 0).Flags, FLAG_MODIFIED);
}

} // namespace
} // namespace corvid
