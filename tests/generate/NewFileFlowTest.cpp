// The drive-mode Load and the auto test as the dialog runs them: their log
// lines, questions, refusals and what they remember.

#include "generate/NewFileFlows.h"

#include "dictionaries/ProfileFile.h"

#include "DriveRun.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::DriveRun;

TEST(LoadFromDrive, LogsEachStepAndRemembersTheSettings) {
    test::ProgramHome home;
    DriveRun run({test::kDrives + "/type7_rating.json"});
    ASSERT_TRUE(run.Load(EDSKind::CANopen, "CN-100", "VFD-E", "19200", "8 E 1 RTU"));
    EXPECT_EQ(run.ui.Log(), "Load File:  Loading CANopen EDS file.\r\n"
                            "Load File:  Reading data from " +
                                home.File("CANopen/CN-100/VFD-E/conf.ini") +
                                "\r\n"
                                "Load File:  Reading data from VFD motor drive.\r\n"
                                "Load File:  Reading data from " +
                                home.File("ManuExtra/VFD-E.md") + "\r\n");
    EXPECT_EQ(run.ui.progress.front(), std::make_pair(0, 100));
    EXPECT_EQ(run.ui.progress.back(), std::make_pair(100, 100));
    const std::string configure = home.File("Configure.ini");
    EXPECT_EQ(ProfileString(configure, "Comport", "baudRate"), "19200");
    EXPECT_EQ(ProfileString(configure, "Comport", "protocol"), "8 E 1 RTU");
    EXPECT_EQ(ProfileString(configure, "Comport", "address"), "255");
    // A device path is no port number to remember.
    EXPECT_FALSE(ProfileValue(configure, "Comport", "comName"));
    // The port stays open with the dialog's master.
    EXPECT_TRUE(run.master.serialPort.IsOpen());

    // The template's manufacturer objects give way to the drive's.
    const std::vector<CANopenObject>& objects = run.CANopen().Objects;
    EXPECT_EQ(std::count_if(objects.begin(), objects.end(),
                            [](const CANopenObject& o) { return o.Index >= 0x2000; }),
              6);
    EXPECT_EQ(run.CANopen().Header.Title, "VFD-E 440V");
    EXPECT_EQ(run.CANopen().Header.Module, "CN-100");
}

struct AnswerCase {
    EDSKind kind;
    MessageAnswer answer;
};

class ReadFailure : public testing::TestWithParam<AnswerCase> {};

