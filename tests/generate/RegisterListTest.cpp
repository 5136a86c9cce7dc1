// The register lists of ManuDefine.ini and the bounds of a group's
// sub-indexes.

#include "DriveRun.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::DriveRun;

const CANopenObject& ObjectAt(const CCANopenEDS& model, uint16_t index) {
    const FindResult found = FindObject(model.Objects, index);
    EXPECT_EQ(found.relation, FindRelation::Found) << index;
    return model.Objects[*found.position];
}

std::vector<unsigned> SubIndexes(const CANopenObject& object) {
    std::vector<unsigned> subs;
    for (const CANopenObject& sub : object.SubObjects)
        subs.push_back(sub.SubIndex);
    return subs;
}

TEST(RegisterList, ReplacesGroupsInSubIndexOrderAndSkipsWhatCannotBe) {
    test::ProgramHome home;
    home.Write("ManuDefine.ini", "[VFD-B]\nGroupNumber=3\n"
                                 "[VFD-B Group0]\nGroupName=Picked\nParamNumber=6\n"
                                 "0=0002\n1=0000\n2=0002\n3=00FF\n4=zz\n5=0013\n"
                                 "[VFD-B Group1]\nGroupName=No Index\nParamNumber=1\n1=0100\n"
                                 "[VFD-B Group2]\nGroupName=Second\nParamNumber=1\n0=0105\n");
    DriveRun run({test::kDrives + "/walk_10x20.json"});
    ASSERT_TRUE(run.Load(EDSKind::CANopen, "CN-100", "VFD-B", "9600", "8 N 2 RTU")) << run.ui.Log();
    const CANopenObject& picked = ObjectAt(run.CANopen(), 0x2000);
    EXPECT_EQ(picked.ParameterName, "Picked");
    EXPECT_EQ(SubIndexes(picked), (std::vector<unsigned>{0, 1, 3, 20}));
    EXPECT_EQ(picked.SubNumber, 4);
    const std::vector<CANopenObject>& subs = picked.SubObjects;
    EXPECT_EQ(subs[0].DefaultValue, "20");
    EXPECT_EQ(subs[1].ParameterName, "Param 00-00");
    EXPECT_EQ(subs[2].ParameterName, "Param 00-02");
    EXPECT_EQ(subs[3].ParameterName, "Param 00-19");
    EXPECT_EQ(subs[3].HighLimit, "20000");
    EXPECT_TRUE(subs[3].PDOMapping);
    const CANopenObject& second = ObjectAt(run.CANopen(), 0x2001);
    EXPECT_EQ(second.ParameterName, "Second");
    EXPECT_EQ(SubIndexes(second), (std::vector<unsigned>{0, 6}));
    // Groups the lists do not name stay as the drive walk made them.
    EXPECT_EQ(ObjectAt(run.CANopen(), 0x2002).SubNumber, 21);

    const std::string log = run.ui.Log();
    EXPECT_NE(log.find("Load File:  Object 0x2000: register 0x0002 repeats sub-index 3; left "
                       "out.\r\n"
                       "Load File:  Object 0x2000: register 0x00FF would be sub-index 0; left "
                       "out.\r\n"
                       "Load File:  Object 0x2000: key \"4\" names no register; left out.\r\n"
                       "Load File:  ManuDefine.ini [VFD-B Group1] gives no group index in key "
                       "\"0\"; the group is left out.\r\n"),
              std::string::npos)
        << log;
    // The extra objects are for models without register lists.
    EXPECT_EQ(log.find("ManuExtra"), std::string::npos);
    EXPECT_EQ(run.ui.progress.back(), std::make_pair(100, 100));
}

TEST(RegisterList, AbortInAListDiscardsTheModel) {
    test::ProgramHome home;
    home.Write("ManuDefine.ini", "[VFD-B]\nGroupNumber=1\n"
                                 "[VFD-B Group0]\nGroupName=Far\nParamNumber=1\n0=0F00\n");
    DriveRun run({test::kDrives + "/walk_10x20.json"});
    run.ui.answers = {MessageAnswer::Abort};
    EXPECT_FALSE(run.Load(EDSKind::CANopen, "CN-100", "VFD-B", "9600", "8 N 2 RTU"));
    EXPECT_EQ(run.doc.FileCount(EDSKind::CANopen), 0u);
    EXPECT_NE(run.ui.Log().find("register 0xF00."), std::string::npos);
}

TEST(DriveGroups, HoldAtMost254ParametersBesideSubIndex0) {
    test::ProgramHome home;
    nlohmann::json parameters = nlohmann::json::array();
    for (int j = 0; j < 255; ++j)
        parameters.push_back(test::Parameter("P" + std::to_string(j), 0, 100, 1));
    const std::string drive = test::DriveFile(
        home.path(), {{"driveType", 7},
                      {"driveSubType", 255},
                      {"rating", 440},
                      {"groups", {{{"name", "Full"}, {"parameters", parameters}}}}});
    DriveRun run({drive});
    ASSERT_TRUE(run.Load(EDSKind::CANopen, "CN-100", "VFD-E", "9600", "8 N 2 RTU"));
    const CANopenObject& full = ObjectAt(run.CANopen(), 0x2000);
    EXPECT_EQ(full.SubNumber, 255);
    EXPECT_EQ(full.SubObjects.size(), 255u);
    EXPECT_EQ(full.SubObjects.back().SubIndex, 254);
    EXPECT_EQ(full.SubObjects.front().DefaultValue, "254");
    EXPECT_NE(run.ui.Log().find("Load File:  Object 0x2000: parameters past 254 are left out.\r\n"),
              std::string::npos);
    // DeviceNet numbers parameters, not sub-indexes: all 255 stay.
    ASSERT_TRUE(run.Load(EDSKind::DeviceNet, "DN-100", "VFD-E", "9600", "8 N 2 RTU"));
    EXPECT_EQ(run.DeviceNet().ParamCount(), 255u + 4u);
}

} // namespace
} // namespace corvid
