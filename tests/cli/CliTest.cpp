// corvid-cli end to end: commands, exit codes and output as scripts see them,
// for files of every kind.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace corvid {
namespace {

using nlohmann::json;
using test::Cli;
using test::CliRun;

const std::string kSamples = CORVID_SAMPLES_DIR;
const std::string kSample = kSamples + "/servo_drive.eds";

TEST(CliKind, OneLinePerFileWithTheReasonForUnreadableOnes) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "d.eds", "[File]\n[Device]\n");
    test::WriteFile(folder.path() / "x.eds", "nothing");
    std::filesystem::create_directory(folder.path() / "dir.eds");
    const std::string known = kSample + " " + folder.File("d.eds") + " " + folder.File("x.eds");
    const std::string listed = kSample + ": CANopen\n" + folder.File("d.eds") + ": DeviceNet\n" +
                               folder.File("x.eds") + ": unknown\n";
    EXPECT_EQ(Cli("kind " + known).exitCode, 0);
    const CliRun kind =
        Cli("kind " + known + " " + folder.File("none.eds") + " " + folder.File("dir.eds"));
    EXPECT_EQ(kind.exitCode, 1);
    EXPECT_EQ(kind.out, listed + folder.File("none.eds") +
                            ": unreadable: No such file or directory\n" + folder.File("dir.eds") +
                            ": unreadable: Is a directory\n");
    EXPECT_NE(Cli(known).exitCode, 0); // no command named
}

struct ResaveCase {
    const char* sample;
    const char* start; // the header comment of the writer's layout
    const char* holds; // a line of the writer's own form
};

class CliResaveSample : public testing::TestWithParam<ResaveCase> {};