// Parameter 1 of group 1 (register 0x0101) does not answer at first. An
// abort discards the model the same way for either fieldbus.
TEST_P(ReadFailure, AbortDiscardsRetryRereadsIgnoreLeavesAnEmptyEntry) {
    const AnswerCase& c = GetParam();
    test::ProgramHome home;
    const bool retry = c.answer == MessageAnswer::Retry;
    DriveRun run({test::kDrives + "/type7_rating.json", "--silent", retry ? "0x0101:1" : "0x0101"});
    run.ui.answers = {c.answer};
    const std::string module = c.kind == EDSKind::CANopen ? "CN-100" : "DN-100";
    const bool loaded = run.Load(c.kind, module, "VFD-E", "19200", "8 E 1 RTU");
    ASSERT_EQ(run.ui.questions.size(), 1u);
    EXPECT_EQ(run.ui.questions[0].text, "WARNING: Error occurs when reading register 0x101!");
    EXPECT_EQ(run.ui.questions[0].buttons, MessageButtons::AbortRetryIgnore);
    EXPECT_NE(run.ui.Log().find("Load File: Error occurs when reading register 0x101.\r\n"),
              std::string::npos);
    const size_t files = run.doc.FileCount(c.kind);
    if (c.answer == MessageAnswer::Abort) {
        EXPECT_FALSE(loaded);
        EXPECT_EQ(files, 0u);
        return;
    }
    ASSERT_TRUE(loaded);
    ASSERT_EQ(files, 1u);
    if (c.kind == EDSKind::CANopen) {
        const CANopenObject& group =
            run.CANopen().Objects[*FindObject(run.CANopen().Objects, 0x2001).position];
        const CANopenObject& entry = group.SubObjects[2];
        EXPECT_EQ(entry.ParameterName, retry ? "Source of Run" : "");
        EXPECT_EQ(entry.ObjectType, retry ? 7 : kNoObjectType);
        EXPECT_EQ(group.SubNumber, 5);
    } else {
        const CEDSParam& param = run.DeviceNet().ParamAt(7);
        EXPECT_EQ(param.ParameterName, retry ? "\"Source of Run\"" : "");
        EXPECT_EQ(param.Minimum, retry ? "0" : "");
        EXPECT_EQ(param.LinkPath, "\"20 64 25 02 01 30 01\"");
        EXPECT_EQ(param.Group, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ReadFailure,
                         testing::Values(AnswerCase{EDSKind::CANopen, MessageAnswer::Abort},
                                         AnswerCase{EDSKind::CANopen, MessageAnswer::Retry},
                                         AnswerCase{EDSKind::CANopen, MessageAnswer::Ignore},
                                         AnswerCase{EDSKind::DeviceNet, MessageAnswer::Ignore}));

TEST(LoadFromDrive, RefusesEtherNetIPAndReportsLineFailures) {
    test::ProgramHome home;
    DriveRun run({test::kDrives + "/type7_rating.json", "--strict-address"});
    // Nothing generates an EtherNet/IP file: refused before the line opens.
    EXPECT_FALSE(run.Load(EDSKind::EtherNetIP, "EN-100", "Compact-E", "19200", "8 E 1 RTU"));
    EXPECT_EQ(run.ui.Log(), "Load File:  EtherNet/IP EDS files are not generated from a drive; "
                            "choose a model from the catalogue.\r\n");
    EXPECT_FALSE(run.master.serialPort.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(home.File("Configure.ini")));

    run.ui.messages.clear();
    run.ui.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    const DriveLine missing{1, home.File("no-such-tty"), "19200", "8 E 1 RTU", 255};
    EXPECT_FALSE(LoadFromDrive(run.doc, run.ui, run.master,
                               {EDSKind::CANopen, "CN-100", "VFD-E", ""}, missing));
    // A drive that answers only its own address (7) is silent to 9: one
    // time-out.
    const DriveLine silent{1, run.drive.path(), "19200", "8 E 1 RTU", 9};
    EXPECT_FALSE(LoadFromDrive(run.doc, run.ui, run.master,
                               {EDSKind::CANopen, "CN-100", "VFD-E", ""}, silent));
    EXPECT_EQ(run.ui.Log(), "Load File:  Failure to open serial port.\r\n"
                            "Load File:  Failure to connect with VFD motor drive.\r\n");
    ASSERT_EQ(run.ui.questions.size(), 2u);
    EXPECT_EQ(run.ui.questions[1].text, "Load File:  Failure to connect with VFD motor drive.\r\n");
    EXPECT_EQ(run.ui.questions[1].icon, MessageIcon::Warning);
    EXPECT_EQ(run.doc.FileCount(EDSKind::CANopen), 0u);
    EXPECT_FALSE(std::filesystem::exists(home.File("Configure.ini")));
}

TEST(LoadFromDrive, RefusesADeviceWithoutItsTemplate) {
    test::ProgramHome home;
    home.Remove("CANopen/CN-100/VFD-E/conf.ini");
    DriveRun run({test::kDrives + "/type7_rating.json"});
    run.ui.answers = {MessageAnswer::Ok};
    EXPECT_FALSE(run.Load(EDSKind::CANopen, "CN-100", "VFD-E", "19200", "8 E 1 RTU"));
    EXPECT_NE(run.ui.Log().find("Load File:  Cannot read " +
                                home.File("CANopen/CN-100/VFD-E/conf.ini") +
                                ": No such file or directory\r\n"),
              std::string::npos);
    EXPECT_EQ(run.ui.Log().find("Reading data from VFD motor drive"), std::string::npos);
    EXPECT_EQ(run.doc.FileCount(EDSKind::CANopen), 0u);
}

TEST(RunAutoTest, FindsTheAddressAndTellsTheDialog) {
    test::ProgramHome home;
    // Address 1 answers the first address tried: no time-outs.
    test::DriveSimulator drive(
        {test::DriveFile(
             home.path(),
             {{"driveType", 7}, {"bitRate", 19200}, {"parity", "even"}, {"stopBits", 1}}),
         "--strict-address"});
    home.Write("Configure.ini", "[Comport]\ntestModbusID=1\n");
    test::ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::Ok};
    CModbusMaster master;
    AutoTestChoice choice;
    choice.line = {1, drive.path(), "19200", "8 E 1 RTU", 0};
    choice.scanSettings = false;
    choice.scanAddress = true;
    const std::optional<AutoTestFound> found =
        RunAutoTest(master, ui, choice, [](const std::string&) {});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->address, 1);
    EXPECT_FALSE(master.serialPort.IsOpen());
    const std::string success = "Auto Test:  Success in automatically testing serial port " +
                                drive.path() + ": 19200, 8 E 1 RTU, address 1.\r\n";
    EXPECT_EQ(ui.Log(), "Auto Test:  Automatically testing serial port.\r\n" + success);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, success);
    EXPECT_EQ(ui.questions[0].icon, MessageIcon::Information);
}

TEST(RunAutoTest, StoppedSaysSoWithoutAWarningAndFailureWarns) {
    test::ProgramHome home;
    test::DriveSimulator drive({test::kDrives + "/type7_rating.json"});
    test::ScriptedUserInterface ui;
    CModbusMaster master;
    AutoTestChoice choice;
    choice.line = {1, drive.path(), "9600", "8 N 2 RTU", 255};
    // "Stop test" pressed while the first trial runs.
    EXPECT_FALSE(
        RunAutoTest(master, ui, choice, [&](const std::string&) { master.stopRequested = true; }));
    EXPECT_EQ(ui.Log(), "Auto Test:  Automatically testing serial port.\r\n"
                        "Auto Test:  Automatic test of serial port stopped.\r\n");
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_FALSE(master.stopRequested);
    EXPECT_FALSE(master.serialPort.IsOpen());

    ui.messages.clear();
    ui.answers = {MessageAnswer::Ok};
    // The drive runs at 19200: one silent trial at 9600.
    choice.line.protocol = "8 E 1 RTU";
    choice.scanSettings = false;
    EXPECT_FALSE(RunAutoTest(master, ui, choice, [](const std::string&) {}));
    EXPECT_EQ(ui.Log(), "Auto Test:  Automatically testing serial port.\r\n"
                        "Auto Test:  Failure to automatically test serial port.\r\n");
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(master.stopRequested);
}

} // namespace
} // namespace corvid
