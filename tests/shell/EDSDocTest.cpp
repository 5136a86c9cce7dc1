// The document set's flows with scripted answers: open, save, save all,
// exit, and the frame title.

#include "shell/EDSDoc.h"

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

TEST_F(EDSDocTest, OpenPaths_LogsEachKnownFileAndRefusesOneAlreadyOpen) {
    const std::string a = Make("a.eds");
    const std::string b = Make("B.EDS");
    const std::string notEds = Make("c.txt");
    const std::string wrongCase = Make("d.Eds");
    const std::string unknown = Make("e.eds", "[FileInfo]\r\n");
    doc.OpenPaths({a, notEds, b, wrongCase, unknown, a});

    EXPECT_EQ(ui.Log(), "Open File:  " + a + " is a CANopen EDS file.\r\n" + "Open File:  " + b +
                            " is a CANopen EDS file.\r\n" + "Open File:  " + a +
                            " is a CANopen EDS file.\r\n" + "Open File:  " + a +
                            "  has already opened.\r\n");
    ASSERT_EQ(doc.FileCount(EDSKind::CANopen), 2u);
    EXPECT_EQ(doc.Files<CCANopenEDS>()[0]->Header.PathName, a);
    EXPECT_EQ(doc.Files<CCANopenEDS>()[1]->Header.Title, "B");
    EXPECT_EQ(doc.Files<CCANopenEDS>()[0]->FileInfo.FileName, "a.eds");
    EXPECT_EQ(ui.pumps, 6);
    ASSERT_FALSE(ui.progress.empty());
    EXPECT_EQ(ui.progress.front(), std::make_pair(0, 6));
    EXPECT_EQ(ui.progress.back(), std::make_pair(6, 6));
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

TEST_F(EDSDocTest, OpenPaths_ReadsEachFileWithTheReaderOfItsKind) {
    const std::string canopen = Make("c.eds");
    const std::string devicenet = Make("d.eds", kDeviceNetText);
    const std::string ethernetip = Make("e.eds", kEtherNetIPText);
    const std::string both = Make("both.eds", std::string(kCANopenText) + kDeviceNetText);
    doc.OpenPaths({ethernetip, both, devicenet, canopen, ethernetip});

    EXPECT_EQ(ui.Log(), "Open File:  " + ethernetip + " is an EtherNet/IP EDS file.\r\n" +
                            "Open File:  " + devicenet + " is a DeviceNet EDS file.\r\n" +
                            "Open File:  " + canopen + " is a CANopen EDS file.\r\n" +
                            "Open File:  " + ethernetip + " is an EtherNet/IP EDS file.\r\n" +
                            "Open File:  " + ethernetip + "  has already opened.\r\n");
    ASSERT_EQ(doc.FileCount(EDSKind::EtherNetIP), 1u);
    EXPECT_EQ(doc.Files<CEtherNetIPEDS>()[0]->DeviceSection.VendCode, 7);
    ASSERT_EQ(doc.FileCount(EDSKind::DeviceNet), 1u);
    EXPECT_EQ(doc.Files<CDeviceNetEDS>()[0]->FileSection.Revision, "1.0");
    EXPECT_EQ(doc.FileCount(EDSKind::CANopen), 1u);
}

TEST_F(EDSDocTest, OpenFiles_UsesTheDialogAndACancelOpensNothing) {
    ui.openChoices = {{}, {Make("a.eds")}};
    doc.OpenFiles();
    EXPECT_EQ(doc.FileCount(EDSKind::CANopen), 0u);
    doc.OpenFiles();
    EXPECT_EQ(doc.FileCount(EDSKind::CANopen), 1u);
    ASSERT_EQ(ui.openDialogs.size(), 2u);
    EXPECT_EQ(ui.openDialogs[0].defaultExtension, "eds");
    ASSERT_EQ(ui.openDialogs[0].filters.size(), 2u);
    EXPECT_EQ(ui.openDialogs[0].filters[0].first, "EDS Files(*.eds)");
}

TEST_F(EDSDocTest, SaveFile_FirstSaveAsksThenSavesStraightToTheChosenPath) {
    EDSFileHeader& header = OpenCurrent("drive.eds");
    header.Flags |= FLAG_MODIFIED;
    const std::string original = test::ReadFile(header.PathName);
    ui.saveChoices = {folder.File("out")};

    ASSERT_TRUE(doc.SaveFile());
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0].title, "Save As Files");
    EXPECT_EQ(ui.saveDialogs[0].initialName, "drive");
    EXPECT_EQ(ui.Log(), "Save File:  Save file " + folder.File("out.eds") +
                            "\r\nSave File:  0 lines changed in " + folder.File("out.eds") +
                            "\r\n");
    EXPECT_EQ(header.SavePathName, folder.File("out.eds"));
    EXPECT_EQ(header.Flags, FLAG_SAVE_PATH_KNOWN);
    EXPECT_EQ(header.Title, "drive");
    EXPECT_EQ(doc.FrameTitle(), "drive - Halvard Corvid");
    EXPECT_EQ(test::ReadFile(header.PathName), original);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "out.eds"));

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

