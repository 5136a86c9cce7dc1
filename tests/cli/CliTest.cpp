// corvid-cli end to end: commands, exit codes and output as scripts see them.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;

const std::string kSample = std::string(CORVID_SAMPLES_DIR) + "/servo_drive.eds";

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

TEST(CliResave, WritesTheWriterLayoutAndIsStable) {
    test::TempFolder folder;
    const test::ResavedTwice resaved = test::ResaveTwice(kSample, folder);
    ASSERT_TRUE(resaved.ok);
    const std::string& once = resaved.once;
    EXPECT_EQ(once, resaved.twice);
    EXPECT_EQ(once.rfind("; HALVARD ELECTRONIC, INC.\r\n", 0), 0u);
}

TEST(CliResave, UnknownKindNeedsAs) {
    test::TempFolder folder;
    // A real-world shape: a CANopen file without [FileInfo].
    test::WriteFile(folder.path() / "nofi.eds",
                    "[DeviceInfo]\nVendorName=V\n[OptionalObjects]\nSupportedObjects=1\n"
                    "1=0x2000\n[2000]\nParameterName=P\n");
    const CliRun refused = Cli("resave " + folder.File("nofi.eds") + " " + folder.File("o.eds"));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.out.find("not an EDS file of a known kind"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "o.eds"));

    EXPECT_EQ(
        Cli("resave --as canopen " + folder.File("nofi.eds") + " " + folder.File("o.eds")).exitCode,
        0);
    EXPECT_NE(test::ReadFile(folder.File("o.eds")).find("[2000]\r\nParameterName=P\r\n"),
              std::string::npos);
}

TEST(CliResave, ReportsUnreadableInputAndUnwritableOutput) {
    test::TempFolder folder;
    EXPECT_EQ(Cli("resave " + folder.File("none.eds") + " " + folder.File("o.eds")).exitCode, 1);
    const CliRun run = Cli("resave " + kSample + " " + folder.File("no/such/o.eds"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("No such file or directory"), std::string::npos);
}

TEST(CliDump, ModelFieldsAsJson) {
    const CliRun run = Cli("dump " + kSample);
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["kind"], "CANopen");
    EXPECT_EQ(json["header"]["Title"], "servo_drive");
    EXPECT_EQ(json["FileInfo"]["FileVersion"], 1);
    EXPECT_EQ(json["DeviceInfo"]["VendorNumber"], 0x3A1);
    EXPECT_EQ(json["DeviceInfo"]["BaudRate_1000"], 1);
    const auto& objects = json["Objects"];
    ASSERT_EQ(objects.size(), 11u);
    const auto& identity = objects[4];
    EXPECT_EQ(identity["Index"], 0x1018);
    EXPECT_EQ(identity["ObjectType"], 9);
    EXPECT_EQ(identity["SubObjects"].size(), 4u);
    EXPECT_EQ(identity["SubObjects"][1]["ParameterName"], "Vendor-ID");
    EXPECT_TRUE(json["Objects"][0]["SubObjects"].is_null());
}

TEST(CliDump, Windows1252TextsBecomeUtf8) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "w.eds",
                    "[FileInfo]\nDescription=Drive\x92s \xB5s\n[DeviceInfo]\n");
    const CliRun run = Cli("dump " + folder.File("w.eds"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(nlohmann::json::parse(run.out)["FileInfo"]["Description"],
              "Drive\xE2\x80\x99s \xC2\xB5s");
}

} // namespace
} // namespace corvid
