// corvid-cli on DeviceNet files: resave gives the writer's layout and is
// stable, dump prints the model under its own field names.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;

const std::string kDeviceNetSample = std::string(CORVID_SAMPLES_DIR) + "/ac_drive_devicenet.eds";

TEST(CliResaveDeviceNet, WritesTheWriterLayoutAndIsStable) {
    test::TempFolder folder;
    EXPECT_EQ(Cli("kind " + kDeviceNetSample).out, kDeviceNetSample + ": DeviceNet\n");
    const test::ResavedTwice resaved = test::ResaveTwice(kDeviceNetSample, folder);
    ASSERT_TRUE(resaved.ok);
    const std::string& once = resaved.once;
    EXPECT_EQ(once, resaved.twice);
    EXPECT_EQ(once.rfind("$ HALVARD ELECTRONIC, INC.\r\n\r\n$ Network: DeviceNet\r\n", 0), 0u);
    EXPECT_NE(once.find("[Groups]\r\n\tGroup1=  \"Setup\",           3,   1,     2,     3;\r\n"),
              std::string::npos);
}

TEST(CliResaveDeviceNet, AsDeviceNetReadsAFileDetectionDoesNotKnow) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "io.ini", "[IO_Info]\nDefault=0x0001;\n");
    const CliRun refused = Cli("resave " + folder.File("io.ini") + " " + folder.File("o.eds"));
    EXPECT_EQ(refused.exitCode, 2);
    ASSERT_EQ(
        Cli("resave --as devicenet " + folder.File("io.ini") + " " + folder.File("o.eds")).exitCode,
        0);
    EXPECT_NE(test::ReadFile(folder.File("o.eds")).find("[IO_Info]\r\n\tDefault=0x0001;\r\n"),
              std::string::npos);
}

TEST(CliDumpDeviceNet, ModelFieldsAsJson) {
    const CliRun run = Cli("dump " + kDeviceNetSample);
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["kind"], "DeviceNet");
    EXPECT_EQ(json["header"]["Title"], "ac_drive_devicenet");
    EXPECT_EQ(json["FileSection"]["DescText"], "\"Compact AC drive, 0.75 kW\"");
    EXPECT_EQ(json["DeviceSection"]["ProdCode"], 0x31);
    const auto& io = json["IOInfoSection"];
    EXPECT_EQ(io["PollInfo"],
              (nlohmann::json{
                  {"Present", 1}, {"TypeMask", 5}, {"DefaultInput", 1}, {"DefaultOutput", 1}}));
    EXPECT_EQ(io["StrobeInfo"]["Present"], 0);
    EXPECT_EQ(io["Inputs"].size(), 2u);
    EXPECT_EQ(io["Outputs"][0]["Path"], "\"20 04 24 15 30 03\"");
    EXPECT_EQ(json["ParamClassSection"]["MaxInst"], 5);
    const auto& params = json["Params"];
    ASSERT_EQ(params.size(), 5u);
    EXPECT_EQ(params[0].size(), 24u); // every field of the parameter record
    EXPECT_EQ(params[0]["EnumStrings"],
              (nlohmann::json{"\"Keypad\"", "\"Terminals\"", "\"Network\""}));
    EXPECT_TRUE(params[1]["EnumStrings"].is_null());
    EXPECT_EQ(params[3]["DataType"], 0xC3);
    EXPECT_EQ(params[3]["Group"], 2);
    EXPECT_EQ(json["GroupNames"], (nlohmann::json{"\"Setup\"", "\"Monitor\""}));
}

TEST(CliDumpDeviceNet, UnreadableFileFailsWithTheSystemsText) {
    test::TempFolder folder;
    const CliRun run = Cli("dump --as devicenet " + folder.File("none.eds"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("No such file or directory"), std::string::npos);
}

} // namespace
} // namespace corvid