TEST_F(EDSDocTest, SaveFileAs_CancelChangesNothing) {
    EDSFileHeader& header = OpenCurrent("drive.eds");
    header.Flags = FLAG_MODIFIED;
    ui.saveChoices = {""};
    EXPECT_FALSE(doc.SaveFileAs());
    EXPECT_EQ(header.Flags, FLAG_MODIFIED);
    EXPECT_EQ(header.SavePathName, "");
    EXPECT_EQ(ui.Log(), "");
}

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

TEST_F(EDSDocTest, SaveAllFiles_AsksForEachUnsavedFileInListOrderAndACancelSkipsOnlyIt) {
    OpenCurrent("one.eds");
    OpenCurrent("two.eds");
    EDSFileHeader& three = OpenCurrent("three.eds");
    three.Flags = FLAG_SAVE_PATH_KNOWN;
    three.SavePathName = folder.File("three-saved.eds");
    ui.saveChoices = {"", folder.File("two-saved")};

    doc.SaveAllFiles();
    ASSERT_EQ(ui.saveDialogs.size(), 2u);
    EXPECT_EQ(ui.saveDialogs[0].initialName, "one");
    EXPECT_EQ(ui.saveDialogs[1].initialName, "two");
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 0).Flags, 0);
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 1).SavePathName, folder.File("two-saved.eds"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "three-saved.eds"));
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

TEST_F(EDSDocTest, OpenPaths_TellsTheHandlerOfEachFileAsItJoins) {
    std::vector<std::pair<EDSFileRef, size_t>> added; // with the list size at that moment
    doc.SetFileAddedHandler(
        [&](EDSFileRef file) { added.emplace_back(file, doc.FileCount(file.kind)); });
    const std::string canopen = Make("c.eds");
    doc.OpenPaths({canopen, Make("d.eds", kDeviceNetText), Make("x.txt"), Make("c2.eds"), canopen});
    const std::vector<std::pair<EDSFileRef, size_t>> expected = {
        {{EDSKind::CANopen, 0}, 1}, {{EDSKind::DeviceNet, 0}, 1}, {{EDSKind::CANopen, 1}, 2}};
    EXPECT_EQ(added, expected);
}

TEST_F(EDSDocTest, SaveAllFiles_GoesThroughCANopenThenDeviceNetThenEtherNetIP) {
    doc.OpenPaths({Make("e.eds", kEtherNetIPText), Make("d.eds", kDeviceNetText), Make("c.eds")});
    ui.saveChoices = {folder.File("c-out"), folder.File("d-out"), folder.File("e-out")};
    doc.SaveAllFiles();
    ASSERT_EQ(ui.saveDialogs.size(), 3u);
    EXPECT_EQ(ui.saveDialogs[0].initialName, "c");
    EXPECT_EQ(ui.saveDialogs[1].initialName, "d");
    EXPECT_EQ(ui.saveDialogs[2].initialName, "e");
    // Opened files keep their own layout: unchanged, they come back as read.
    for (const char* name : {"c", "d", "e"})
        EXPECT_EQ(test::ReadFile(folder.path() / (std::string(name) + "-out.eds")),
                  test::ReadFile(folder.path() / (std::string(name) + ".eds")))
            << name;
}

