// Identification, the group walk and the auto test against the simulated
// drive, with the user's answers scripted.

#include "device/DriveReading.h"
#include "device/AutoTest.h"

#include "DriveSimulator.h"
#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

namespace corvid {
namespace {

using nlohmann::json;
using test::kDrives;
using test::ScriptedUserInterface;

// A program folder of its own for each test: DeviceName.ini, GroupName.ini,
// a module's conf.ini, Configure.ini.
class ProgramFolder {
public:
    ProgramFolder() {
        ::setenv("CORVID_HOME", folder_.path().c_str(), 1);
        test::WriteFile(folder_.path() / "DeviceName.ini",
                        "[VFD Type]\n02=VFD-B\n07=VFD-E\n1F=VFD-CP\n01=VFD-A\n"
                        "[VFD-B]\n5=3.7kW 460V\n[Tarnwick]\n5=generic\n6=from Tarnwick\n");
        test::WriteFile(folder_.path() / "GroupName.ini", "[VFD-A]\n0=Basics\n1=Inputs\n");
    }
    ~ProgramFolder() { ::unsetenv("CORVID_HOME"); }

    // conf.ini of module "M" with one device "D".
    CatalogueDevice Catalogue(DriveProtocol protocol, int change, int productCode) const {
        const std::string folder = protocol == DriveProtocol::CANopen ? "CANopen" : "DeviceNet";
        std::filesystem::create_directories(folder_.path() / folder / "M");
        test::WriteFile(folder_.path() / folder / "M" / "conf.ini",
                        "[D]\nNeedCom=1\nChangeProductCode=" + std::to_string(change) +
                            "\nProductCode=" + std::to_string(productCode) + "\n");
        return CatalogueDeviceFor(protocol, "M", "D");
    }

    // A drive file rated 100 with `groups`.
    std::string Drive(json fields, const json& groups = json::array()) const {
        fields.emplace("rating", 100);
        fields["groups"] = groups;
        return test::DriveFile(folder_.path(), fields);
    }

    std::string File(const std::string& name) const { return folder_.File(name); }

private:
    test::TempFolder folder_;
};

// The simulator and a master connected to it at 9600 8 N 2 RTU, address 1.
struct Connected {
    test::DriveSimulator drive;
    CModbusMaster master;

    ScriptedUserInterface ui;