TEST_P(CliResaveSample, WritesTheWriterLayoutAndIsStable) {
    test::TempFolder folder;
    const test::ResavedTwice resaved =
        test::ResaveTwice(kSamples + "/" + GetParam().sample, folder);
    ASSERT_TRUE(resaved.ok);
    EXPECT_EQ(resaved.once, resaved.twice);
    EXPECT_EQ(resaved.once.rfind(GetParam().start, 0), 0u);
    EXPECT_NE(resaved.once.find(GetParam().holds), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CliResaveSample,
    testing::Values(ResaveCase{"servo_drive.eds", "; HALVARD ELECTRONIC, INC.\r\n", "\r\n"},
                    ResaveCase{
                        "ac_drive_devicenet.eds",
                        "$ HALVARD ELECTRONIC, INC.\r\n\r\n$ Network: DeviceNet\r\n",
                        "[Groups]\r\n\tGroup1=  \"Setup\",           3,   1,     2,     3;\r\n"},
                    // Entries keep the numbers of their keys: connections name them so.
                    ResaveCase{"ethernetip_adapter.eds",
                               "$ HALVARD ELECTRONIC, INC.\r\n\r\n$ Network: EthernetIP\r\n",
                               "\tAssem150=\r\n"}));

struct AsCase {
    const char* kind;
    const char* text;
    const char* holds;
    int exitWithoutAs; // 2: detection knows no kind; 0: it takes another
};

class CliResaveAs : public testing::TestWithParam<AsCase> {};

TEST_P(CliResaveAs, ReadsAFileDetectionDoesNotTakeForTheKind) {
    const AsCase& c = GetParam();
    test::TempFolder folder;
    const std::string in = folder.File("in.eds");
    const std::string out = folder.File("o.eds");
    test::WriteFile(in, c.text);
    const CliRun refused = Cli("resave " + in + " " + out);
    EXPECT_EQ(refused.exitCode, c.exitWithoutAs);
    if (c.exitWithoutAs == 2) {
        EXPECT_NE(refused.out.find("not an EDS file of a known kind"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    ASSERT_EQ(Cli("resave --as " + std::string(c.kind) + " " + in + " " + out).exitCode, 0);
    EXPECT_NE(test::ReadFile(out).find(c.holds), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CliResaveAs,
    testing::Values(
        // A real-world shape: a CANopen file without [FileInfo].
        AsCase{"canopen",
               "[DeviceInfo]\nVendorName=V\n[OptionalObjects]\nSupportedObjects=1\n"
               "1=0x2000\n[2000]\nParameterName=P\n",
               "[2000]\r\nParameterName=P\r\n", 2},
        AsCase{"devicenet", "[IO_Info]\nDefault=0x0001;\n", "[IO_Info]\r\n\tDefault=0x0001;\r\n",
               2},
        // No object class section: detection calls it DeviceNet.
        AsCase{"ethernetip", "[File]\nRevision=1;\n[Device]\n[Capacity]\nTSpec1 = TxRx, 8, 100;\n",
               "\tTSpec1= TxRx, 8, 100;\r\n", 0}),
    [](const auto& info) { return std::string(info.param.kind); });

TEST(CliResave, ReportsUnreadableInputAndUnwritableOutput) {
    test::TempFolder folder;
    EXPECT_EQ(Cli("resave " + folder.File("none.eds") + " " + folder.File("o.eds")).exitCode, 1);
    const CliRun run = Cli("resave " + kSample + " " + folder.File("no/such/o.eds"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("No such file or directory"), std::string::npos);
}

class CliDumpSample : public testing::TestWithParam<std::string> {};

// Every model field under the model's own name, compared whole with
// tests/data/dump; the header's path is where the sample lies.
TEST_P(CliDumpSample, ModelFieldsUnderTheModelsOwnNames) {
    const CliRun run = Cli("dump " + kSamples + "/" + GetParam() + ".eds");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    json dump = json::parse(run.out);
    EXPECT_EQ(dump["header"]["PathName"], kSamples + "/" + GetParam() + ".eds");
    dump["header"].erase("PathName");
    EXPECT_EQ(dump, json::parse(test::ReadFile(std::string(CORVID_TEST_DATA_DIR) + "/dump/" +
                                               GetParam() + ".json")));
}

INSTANTIATE_TEST_SUITE_P(Kinds, CliDumpSample,
                         testing::Values("servo_drive", "ac_drive_devicenet",
                                         "ethernetip_adapter"));

TEST(CliDump, Windows1252TextsBecomeUtf8) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "w.eds",
                    "[FileInfo]\nDescription=Drive\x92s \xB5s\n[DeviceInfo]\n");
    const CliRun run = Cli("dump " + folder.File("w.eds"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(json::parse(run.out)["FileInfo"]["Description"], "Drive\xE2\x80\x99s \xC2\xB5s");
}

// A dump cut short by a full disk is no dump: scripts must see it failed.
TEST(CliDump, AnOutputThatCannotBeWrittenFails) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(Cli("dump " + kSample + " >/dev/full").exitCode, 1);
}

TEST(CliOpen, LogsEachFileInOrderThenListsTheOpenFiles) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "notes.eds", "[Notes]\nnothing here\n");
    const std::string ethernetip = kSamples + "/ethernetip_adapter.eds";
    const std::string devicenet = kSamples + "/ac_drive_devicenet.eds";
    const std::string unknown = folder.File("notes.eds");
    const std::string none = folder.File("none.eds");
    const CliRun run = Cli("open " + none + " " + ethernetip + " " + kSample + " " + unknown + " " +
                           devicenet + " " + ethernetip);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Open File:  " + none + ": unreadable: No such file or directory\n" +
                           "Open File:  " + ethernetip + " is an EtherNet/IP EDS file.\n" +
                           "Open File:  " + kSample + " is a CANopen EDS file.\n" +
                           "Open File:  " + devicenet + " is a DeviceNet EDS file.\n" +
                           "Open File:  " + ethernetip + " is an EtherNet/IP EDS file.\n" +
                           "Open File:  " + ethernetip + "  has already opened.\n" +
                           "CANopen 0 servo_drive\n" + "DeviceNet 0 ac_drive_devicenet\n" +
                           "EtherNet/IP 0 ethernetip_adapter\n");
    EXPECT_NE(Cli("open").exitCode, 0); // a file is required
}

} // namespace
} // namespace corvid
