// The DeviceNet writer: the fixed layout byte for byte, and what it writes
// reads back the same.

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"

#include "EDSWriterLayout.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

const std::string kSample = std::string(CORVID_SAMPLES_DIR) + "/ac_drive_devicenet.eds";

const std::string kHeaderLines = test::EmptyHeaderComment("DeviceNet");

TEST(FormatDeviceNetEDS, EmptyModel) {
    const CDeviceNetEDS model;
    EXPECT_EQ(FormatDeviceNetEDS(model), kHeaderLines + test::EmptyIdentitySections() +
                                             test::CrLf({"[]", "\tDefault=0x0000;", "", "", ""}));
}

CDeviceNetEDS SmallDrive() {
    CDeviceNetEDS model;
    model.Header.Module = "DN-1";
    model.Header.Device = "Drive";
    model.Header.Model = "M 7";
    model.FileSection = {"File",       "\"Small\"", "01-01-2024", "10:00:00",
                         "02-01-2024", "11:00:00",  "1.1"};
    model.DeviceSection = {"Device", 650, "\"Vendor\"",  2,       "\"AC Drive\"", 1,
                           4,        2,   "\"Drive 7\"", "\"D7\""};
    DeviceNetIOInfoSection& io = model.IOInfoSection;
    io.SectionName = "IO_Info";
    io.Default = 1;
    io.PollInfo = {1, 0x0D, 1, 2};
    io.StrobeInfo = {0, 0x02, 1, 0};
    io.COSInfo = {1, 4, 1, 0};
    io.CyclicInfo = {1, 8, 0, 0};
    io.Inputs.push_back({1, 4, 0, 0x0D, "\"In\"", 6, "\"20 04 24 46 30 03\"", "\"Status\""});
    io.Outputs.push_back({2, 2, 12, 1, "\"Out\"", 0, "", "\"\""});
    model.ParamClassSection = {"ParamClass", 0, 0, 0};
    auto param = std::make_unique<CEDSParam>();
    param->ParameterName = "\"P\"";
    param->Precision = 2;
    param->Group = 1;
    param->EnumStrings = std::vector<std::string>{"\"A\""};
    model.Params.push_back(std::move(param));
    model.GroupNames = {"\"G\""};
    return model;
}

TEST(FormatDeviceNetEDS, WholeFile) {
    EXPECT_EQ(FormatDeviceNetEDS(SmallDrive()),
              test::CrLf({"$ HALVARD ELECTRONIC, INC.",
                          "",
                          "$ Network: DeviceNet",
                          "$ Modlue:DN-1",
                          "$ Device:Drive",
                          "$ Model:M 7",
                          "$ Create by Corvid software",
                          "",
                          "[File]",
                          "\tDescText=\"Small\";",
                          "\tCreateDate=01-01-2024;",
                          "\tCreateTime=10:00:00;",
                          "\tModDate=02-01-2024;",
                          "\tModTime=11:00:00;",
                          "\tRevision=1.1;",
                          "",
                          "[Device]",
                          "\tVendCode=650;",
                          "\tVendName=\"Vendor\";",
                          "\tProdType=2;",
                          "\tProdTypeStr=\"AC Drive\";",
                          "\tProdCode=0x0001;",
                          "\tMajRev=4;",
                          "\tMinRev=2;",
                          "\tProdName=\"Drive 7\";",
                          "\tCatalog=\"D7\";",
                          "",
                          "[IO_Info]",
                          "\tDefault=0x0001;",
                          "",
                          "\tPollInfo=",
                          "\t         0x000D,",
                          "\t         1,",
                          "\t         2;",
                          "",
                          "\tCOSInfo=",
                          "\t           0x0004,",
                          "\t           1,",
                          "\t           0;",
                          "",
                          "\tCyclicInfo=",
                          "\t           0x0008,",
                          "\t           0,",
                          "\t           0;",
                          "",
                          "\tInput1=",
                          "\t       4,",
                          "\t       0,",
                          "\t       0x000D,",
                          "\t       \"In\",",
                          "\t       6, \"20 04 24 46 30 03\",",
                          "\t       \"Status\";",
                          "",
                          "\tOutput2=",
                          "\t       2,",
                          "\t       12,",
                          "\t       0x0001,",
                          "\t       \"Out\",",
                          "\t       0, ,",
                          "\t       \"\";",
                          "",
                          "[ParamClass]",
                          "\tMaxInst=0;",
                          "\tDescriptor=0;",
                          "\tCfgAssembly=0;",
                          "",
                          "[Params]",
                          "\tParam1=",
                          "\t\t0,",
                          "\t\t0, ,",
                          "\t\t0x00,",
                          "\t\t0x00, 0,",
                          "\t\t\"P\",",
                          "\t\t,",
                          "\t\t,",
                          "\t\t, , ,",
                          "\t\t0, 0, 0, 0,",
                          "\t\t, , , , 2;",
                          "",
                          "",
                          "[EnumPar]",
                          "\tParam1=",
                          "\t      \"A\";",
                          "",
                          "",
                          "[Groups]",
                          "\tGroup1=  \"G\",         1,   1;   "}));
}