    explicit Connected(std::vector<std::string> arguments) : drive(std::move(arguments)) {
        master.address = 1;
        EXPECT_TRUE(master.OpenPort(drive.path())) << drive.path();
    }
    // Identified as a CANopen drive, ready for the walk.
    bool Identify(const ProgramFolder& home) {
        return IdentifyDrive(master, ui, DriveProtocol::CANopen,
                             home.Catalogue(DriveProtocol::CANopen, 0, 0));
    }
};

json Groups(std::initializer_list<json> groups) {
    return json(groups);
}

using test::Parameter;

struct ProductCase {
    DriveProtocol protocol;
    int driveType;
    int driveSubType;
    int change;
    int productCode;
    uint16_t expected;
    uint8_t voltageClass;
};

class IdentifyDriveProduct : public testing::TestWithParam<ProductCase> {};

TEST_P(IdentifyDriveProduct, FollowsTheRatingTableAndConfIni) {
    const ProductCase& c = GetParam();
    ProgramFolder home;
    Connected link({home.Drive({{"driveType", c.driveType},
                                {"driveSubType", c.driveSubType},
                                {"extraIdentity", 0x0102},
                                {"rating", 575}},
                               Groups({{{"name", "A"}}, {{"name", "B"}}}))});
    ASSERT_TRUE(IdentifyDrive(link.master, link.ui, c.protocol,
                              home.Catalogue(c.protocol, c.change, c.productCode)));
    EXPECT_EQ(link.master.productCode, c.expected);
    EXPECT_EQ(link.master.voltageClass, c.voltageClass);
    EXPECT_EQ(link.master.groupCount, 2);
    // The third identity word is read for CANopen, and kept for type 7 only.
    const bool extra = c.protocol == DriveProtocol::CANopen && c.driveType == 7;
    EXPECT_EQ(link.master.extraIdentity, extra ? 0x0102 : 0);
    EXPECT_TRUE(link.ui.messages.empty());
}

constexpr auto kCANopen = DriveProtocol::CANopen;
constexpr auto kDeviceNet = DriveProtocol::DeviceNet;

INSTANTIATE_TEST_SUITE_P(Rules, IdentifyDriveProduct,
                         testing::Values(
                             // Rated types without a sub-type: base + voltage class (575 -> 5).
                             ProductCase{kCANopen, 7, 0xFF, 0, 99, 0xA005, 5},
                             ProductCase{kDeviceNet, 7, 0xFF, 0, 99, 0xA005, 5},
                             ProductCase{kCANopen, 27, 0xFF, 0, 99, 0xA065, 5},
                             ProductCase{kDeviceNet, 27, 0xFF, 0, 99, 0xA065, 5},
                             ProductCase{kCANopen, 31, 0xFF, 0, 99, 0xA0B5, 5},
                             // DeviceNet does not rate type 31: conf.ini decides.
                             ProductCase{kDeviceNet, 31, 0xFF, 0, 99, 99, 0},
                             // A sub-type means no rating read.
                             ProductCase{kCANopen, 7, 3, 0, 1234, 1234, 0},
                             ProductCase{kCANopen, 2, 5, 1, 16, 0x1205, 0},
                             ProductCase{kDeviceNet, 2, 5, 1, 16, 0x1200, 0},
                             ProductCase{kCANopen, 2, 5, 1, 0x30, 0x3005, 0},
                             ProductCase{kDeviceNet, 2, 5, 1, 0x30, 0x3200, 0}));

TEST(IdentifyDrive, ModelNamesFromDeviceNameIni) {
    ProgramFolder home;
    CModbusMaster master;
    master.driveType = 2;
    master.driveSubType = 5;
    ReadModelNames(master, home.File("DeviceName.ini"));
    EXPECT_EQ(master.modelName, "VFD-B");
    EXPECT_EQ(master.modelSuffix, "3.7kW 460V");
    master.driveSubType = 6; // not in the model's section: the Tarnwick section
    ReadModelNames(master, home.File("DeviceName.ini"));
    EXPECT_EQ(master.modelSuffix, "from Tarnwick");

    master.driveType = 0x1F;
    master.driveSubType = 0xFF;
    for (const auto& [voltageClass, suffix] : std::vector<std::pair<uint8_t, std::string>>{
             {0, ""}, {1, " 110V One-Phase"}, {4, " 440V"}, {7, " DC Input"}, {8, ""}}) {
        master.voltageClass = voltageClass;
        ReadModelNames(master, home.File("DeviceName.ini"));
        EXPECT_EQ(master.modelName, "VFD-CP");
        EXPECT_EQ(master.modelSuffix, suffix);
    }
}

TEST(IdentifyDrive, IgnoredIdentityIsAnUnknownDriveWithoutGroups) {
    ProgramFolder home;
    Connected link({home.Drive({{"driveType", 7}, {"rating", 440}}), "--silent", "0x2110"});
    link.ui.answers = {MessageAnswer::Ignore};
    ASSERT_TRUE(IdentifyDrive(link.master, link.ui, kCANopen, home.Catalogue(kCANopen, 0, 321)));
    EXPECT_EQ(link.master.driveType, 0xFF);
    EXPECT_EQ(link.master.driveSubType, 0xFF);
    EXPECT_EQ(link.master.groupCount, 0);
    EXPECT_EQ(link.master.productCode, 321);
    EXPECT_EQ(link.ui.Log(), "Load File: Error occurs when reading register 0x2110.\r\n");
    ASSERT_EQ(link.ui.questions.size(), 1u);
    EXPECT_EQ(link.ui.questions[0].text, "WARNING: Error occurs when reading register 0x2110!");
    EXPECT_EQ(link.ui.questions[0].buttons, MessageButtons::AbortRetryIgnore);
    EXPECT_EQ(link.ui.questions[0].icon, MessageIcon::Information);
}

TEST(IdentifyDrive, IgnoredRatingCountsAsClassZero) {
    ProgramFolder home;
    // The rating read gets an exception answer, which must not pass for a rating.
    Connected link({home.Drive({{"driveType", 20}, {"rating", 440}}), "--exception", "0x2153"});
    link.ui.answers = {MessageAnswer::Ignore};
    ASSERT_TRUE(IdentifyDrive(link.master, link.ui, kCANopen, home.Catalogue(kCANopen, 0, 0)));
    EXPECT_EQ(link.master.voltageClass, 0);
    EXPECT_EQ(link.master.productCode, 0xA010);
    EXPECT_EQ(link.ui.Log(), "Load File: Error occurs when reading register 0x2153.\r\n");
}

TEST(IdentifyDrive, AbortAndASilentDeviceNetDriveFail) {
    ProgramFolder home;
    Connected link({home.Drive({{"driveType", 7}}), "--silent", "0x2110"});
    link.ui.answers = {MessageAnswer::Abort};
    EXPECT_FALSE(IdentifyDrive(link.master, link.ui, kCANopen, home.Catalogue(kCANopen, 0, 0)));
    EXPECT_EQ(link.ui.questions.size(), 1u);

    // DeviceNet asks once without a prompt, and only warns.
    ScriptedUserInterface warned;
    warned.answers = {MessageAnswer::Ok};
    link.master.registerAddress = 0x2110;
    EXPECT_FALSE(IdentifyDrive(link.master, warned, kDeviceNet, home.Catalogue(kDeviceNet, 0, 0)));
    EXPECT_EQ(warned.Log(), "Load File: Error occurs when reading register 0x2110.\r\n");
    ASSERT_EQ(warned.questions.size(), 1u);
    EXPECT_EQ(warned.questions[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(warned.questions[0].icon, MessageIcon::Warning);
}

// Records the walk as text lines.
class RecordingBuilder : public IDriveGroupBuilder {
public:
    std::vector<std::string> lines;
    std::vector<DriveParameter> parameters;

    void BeginGroup(uint8_t group, const std::string& name, bool nameIgnored) override {
        lines.push_back("begin " + std::to_string(group) + " " + name +
                        (nameIgnored ? " (ignored)" : ""));
    }
    void AddParameter(const DriveParameter& parameter) override {
        parameters.push_back(parameter);
        lines.push_back("parameter " + std::to_string(parameter.registerAddress) + " " +
                        parameter.name + (parameter.ignored ? " (ignored)" : ""));
    }
    void EndGroup(uint8_t group) override { lines.push_back("end " + std::to_string(group)); }
};

TEST(WalkGroups, ReadsSignedBlocksWithFunction63AndEmptyGroups) {
    ProgramFolder home;
    Connected link({kDrives + "/type20_signed.json"});
    ASSERT_TRUE(link.Identify(home));
    RecordingBuilder builder;
    ASSERT_TRUE(WalkGroups(link.master, link.ui, builder));
    EXPECT_EQ(builder.lines,
              (std::vector<std::string>{
                  "begin 0 System", "parameter 0 Identity Code", "parameter 1 Rated Current",
                  "parameter 2 Param Reset", "end 0", "begin 1 Speed Control",
                  "parameter 256 Freq Offset", "parameter 257 Torque Limit",
                  "parameter 258 Slip Comp Gain", "parameter 259 Trim Bias", "end 1",
                  "begin 2 Analog Inputs", "parameter 512 AVI Bias", "parameter 513 AVI Gain",
                  "parameter 514 ACI Low Limit", "end 2", "begin 3 Spare", "end 3"}));
    const DriveParameter& slip = builder.parameters[5];
    EXPECT_EQ(slip.minimum, -1000);
    EXPECT_EQ(slip.maximum, 1000);
    EXPECT_EQ(slip.defaultValue, -50);
    EXPECT_EQ(slip.attribute, 640);
    EXPECT_EQ(link.ui.progress,
              (std::vector<std::pair<int, int>>{
                  {0, 100}, {25, 100}, {50, 100}, {75, 100}, {100, 100}, {100, 100}}));
    EXPECT_EQ(link.ui.pumps, 10);
}

TEST(WalkGroups, NamesOfTypes0And1AndNoGroups) {
    ProgramFolder home;
    const json groups = Groups(
        {{{"name", "unused"}, {"parameters", {Parameter("P", 0, 9, 1)}}}, {{"name", "unused"}}});
    for (const auto& [type, first, second] : std::vector<std::tuple<int, std::string, std::string>>{
             {0, "User_Parameters", "User_Parameters"}, {1, "Basics", "Inputs"}}) {
        Connected link({home.Drive({{"driveType", type}, {"driveSubType", 0xFF}}, groups)});
        ASSERT_TRUE(link.Identify(home));
        RecordingBuilder builder;
        ASSERT_TRUE(WalkGroups(link.master, link.ui, builder));
        EXPECT_EQ(builder.lines, (std::vector<std::string>{"begin 0 " + first, "parameter 0 P",
                                                           "end 0", "begin 1 " + second, "end 1"}));
    }
    Connected none({home.Drive({{"driveType", 20}})});
    ASSERT_TRUE(none.Identify(home));
    RecordingBuilder builder;
    ASSERT_TRUE(WalkGroups(none.master, none.ui, builder));
    EXPECT_TRUE(builder.lines.empty());
    EXPECT_EQ(none.ui.progress, (std::vector<std::pair<int, int>>{{0, 100}, {100, 100}}));
}

// Two groups of two parameters, type 7 (blocks read with function 3).
json TwoGroups() {
    return Groups({{{"name", "First"},
                    {"parameters", {Parameter("A", 0, 10, 1), Parameter("B\"x\x01", 0, 10, 2)}}},
                   {{"name", "Second"},
                    {"parameters", {Parameter("C", 0, 10, 3), Parameter("D", 0, 10, 4)}}}});
}

TEST(WalkGroups, RetryReadsAgainAndIgnoreGoesOnWithTheFallback) {
    ProgramFolder home;
    // Block 0x0001 fails once; the name of group 1 and block 0x0100 always.
    Connected link({home.Drive({{"driveType", 20}}, TwoGroups()), "--silent", "0x0001:1",
                    "--silent", "0x3101", "--silent", "0x0100"});
    ASSERT_TRUE(link.Identify(home));
    link.ui.answers = {MessageAnswer::Retry, MessageAnswer::Ignore, MessageAnswer::Ignore};
    RecordingBuilder builder;
    ASSERT_TRUE(WalkGroups(link.master, link.ui, builder));
    EXPECT_EQ(builder.lines,
              (std::vector<std::string>{"begin 0 First", "parameter 0 A", "parameter 1 B'x",
                                        "end 0", "begin 1  (ignored)", "parameter 256  (ignored)",
                                        "parameter 257 D", "end 1"}));
    EXPECT_EQ(builder.parameters[1].defaultValue, 2);
    EXPECT_EQ(link.ui.Log(), "Load File: Error occurs when reading register 0x1.\r\n"
                             "Load File: Error occurs when reading register 0x3101.\r\n"
                             "Load File: Error occurs when reading register 0x100.\r\n");
    EXPECT_TRUE(link.ui.answers.empty());
}

TEST(WalkGroups, AbortStopsTheWalkAndAnIgnoredTableEmptiesTheGroup) {
    ProgramFolder home;
    Connected link(
        {home.Drive({{"driveType", 7}}, TwoGroups()), "--silent", "0x0300", "--silent", "0x0101"});
    ASSERT_TRUE(link.Identify(home));
    link.ui.answers = {MessageAnswer::Ignore, MessageAnswer::Abort};
    RecordingBuilder builder;
    EXPECT_FALSE(WalkGroups(link.master, link.ui, builder));
    EXPECT_EQ(builder.lines, (std::vector<std::string>{"begin 0 First", "end 0", "begin 1 Second",
                                                       "parameter 256 C"}));
}

// Each silent trial waits out the time-out: the drive is placed so that ten
// of them show the order of framings, then bit rates, then addresses.
TEST(AutoTest, FindsTheDriveWithEveryScan) {
    ProgramFolder home;
    test::DriveSimulator drive({kDrives + "/type7_rating.json", "--baud", "9600", "--framing",
                                "8 E 1 RTU", "--address", "2"});
    ASSERT_FALSE(drive.path().empty());
    test::WriteFile(home.File("Configure.ini"), "[SerialPorts]\nCOM1=" + drive.path() + "\n");
    CModbusMaster master;
    master.port = 5;
    ScriptedUserInterface ui;
    std::vector<std::string> states;
    ASSERT_TRUE(AutoTest(master, ui, {true, true, true, {}},
                         [&states](const std::string& state) { states.push_back(state); }));
    EXPECT_EQ(master.port, 1);
    EXPECT_EQ(master.LineSettings(),
              (SerialLineSettings{9600, kParityEven, 8, kStopBitsOne, kFlowNone}));
    EXPECT_TRUE(master.rtu);
    EXPECT_EQ(master.address, 2);
    EXPECT_TRUE(master.serialPort.IsOpen());
    // All nine framings at 4800, two at 9600, then addresses 1 and 2.
    ASSERT_EQ(states.size(), 9u + 2u + 2u);
    EXPECT_EQ(states.front(), "State: COM1, 4800, 8 N 2 RTU, 255");
    EXPECT_EQ(states[8], "State: COM1, 4800, 8 O 1 ASCII, 255");
    EXPECT_EQ(states[9], "State: COM1, 9600, 8 N 2 RTU, 255");
    EXPECT_EQ(states[10], "State: COM1, 9600, 8 E 1 RTU, 255");
    EXPECT_EQ(states[11], "State: COM1, 9600, 8 E 1 RTU, 1");
    EXPECT_EQ(states.back(), "State: COM1, 9600, 8 E 1 RTU, 2");
}

TEST(AutoTest, CurrentSettingsOnlyAndTheTestAddressOfConfigureIni) {
    ProgramFolder home;
    test::DriveSimulator drive({kDrives + "/type20_signed.json", "--strict-address"});
    test::WriteFile(home.File("Configure.ini"), "[Comport]\ntestModbusID=1\n");
    CModbusMaster master;
    ScriptedUserInterface ui;
    std::vector<std::string> states;
    ASSERT_TRUE(AutoTest(master, ui, {false, false, false, drive.path()},
                         [&states](const std::string& state) { states.push_back(state); }));
    EXPECT_EQ(states,
              (std::vector<std::string>{"State: " + drive.path() + ", 9600, 8 N 2 RTU, 255"}));
    EXPECT_EQ(master.address, 1);
}

} // namespace
} // namespace corvid
