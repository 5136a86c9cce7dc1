// The simulated drive: its description files, the registers it serves, and
// the program on a pseudo-terminal with the trouble it is asked to make.

#include "DriveDescription.h"
#include "DriveRegisters.h"

#include "device/DriveParameter.h"
#include "device/ModbusMaster.h"

#include "DriveSimulator.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvid {
namespace {

using sim::CDriveRegisters;
using sim::DriveDescription;
using sim::ParseDriveDescription;
using test::kDrives;

DriveDescription Parsed(const std::string& text) {
    DriveDescription drive;
    std::string error;
    EXPECT_TRUE(ParseDriveDescription(text, drive, error)) << error;
    return drive;
}

const std::string kSmallDrive = R"({
  "address": 3, "bitRate": 9600, "dataBits": 8, "parity": "none", "stopBits": 2,
  "driveType": 20, "driveSubType": 255, "rating": 440,
  "groups": [
    {"name": "Motor", "parameters": [
      {"name": "Offset", "minimum": -500, "maximum": 500, "default": -20, "attribute": 128},
      {"name": "Poles", "minimum": 2, "maximum": 20, "default": 4}]},
    {"name": "Empty", "parameters": []}]
})";

// The shipped drives are read, and the registers they serve read back, by
// every test that starts the simulator: DriveReadingTest compares the
// identity and the walked blocks, signed values included, DeviceCliTest the
// registers by address in both framings.
TEST(ParseDriveDescription, NamesTheMemberAtFault) {
    const auto error = [](const std::string& text) {
        DriveDescription drive;
        std::string message;
        EXPECT_FALSE(ParseDriveDescription(text, drive, message));
        return message;
    };
    const std::string line = R"("address": 1, "bitRate": 9600, "dataBits": 8, "stopBits": 2, )";
    EXPECT_EQ(error("{"), "not valid JSON");
    EXPECT_EQ(error(R"({"bitRate": 9600, "groups": []})"), "drive: \"address\" is missing");
    EXPECT_EQ(error("{" + line + R"("driveType": 2, "parity": "mark", "groups": []})"),
              "parity: not one of \"none\", \"odd\", \"even\"");
    EXPECT_EQ(error("{" + line +
                    R"("driveType": 2, "groups": [{"name": "A", "parameters": [{"name":
                    "seventeen letters", "minimum": 0, "maximum": 1, "default": 0}]}]})"),
              "groups[0].parameters[0].name: longer than 16 bytes");
    EXPECT_EQ(error("{" + line +
                    R"("driveType": 2, "groups": [{"name": "A", "parameters": [{"name": "B",
                    "minimum": 0, "maximum": 70000, "default": 0}]}]})"),
              "groups[0].parameters[0].maximum: 70000 is outside -32768 to 65535");
}

TEST(CDriveRegisters, AnswersExceptionsForWhatItDoesNotServe) {
    const CDriveRegisters registers(Parsed(kSmallDrive));
    EXPECT_EQ(registers.Read(6, 0x2110, 1).exception, sim::kIllegalFunction);
    EXPECT_EQ(registers.Read(3, 0x2113, 1).exception, sim::kIllegalDataAddress);
    EXPECT_EQ(registers.Read(3, 0x2112, 2).exception, sim::kIllegalDataAddress);
    EXPECT_EQ(registers.Read(0x63, 0x0002, 15).exception, sim::kIllegalDataAddress);
    EXPECT_EQ(registers.Read(0x63, 0x0000, 16).exception, sim::kIllegalDataAddress);
    EXPECT_EQ(registers.Read(3, 0x2110, 0).exception, sim::kIllegalDataValue);
    EXPECT_EQ(registers.Read(3, 0x2110, 126).exception, sim::kIllegalDataValue);

    DriveDescription type7 = Parsed(kSmallDrive);
    type7.driveType = 7;
    const CDriveRegisters plain(type7);
    EXPECT_EQ(plain.Read(0x63, 0x0000, 15).exception, sim::kIllegalFunction);
    EXPECT_EQ(plain.Read(3, 0x0000, 15).words.size(), 15u);
}

TEST(DriveSim, DamagesTheFirstAnswersAndFailsChosenRegisters) {
    test::DriveSimulator drive({kDrives + "/type7_rating.json", "--damage", "1", "--silent",
                                "0x2153:1", "--exception", "0x0100"});
    CModbusMaster master;
    master.baud = 19200;
    master.SetFraming({8, kParityEven, kStopBitsOne, true});
    master.address = 7;
    master.quantity = 3;
    ASSERT_TRUE(master.OpenPort(drive.path()));
    ASSERT_TRUE(master.Probe());
    EXPECT_FALSE(CModbusFrame::CheckResponse(true, master.expectedLength, master.receiveBuffer));
    ASSERT_TRUE(master.Probe());
    EXPECT_TRUE(CModbusFrame::CheckResponse(true, master.expectedLength, master.receiveBuffer));

    master.registerAddress = 0x2153;
    master.quantity = 1;
    EXPECT_FALSE(master.Probe()); // silent once
    EXPECT_TRUE(master.ReadRegisters());
    EXPECT_EQ(AnswerWord(AnswerData(master.receiveBuffer), 0), 440);

    master.registerAddress = 0x0100;
    EXPECT_TRUE(master.Probe());
    EXPECT_EQ(master.receiveBuffer[1], 0x83);
    EXPECT_EQ(master.receiveBuffer[2], sim::kServerDeviceFailure);
}

TEST(DriveSim, LinkLivesAsLongAsTheSimulator) {
    test::TempFolder folder;
    const std::string link = folder.File("drive");
    test::DriveSimulator drive({kDrives + "/type20_signed.json", "--link", link});
    ASSERT_FALSE(drive.path().empty());
    EXPECT_EQ(std::filesystem::read_symlink(link), drive.path());
    EXPECT_EQ(drive.Stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

TEST(DriveSim, RefusesABrokenDescription) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "bad.json", R"({"address": 0})");
    test::DriveSimulator drive({folder.File("bad.json")});
    EXPECT_TRUE(drive.path().empty());
    EXPECT_EQ(drive.Stop(), 1);
}

} // namespace
} // namespace corvid
