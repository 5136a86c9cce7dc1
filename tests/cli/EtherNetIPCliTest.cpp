// corvid-cli on EtherNet/IP files and the open command, as scripts see them.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;

const std::string kSamples = CORVID_SAMPLES_DIR;
const std::string kEtherNetIP = kSamples + "/ethernetip_adapter.eds";

TEST(CliResave, EtherNetIPFileGetsTheWriterLayoutAndIsStable) {
    test::TempFolder folder;
    const test::ResavedTwice resaved = test::ResaveTwice(kEtherNetIP, folder);
    ASSERT_TRUE(resaved.ok);
    const std::string& once = resaved.once;
    EXPECT_EQ(once, resaved.twice);
    EXPECT_EQ(once.rfind("$ HALVARD ELECTRONIC, INC.\r\n\r\n$ Network: EthernetIP\r\n", 0), 0u);
    // Entries keep the numbers of their keys: connections name them so.
    EXPECT_NE(once.find("\tAssem150=\r\n"), std::string::npos);
}

TEST(CliResave, AsEtherNetIPReadsAFileDetectionTakesForAnotherKind) {
    test::TempFolder folder;
    // No object class section: detection calls it DeviceNet.
    test::WriteFile(folder.path() / "plain.eds",
                    "[File]\nRevision=1;\n[Device]\n[Capacity]\nTSpec1 = TxRx, 8, 100;\n");
    ASSERT_EQ(Cli("resave --as ethernetip " + folder.File("plain.eds") + " " + folder.File("o.eds"))
                  .exitCode,
              0);
    EXPECT_NE(test::ReadFile(folder.File("o.eds")).find("\tTSpec1= TxRx, 8, 100;\r\n"),
              std::string::npos);
}

TEST(CliDump, EtherNetIPModelUsesTheModelFieldNames) {
    const CliRun run = Cli("dump " + kEtherNetIP);
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["kind"], "EtherNet/IP");
    EXPECT_EQ(json["header"]["Title"], "ethernetip_adapter");
    EXPECT_EQ(json["DeviceSection"]["ProdCode"], 0x114);
    EXPECT_EQ(json["DeviceClassification"][0]["Value"], "EtherNetIP");
    EXPECT_EQ(json["Params"].size(), 4u);
    EXPECT_EQ(json["Params"][0]["EnumStrings"].size(), 3u);
    EXPECT_EQ(json["GroupNames"][1], "\"Status\"");
    const auto& assembly = json["AssemblySection"]["Assemblies"][1];
    EXPECT_EQ(assembly["Number"], 150);
    EXPECT_EQ(assembly["MemberReferences"][1], "Param4");
    EXPECT_EQ(json["ConnectionManagerSection"]["Connections"][0]["String1"], "Param2,4,Assem100");
    EXPECT_EQ(json["ModularSection"]["Racks"][0]["LegalSlots"], "0");
    EXPECT_EQ(json["CapacitySection"]["TSpecs"][1]["ConnSize"], "6");
    EXPECT_EQ(json["EthernetLinkClassSection"]["InterfaceLabel2"], "\"Port B\"");
    EXPECT_EQ(json["DLRClassSection"]["Ring_Supervisor_Capable"], "0");
    EXPECT_EQ(json["Ports"][0]["PathToPortObject"], "\"20 F5 24 01\"");
}

TEST(CliDump, KeptLinesUnderKeptPerSection) {
    test::TempFolder folder;
    test::WriteFile(
        folder.path() / "kept.eds",
        "\xEF\xBB\xBF[File]\r\n  Revision = 1;\r\n  Vendor_Key = \"a\";  $ why\r\n"
        "[1_ALARM]\r\n  _Thing = 1,\r\n    2;\r\n\r\n[Capacity]\r\nTSpec1 = TxRx, 8, 100;\r\n");
    const CliRun run = Cli("dump --as ethernetip " + folder.File("kept.eds"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto kept = nlohmann::json::parse(run.out)["Kept"];
    EXPECT_EQ(kept["ByteOrderMark"], true);
    EXPECT_EQ(kept["Entries"], (nlohmann::json{{"File", {"  Vendor_Key = \"a\";  $ why"}}}));
    EXPECT_EQ(kept["Sections"],
              (nlohmann::json::array({{{"After", "File"},
                                       {"Header", "[1_ALARM]"},
                                       {"Lines", {"  _Thing = 1,", "    2;"}}}})));
}

TEST(CliOpen, LogsEachFileInOrderThenListsTheOpenFiles) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "notes.eds", "[Notes]\nnothing here\n");
    const std::string canopen = kSamples + "/servo_drive.eds";
    const std::string devicenet = kSamples + "/ac_drive_devicenet.eds";
    const std::string unknown = folder.File("notes.eds");
    const CliRun run = Cli("open " + kEtherNetIP + " " + canopen + " " + unknown + " " + devicenet +
                           " " + kEtherNetIP);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Open File:  " + kEtherNetIP + " is an EtherNet/IP EDS file.\n" +
                           "Open File:  " + canopen + " is a CANopen EDS file.\n" +
                           "Open File:  " + devicenet + " is a DeviceNet EDS file.\n" +
                           "Open File:  " + kEtherNetIP + " is an EtherNet/IP EDS file.\n" +
                           "Open File:  " + kEtherNetIP + "  has already opened.\n" +
                           "CANopen 0 servo_drive\n" + "DeviceNet 0 ac_drive_devicenet\n" +
                           "EtherNet/IP 0 ethernetip_adapter\n");
    EXPECT_NE(Cli("open").exitCode, 0); // a file is required
}

} // namespace
} // namespace corvid
