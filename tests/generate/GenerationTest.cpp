// CANopen and DeviceNet files generated from the shipped drives, compared
// whole, and what generation does with limits, signs, instances and
// missing catalogue files.

#include "generate/DevicenetGeneration.h"

#include "DriveRun.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::DriveRun;
using test::Parameter;

struct ShippedDrive {
    std::string name; // of the expected files
    std::string file;
    std::string device;
    std::string baud;
    std::string framing;
};

class ShippedDrives : public testing::TestWithParam<ShippedDrive> {};

TEST_P(ShippedDrives, GenerateTheExpectedFiles) {
    const ShippedDrive& d = GetParam();
    test::ProgramHome home;
    DriveRun run({test::kDrives + "/" + d.file, "--framing", d.framing});
    ASSERT_TRUE(run.Load(EDSKind::CANopen, "CN-100", d.device, d.baud, d.framing)) << run.ui.Log();
    ASSERT_TRUE(run.Load(EDSKind::DeviceNet, "DN-100", d.device, d.baud, d.framing))
        << run.ui.Log();
    const std::string expected = std::string(CORVID_TEST_DATA_DIR) + "/generate/";
    EXPECT_EQ(run.CANopenText(), test::ReadFile(expected + "canopen_" + d.name + ".eds"));
    EXPECT_EQ(run.DeviceNetText(), test::ReadFile(expected + "devicenet_" + d.name + ".eds"));
    // A new file has no path yet, so the first save asks for one; it is on
    // no disk, so it starts modified.
    EXPECT_EQ(run.CANopen().Header.PathName, "");
    EXPECT_EQ(run.CANopen().Header.Flags, FLAG_MODIFIED);
    EXPECT_EQ(run.DeviceNet().Header.SavePathName, "");
    EXPECT_EQ(run.ui.Log().find("Warning"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Drives, ShippedDrives,
    testing::Values(ShippedDrive{"type7", "type7_rating.json", "VFD-E", "19200", "8 E 1 RTU"},
                    ShippedDrive{"type20", "type20_signed.json", "VFD-C", "9600", "8 N 2 RTU"},
                    ShippedDrive{"walk", "walk_10x20.json", "VFD-B", "9600", "8 N 2 RTU"}),
    [](const auto& info) { return info.param.name; });

TEST(Generation, WarnsOfLimitsAndTypesSignedParameters) {
    test::ProgramHome home;
    const std::string drive = test::DriveFile(
        home.path(),
        {{"driveType", 20},
         {"driveSubType", 255},
         {"rating", 440},
         {"groups",
          {{{"name", "One"},
            {"parameters", {Parameter("Fine", 0, 10, 5), Parameter("Min Above Max", 20, 10, 30)}}},
           {{"name", "Two"},
            {"parameters",
             {Parameter("Default Low", -50, 50, -60, 0x80),
              Parameter("Unsigned Bit 7", 0, 40000, 100, 0x0308)}}}}}});
    home.Write("ManuDefine.ini", ""); // the drive walk alone
    DriveRun run({drive});
    ASSERT_TRUE(run.Load(EDSKind::CANopen, "CN-100", "VFD-C", "9600", "8 N 2 RTU"));
    ASSERT_TRUE(run.Load(EDSKind::DeviceNet, "DN-100", "VFD-C", "9600", "8 N 2 RTU"));
    const std::string log = run.ui.Log();
    // Only the minimum is reported when it lies above the maximum, though
    // the default lies outside too.
    EXPECT_NE(log.find("Load File: Warning : Param[8192][2]'s minimum is greater than "
                       "maximum.\r\n"),
              std::string::npos);
    EXPECT_EQ(log.find("Param[8192][2]'s default"), std::string::npos);
    EXPECT_NE(log.find("Load File: Warning : Param[8193][1]'s default value is not between the "
                       "maximum and minimum.\r\n"),
              std::string::npos);
    // DeviceNet counts parameters across groups.
    EXPECT_NE(log.find("Load File: Warning : Param2's minimum is greater than maximum.\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("Load File: Warning : Param3's default value is not between the maximum "
                       "and minimum.\r\n"),
              std::string::npos);

    // A signed parameter gets the signed 16-bit type, so its negative
    // limits are valid; bit 7 of a parameter of an unsigned kind is not.
    const CANopenObject& two = run.CANopen().Objects.back();
    ASSERT_EQ(two.Index, 0x2001);
    EXPECT_EQ(two.SubObjects[1].DataType, 3);
    EXPECT_EQ(two.SubObjects[1].LowLimit, "-50");
    EXPECT_EQ(two.SubObjects[1].DefaultValue, "-60");
    EXPECT_EQ(two.SubObjects[2].DataType, 6);
    EXPECT_EQ(two.SubObjects[2].AccessType, "ro");
    const CDeviceNetEDS& dn = run.DeviceNet();
    EXPECT_EQ(dn.ParamAt(2).DataType, 3);
    EXPECT_EQ(dn.ParamAt(2).Minimum, "-50");
    EXPECT_EQ(dn.ParamAt(3).DataType, 2);
    EXPECT_EQ(dn.ParamAt(3).Precision, 3);
    EXPECT_EQ(dn.ParamAt(3).Divider, 1000);
    EXPECT_EQ(dn.ParamAt(3).Descriptor, 0x34);
}

TEST(Generation, NumbersInstancesByModule) {
    test::ProgramHome home;
    DriveRun run({test::kDrives + "/type7_rating.json"});
    ASSERT_TRUE(run.Load(EDSKind::DeviceNet, "DN-100", "VFD-E", "19200", "8 E 1 RTU"));
    ASSERT_TRUE(run.Load(EDSKind::DeviceNet, std::string(kRunningInstanceModule), "VFD-E", "19200",
                         "8 E 1 RTU"));
    const auto& files = run.doc.Files<CDeviceNetEDS>();
    // Group 1, parameter 1 is the 8th of the drive: class 100 of ClassID.ini
    // and instance 0x0102 on DN-100; class 15 and instance 8 on Wrenfold.
    EXPECT_EQ(files[0]->ParamAt(7).LinkPath, "\"20 64 25 02 01 30 01\"");
    EXPECT_EQ(files[1]->ParamAt(7).LinkPath, "\"20 0F 25 08 00 30 01\"");
    EXPECT_EQ(files[1]->ParamAt(12).LinkPath, "\"20 0F 25 0D 00 30 01\"");
    // The module's own parameters keep their link paths.
    EXPECT_EQ(files[1]->ParamAt(13).LinkPath, "\"20 95 24 01 30 01\"");
    EXPECT_EQ(files[1]->ParamClassSection.MaxInst, 17);
    EXPECT_EQ(files[1]->DeviceSection.MajRev, 1);
    EXPECT_EQ(files[1]->DeviceSection.MinRev, 0);
}

TEST(Generation, GoesOnWithoutMissingCatalogueFiles) {
    test::ProgramHome home;
    home.Remove("DeviceNet/DN-100/VFD-E/DataConf.md");
    home.Remove("DeviceNet/DN-100/VFD-E/IO_Info.ini");
    // A template without the identity object.
    home.Write("CANopen/CN-100/VFD-E/conf.ini",
               "[MandatoryObjects]\nSupportedObjects=1\n1=0x1000\n[1000]\nParameterName=Device "
               "type\nObjectType=7\nDataType=0x0007\nAccessType=ro\nDefaultValue=0\n");
    DriveRun run({test::kDrives + "/type7_rating.json"});
    run.ui.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    ASSERT_TRUE(run.Load(EDSKind::CANopen, "CN-100", "VFD-E", "19200", "8 E 1 RTU"));
    ASSERT_TRUE(run.Load(EDSKind::DeviceNet, "DN-100", "VFD-E", "19200", "8 E 1 RTU"));
    const std::string log = run.ui.Log();
    EXPECT_NE(log.find("Load File:  The template has no object 0x1018 with sub-indexes 2 and 3; "
                       "its identity is not updated.\r\n"),
              std::string::npos);
    EXPECT_EQ(run.CANopen().DeviceInfo.RevisionNumber, 0x00010000u);
    EXPECT_EQ(run.CANopen().DeviceInfo.ProductNumber, 0xA004u);
    const std::string folder = home.File("DeviceNet/DN-100/VFD-E/");
    EXPECT_NE(log.find("Load File:  Cannot read " + folder +
                       "DataConf.md: No such file or directory\r\n"),
              std::string::npos);
    ASSERT_EQ(run.ui.questions.size(), 2u);
    EXPECT_EQ(run.ui.questions[1].text,
              "Load File:  Cannot read " + folder + "IO_Info.ini: No such file or directory\r\n");
    EXPECT_EQ(run.ui.questions[1].icon, MessageIcon::Warning);
    EXPECT_EQ(run.DeviceNet().ParamCount(), 13u);
    EXPECT_EQ(run.DeviceNet().IOInfoSection.SectionName, "");
}

} // namespace
} // namespace corvid
