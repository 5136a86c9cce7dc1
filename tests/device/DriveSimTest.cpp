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

const std::string kDrives = CORVID_DRIVES_DIR;

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

// The shipped drives are read by every test that starts the simulator.
TEST(ParseDriveDescription, ReadsLineSettingsAndSignedValues) {
    const DriveDescription drive = Parsed(kSmallDrive);
    EXPECT_EQ(drive.line.framing, (SerialFraming{8, kParityNone, kStopBitsTwo, true}));
    EXPECT_EQ(drive.groups[0].parameters[0].defaultValue, -20);
}

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

TEST(CDriveRegisters, ServesTheLayoutTheProgramReads) {
    const CDriveRegisters registers(Parsed(kSmallDrive));
    EXPECT_EQ(registers.Read(3, 0x2110, 3).words, (std::vector<uint16_t>{0x14FF, 2, 0}));
    EXPECT_EQ(registers.Read(3, 0x2153, 1).words, (std::vector<uint16_t>{440}));
    // Group table at (G + 1) * 256 + i: count less one, 0xFF for none.
    EXPECT_EQ(registers.Read(3, 0x0300, 2).words, (std::vector<uint16_t>{1, 0xFF}));
    EXPECT_EQ(registers.Read(3, 0x3101, 8).words[0], ('E' << 8) | 'm');
    // Type 20 serves description blocks with 0x63 only; a plain read gives values.
    const std::vector<uint16_t> block = registers.Read(0x63, 0x0000, 15).words;
    ASSERT_EQ(block.size(), 15u);
    EXPECT_EQ(block[1], 500);
    EXPECT_EQ(block[2], 0xFE0C);
    EXPECT_EQ(block[3], 128);
    EXPECT_EQ(block[5], ('O' << 8) | 'f');
    EXPECT_EQ(registers.Read(3, 0x0000, 2).words, (std::vector<uint16_t>{0xFFEC, 4}));
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

// A master on the simulator's terminal with the drive's own settings.
struct SimLink {
    test::DriveSimulator drive;
    CModbusMaster master;

    SimLink(const std::vector<std::string>& arguments, uint32_t baud, SerialFraming framing,
            uint8_t address)
        : drive(arguments) {
        master.baud = baud;
        master.SetFraming(framing);
        master.address = address;
        master.function = 3;
        master.registerAddress = 0x2110;
        master.quantity = 3;
        EXPECT_FALSE(drive.path().empty());
        EXPECT_TRUE(master.OpenPort(drive.path()));
    }
};

constexpr SerialFraming k8E1Rtu{8, kParityEven, kStopBitsOne, true};

TEST(DriveSim, AnswersItsOwnAddressAnd255InBothFramings) {
    for (const bool rtu : {true, false}) {
        const SerialFraming framing{8, kParityEven, kStopBitsOne, rtu};
        SimLink link(
            {kDrives + "/type7_rating.json", "--framing", rtu ? "8 E 1 RTU" : "8 E 1 ASCII"}, 19200,
            framing, 7);
        ASSERT_TRUE(link.master.ReadRegisters()) << rtu;
        EXPECT_EQ(AnswerWord(AnswerData(link.master.receiveBuffer), 0), 0x07FF);
        EXPECT_EQ(AnswerWord(AnswerData(link.master.receiveBuffer), 2), 0x0102);
        link.master.address = 255;
        EXPECT_TRUE(link.master.ReadRegisters()) << rtu;
    }
}

TEST(DriveSim, SilentToOtherAddressesAndOtherLineSettings) {
    SimLink link({kDrives + "/type7_rating.json", "--strict-address"}, 19200, k8E1Rtu, 8);
    EXPECT_FALSE(link.master.Probe());
    link.master.address = 255;
    EXPECT_FALSE(link.master.Probe());
    link.master.address = 7;
    EXPECT_TRUE(link.master.Probe());
    // Same bytes, but the line set to odd parity: noise to the drive.
    link.master.serialPort.Close();
    link.master.parity = kParityOdd;
    ASSERT_TRUE(link.master.OpenPort(link.drive.path()));
    EXPECT_FALSE(link.master.Probe());
}

TEST(DriveSim, DamagesTheFirstAnswersAndFailsChosenRegisters) {
    SimLink link({kDrives + "/type7_rating.json", "--damage", "1", "--silent", "0x2153:1",
                  "--exception", "0x0100"},
                 19200, k8E1Rtu, 7);
    ASSERT_TRUE(link.master.Probe());
    EXPECT_FALSE(
        CModbusFrame::CheckResponse(true, link.master.expectedLength, link.master.receiveBuffer));
    ASSERT_TRUE(link.master.Probe());
    EXPECT_TRUE(
        CModbusFrame::CheckResponse(true, link.master.expectedLength, link.master.receiveBuffer));

    link.master.registerAddress = 0x2153;
    link.master.quantity = 1;
    EXPECT_FALSE(link.master.Probe()); // silent once
    EXPECT_TRUE(link.master.ReadRegisters());
    EXPECT_EQ(AnswerWord(AnswerData(link.master.receiveBuffer), 0), 440);

    link.master.registerAddress = 0x0100;
    EXPECT_TRUE(link.master.Probe());
    EXPECT_EQ(link.master.receiveBuffer[1], 0x83);
    EXPECT_EQ(link.master.receiveBuffer[2], sim::kServerDeviceFailure);
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