CDeviceNetEDS ReadText(const std::string& text) {
    CDeviceNetEDS model;
    LoadDeviceNetEDSText(model, text, "again.eds");
    return model;
}

TEST(FormatDeviceNetEDS, WrittenModelReadsBackTheSame) {
    const CDeviceNetEDS model = SmallDrive();
    const std::string once = FormatDeviceNetEDS(model);
    const CDeviceNetEDS again = ReadText(once);
    EXPECT_EQ(again.IOInfoSection.PollInfo.TypeMask, 0x0D);
    EXPECT_EQ(again.IOInfoSection.StrobeInfo.Present, 0);
    EXPECT_EQ(again.IOInfoSection.Outputs[0].SigBits, 12);
    EXPECT_EQ(again.ParamAt(0).Group, 1);
    // The header comment's module, device and model lines read back too.
    EXPECT_EQ(FormatDeviceNetEDS(again), once);
}

TEST(FormatDeviceNetEDS, NegativeOffsetAndEmptyGroupSurviveASave) {
    CDeviceNetEDS model = SmallDrive();
    model.ParamAt(0).Offset = -5;
    model.ParamAt(0).Group = 0;
    const CDeviceNetEDS again = ReadText(FormatDeviceNetEDS(model));
    EXPECT_EQ(again.ParamAt(0).Offset, -5);
    EXPECT_EQ(again.GroupNames, std::vector<std::string>{"\"G\""});
    EXPECT_EQ(again.ParamAt(0).Group, 0);
}

// Inserting a parameter in front renumbers what refers to the ones behind.
TEST(FormatDeviceNetEDS, InsertedParameterRenumbersEnumerationsAndGroups) {
    CDeviceNetEDS model = SmallDrive();
    model.Params.insert(model.Params.begin(), std::make_unique<CEDSParam>());
    const std::string text = FormatDeviceNetEDS(model);
    EXPECT_NE(text.find("[EnumPar]\r\n\tParam2=\r\n"), std::string::npos);
    EXPECT_NE(text.find("\tGroup1=  \"G\",         1,   2;   \r\n"), std::string::npos);
}

TEST(WriteDeviceNetEDS, SampleResavedIsStable) {
    test::TempFolder folder;
    CDeviceNetEDS first;
    std::string error;
    ASSERT_TRUE(LoadDeviceNetEDS(first, kSample, error));
    ASSERT_TRUE(WriteDeviceNetEDS(first, folder.File("a.eds"), error)) << error;
    CDeviceNetEDS second;
    ASSERT_TRUE(LoadDeviceNetEDS(second, folder.File("a.eds"), error));
    ASSERT_TRUE(WriteDeviceNetEDS(second, folder.File("b.eds"), error)) << error;
    EXPECT_EQ(test::ReadFile(folder.File("a.eds")), test::ReadFile(folder.File("b.eds")));
    EXPECT_EQ(second.ParamCount(), 5u);
    EXPECT_EQ(second.ParamAt(4).EnumStrings, first.ParamAt(4).EnumStrings);
}

TEST(WriteDeviceNetEDS, UnwritablePathFailsWithTheSystemsText) {
    test::TempFolder folder;
    std::string error;
    EXPECT_FALSE(WriteDeviceNetEDS(SmallDrive(), folder.File("no/such/x.eds"), error));
    EXPECT_EQ(error, "No such file or directory");
}

} // namespace
} // namespace corvid
