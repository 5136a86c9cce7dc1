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

TEST(CliKind, OneLinePerFile) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "d.eds", "[File]\n[Device]\n");
    test::WriteFile(folder.path() / "x.eds", "nothing");
    const CliRun run = Cli(kSample + " " + folder.File("d.eds") + " " + folder.File("x.eds"));
    const CliRun kind =
        Cli("kind " + kSample + " " + folder.File("d.eds") + " " + folder.File("x.eds"));
    EXPECT_EQ(kind.exitCode, 0);
    EXPECT_EQ(kind.out, kSample + ": CANopen\n" + folder.File("d.eds") + ": DeviceNet\n" +
                            folder.File("x.eds") + ": unknown\n");
    EXPECT_NE(run.exitCode, 0); // no command named
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

struct DumpCase {
    const char* sample;
    // JSON pointer and value; a pointer ending in "#" gives the size there.
    std::vector<std::pair<std::string, json>> fields;
};

class CliDumpSample : public testing::TestWithParam<DumpCase> {};

TEST_P(CliDumpSample, ModelFieldsUnderTheModelsOwnNames) {
    const CliRun run = Cli("dump " + kSamples + "/" + GetParam().sample);
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const json dump = json::parse(run.out);
    for (const auto& [where, expected] : GetParam().fields) {
        std::string pointer = where;
        const bool size = pointer.ends_with('#');
        if (size)
            pointer.pop_back();
        const json& found = dump.at(json::json_pointer(pointer));
        EXPECT_EQ(size ? json(found.size()) : found, expected) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CliDumpSample,
    testing::Values(
        DumpCase{"servo_drive.eds",
                 {{"/kind", "CANopen"},
                  {"/header/Title", "servo_drive"},
                  {"/FileInfo/FileVersion", 1},
                  {"/DeviceInfo/VendorNumber", 0x3A1},
                  {"/DeviceInfo/BaudRate_1000", 1},
                  {"/Objects#", 11},
                  {"/Objects/0/SubObjects", nullptr},
                  {"/Objects/4/Index", 0x1018},
                  {"/Objects/4/ObjectType", 9},
                  {"/Objects/4/SubObjects#", 4},
                  {"/Objects/4/SubObjects/1/ParameterName", "Vendor-ID"}}},
        DumpCase{"ac_drive_devicenet.eds",
                 {{"/kind", "DeviceNet"},
                  {"/header/Title", "ac_drive_devicenet"},
                  {"/FileSection/DescText", "\"Compact AC drive, 0.75 kW\""},
                  {"/DeviceSection/ProdCode", 0x31},
                  {"/IOInfoSection/PollInfo",
                   {{"Present", 1}, {"TypeMask", 5}, {"DefaultInput", 1}, {"DefaultOutput", 1}}},
                  {"/IOInfoSection/StrobeInfo/Present", 0},
                  {"/IOInfoSection/Inputs#", 2},
                  {"/IOInfoSection/Outputs/0/Path", "\"20 04 24 15 30 03\""},
                  {"/ParamClassSection/MaxInst", 5},
                  {"/Params#", 5},
                  {"/Params/0#", 24}, // every field of the parameter record
                  {"/Params/0/EnumStrings", {"\"Keypad\"", "\"Terminals\"", "\"Network\""}},
                  {"/Params/1/EnumStrings", nullptr},
                  {"/Params/3/DataType", 0xC3},
                  {"/Params/3/Group", 2},
                  {"/GroupNames", {"\"Setup\"", "\"Monitor\""}}}},
        DumpCase{"ethernetip_adapter.eds",
                 {{"/kind", "EtherNet/IP"},
                  {"/header/Title", "ethernetip_adapter"},
                  {"/DeviceSection/ProdCode", 0x114},
                  {"/DeviceClassification/0/Value", "EtherNetIP"},
                  {"/Params#", 4},
                  {"/Params/0/EnumStrings#", 3},
                  {"/GroupNames/1", "\"Status\""},
                  {"/AssemblySection/Assemblies/1/Number", 150},
                  {"/AssemblySection/Assemblies/1/MemberReferences/1", "Param4"},
                  {"/ConnectionManagerSection/Connections/0/String1", "Param2,4,Assem100"},
                  {"/ModularSection/Racks/0/LegalSlots", "0"},
                  {"/CapacitySection/TSpecs/1/ConnSize", "6"},
                  {"/EthernetLinkClassSection/InterfaceLabel2", "\"Port B\""},
                  {"/DLRClassSection/Ring_Supervisor_Capable", "0"},
                  {"/Ports/0/PathToPortObject", "\"20 F5 24 01\""}}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(CliDump, Windows1252TextsBecomeUtf8) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "w.eds",
                    "[FileInfo]\nDescription=Drive\x92s \xB5s\n[DeviceInfo]\n");
    const CliRun run = Cli("dump " + folder.File("w.eds"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(json::parse(run.out)["FileInfo"]["Description"], "Drive\xE2\x80\x99s \xC2\xB5s");
}

TEST(CliOpen, LogsEachFileInOrderThenListsTheOpenFiles) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "notes.eds", "[Notes]\nnothing here\n");
    const std::string ethernetip = kSamples + "/ethernetip_adapter.eds";
    const std::string devicenet = kSamples + "/ac_drive_devicenet.eds";
    const std::string unknown = folder.File("notes.eds");
    const CliRun run = Cli("open " + ethernetip + " " + kSample + " " + unknown + " " + devicenet +
                           " " + ethernetip);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Open File:  " + ethernetip + " is an EtherNet/IP EDS file.\n" +
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
