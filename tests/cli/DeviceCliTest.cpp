// corvid-cli's drive commands against corvid-drive-sim, in RTU and ASCII.

#include "CliRunner.h"
#include "DriveSimulator.h"
#include "TestFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;
using test::DriveSimulator;
using test::kDrives;

// JSON printed on stdout, after the lines of stderr that the runner mixes in.
nlohmann::json JsonOf(const CliRun& run) {
    const size_t start = run.out.find("\n{");
    return nlohmann::json::parse(run.out.substr(start == std::string::npos ? 0 : start + 1),
                                 nullptr, false);
}

class DeviceCli : public testing::TestWithParam<std::string> {
protected:
    // The type 7 drive (19200 bit/s, even parity) in the framing under test, at
    // address 2 so that the address scan waits out one time-out only.
    DriveSimulator drive{
        {kDrives + "/type7_rating.json", "--framing", GetParam(), "--address", "2"}};
    std::string Line() const {
        return "--port " + drive.path() + " --baud 19200 --framing '" + GetParam() +
               "' --address 2 ";
    }
};

TEST_P(DeviceCli, ReadRegistersPrintsOneLinePerRegister) {
    const CliRun run = Cli("read-registers " + Line() + "--register 0x2110 --quantity 3");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(run.out, "0x2110 0x07FF\n0x2111 0x0003\n0x2112 0x0102\n");
}

TEST_P(DeviceCli, IdentifyAndWalkGiveTheDrivesData) {
    const CliRun identify =
        Cli("identify " + Line() + "--fieldbus canopen --module CN-100 --device VFD-E");
    ASSERT_EQ(identify.exitCode, 0) << identify.out;
    EXPECT_EQ(nlohmann::json::parse(identify.out),
              nlohmann::json::parse(R"({"driveType": 7, "driveSubType": 255, "groupCount": 3,
                  "voltageClass": 4, "productCode": 40964, "modelName": "VFD-E",
                  "modelSuffix": " 440V", "extraIdentity": 258})"));

    const CliRun walk = Cli("walk " + Line() + "--module CN-100 --device VFD-E");
    ASSERT_EQ(walk.exitCode, 0) << walk.out;
    EXPECT_NE(walk.out.find("Progress: 0%\nProgress: 33%\nProgress: 66%\nProgress: 99%\n"
                            "Progress: 100%\n"),
              std::string::npos);
    const nlohmann::json out = JsonOf(walk);
    ASSERT_EQ(out["groups"].size(), 3u);
    EXPECT_EQ(out["groups"][2]["name"], "Protection");
    EXPECT_EQ(out["groups"][2]["parameters"].size(), 3u);
    EXPECT_EQ(out["groups"][0]["parameters"][0],
              nlohmann::json::parse(R"({"register": 0, "name": "Max Output Freq", "minimum": 5000,
                  "maximum": 60000, "default": 6000, "attribute": 512, "ignored": false})"));
}

INSTANTIATE_TEST_SUITE_P(Framings, DeviceCli, testing::Values("8 E 1 RTU", "8 E 1 ASCII"),
                         [](const auto& info) { return info.index == 0 ? "Rtu" : "Ascii"; });

// The drive answers 255 at the settings found, then its own address 1 first.
TEST(DeviceCliAutotest, ScansSettingsAndAddressOnAPortFromConfigureIni) {
    DriveSimulator drive(
        {kDrives + "/type20_signed.json", "--baud", "4800", "--framing", "7 E 1 ASCII"});
    test::TempFolder home;
    test::WriteFile(home.path() / "Configure.ini", "[SerialPorts]\nCOM2=" + drive.path() + "\n");
    ::setenv("CORVID_HOME", home.path().c_str(), 1);
    const CliRun run = Cli("autotest --port COM2 --scan-settings --scan-address");
    ::unsetenv("CORVID_HOME");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(JsonOf(run), nlohmann::json({{"port", "COM2"},
                                           {"device", drive.path()},
                                           {"bitRate", 4800},
                                           {"framing", "7 E 1 ASCII"},
                                           {"address", 1}}));
    EXPECT_NE(run.out.find("Auto Test:  Success in automatically testing serial port COM2 (" +
                           drive.path() + "): 4800, 7 E 1 ASCII, address 1"),
              std::string::npos)
        << run.out;
}

TEST(DeviceCliErrors, NoAnswerAndNoPort) {
    DriveSimulator drive({kDrives + "/type20_signed.json"});
    const CliRun silent =
        Cli("read-registers --port " + drive.path() + " --address 9 --register 0x2110");
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(silent.out, "Load File: Error occurs when reading register 0x2110.\n"
                          "Warning: WARNING: Error occurs when reading register 0x2110! [Abort]\n");
    const CliRun retried =
        Cli("identify --port " + drive.path() + " --address 9 --on-error retry --retries 1");
    EXPECT_EQ(retried.exitCode, 1);
    EXPECT_NE(retried.out.find("0x2110! [Retry]\n"), std::string::npos);
    EXPECT_NE(retried.out.find("0x2110! [Abort]\n"), std::string::npos);

    const CliRun absent = Cli("read-registers --port /dev/no-such-tty --register 1");
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_NE(absent.out.find("cannot open /dev/no-such-tty"), std::string::npos);
    EXPECT_EQ(Cli("read-registers --port COM1 --register 0x10000").exitCode, 2);
    EXPECT_EQ(Cli("read-registers --port " + drive.path() +
                  " --framing '8 N 2 ASCII' --register 0 --quantity 30")
                  .exitCode,
              2);
}

} // namespace
} // namespace corvid