TEST_F(EDSDocTest, ConfirmExit_AsksAboutEveryFieldbusInOrder) {
    doc.OpenPaths({Make("e.eds", kEtherNetIPText), Make("d.eds", kDeviceNetText), Make("c.eds")});
    for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP})
        HeaderOf(kind, 0).Flags = FLAG_MODIFIED;
    ui.answers = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::Yes};
    ui.saveChoices = {folder.File("e-out")};
    EXPECT_TRUE(doc.ConfirmExit());
    ASSERT_EQ(ui.questions.size(), 3u);
    EXPECT_NE(ui.questions[0].text.find("\nc.eds"), std::string::npos);
    EXPECT_NE(ui.questions[1].text.find("\nd.eds"), std::string::npos);
    EXPECT_NE(ui.questions[2].text.find("\ne.eds"), std::string::npos);
    EXPECT_EQ(HeaderOf(EDSKind::EtherNetIP, 0).Flags, FLAG_SAVE_PATH_KNOWN);
}

class ConfirmExitTest : public EDSDocTest {
protected:
    void SetUp() override {
        for (const char* name : {"one.eds", "two.eds", "three.eds"})
            OpenCurrent(name).Flags = FLAG_MODIFIED;
        doc.SetCurrentFile(std::nullopt);
    }
};

TEST_F(ConfirmExitTest, YesSavesNoSkipsAndOnlyModifiedFilesAreAsked) {
    HeaderOf(EDSKind::CANopen, 1).Flags = 0;
    ui.answers = {MessageAnswer::Yes, MessageAnswer::No};
    ui.saveChoices = {folder.File("one-saved")};
    EXPECT_TRUE(doc.ConfirmExit());
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions[0].text, "Do you want to save changes to the file?\none.eds");
    EXPECT_EQ(ui.questions[0].caption, "Halvard Corvid");
    EXPECT_EQ(ui.questions[0].buttons, MessageButtons::YesNoAllNotCancel);
    EXPECT_EQ(ui.questions[1].text, "Do you want to save changes to the file?\nthree.eds");
    EXPECT_EQ(ui.Log(), "Save File:  Save file " + folder.File("one-saved.eds") +
                            "\r\nSave File:  0 lines changed in " + folder.File("one-saved.eds") +
                            "\r\n");
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 2).Flags, FLAG_MODIFIED);
}

TEST_F(ConfirmExitTest, AllNotStopsAskingAndCloses) {
    ui.answers = {MessageAnswer::AllNot};
    EXPECT_TRUE(doc.ConfirmExit());
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.Log(), "");
}

TEST_F(ConfirmExitTest, CancelAbortsTheExit) {
    ui.answers = {MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_FALSE(doc.ConfirmExit());
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(ConfirmExitTest, ACancelledSaveDialogKeepsTheProgramOpenAndTheEdits) {
    ui.answers = {MessageAnswer::Yes};
    ui.saveChoices = {""};
    EXPECT_FALSE(doc.ConfirmExit());
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 0).Flags, FLAG_MODIFIED);
    EXPECT_EQ(ui.Log(), "");
}

TEST_F(ConfirmExitTest, AFailedSaveKeepsTheProgramOpen) {
    ui.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    ui.saveChoices = {folder.File("missing/one.eds")};
    EXPECT_FALSE(doc.ConfirmExit());
    EXPECT_EQ(HeaderOf(EDSKind::CANopen, 0).Flags, FLAG_MODIFIED);
}

TEST(SetFrameTitle, MarksModifiedFilesWithAStar) {
    test::ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    doc.SetFrameTitle("drive", true);
    EXPECT_EQ(doc.FrameTitle(), "drive* - Halvard Corvid");
    doc.SetFrameTitle("drive", false);
    EXPECT_EQ(doc.FrameTitle(), "drive - Halvard Corvid");
}

} // namespace
} // namespace corvid
