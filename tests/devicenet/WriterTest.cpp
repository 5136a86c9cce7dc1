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

TEST(FormatDeviceNetEDS, EmptyModel) {
    EXPECT_EQ(FormatDeviceNetEDS(CDeviceNetEDS()), test::WrittenFile("devicenet-empty.eds"));
}

CDeviceNetEDS SmallDrive() {
    CDeviceNetEDS model;
    model.Header.Module = "DN-1";
    model.Header.Device = "Drive";
    model.Header.Model = "M 7";
    model.FileSection = {"File",       "\"Small\"", "01-01-2024", "10:00:00",
                         "02-01-2024", "11:00:00",  "1.1",        {}};
    model.DeviceSection = {"Device", 650,           "\"Vendor\"", 2, "\"AC Drive\"", 1, 4,
                           2,        "\"Drive 7\"", "\"D7\"",     {}};
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
    CEDSParam& param = model.Params.emplace_back();
    param.ParameterName = "\"P\"";
    param.Precision = 2;
    param.Group = 1;
    param.EnumStrings = std::vector<std::string>{"\"A\""};
    model.GroupNames = {"\"G\""};
    return model;
}

TEST(FormatDeviceNetEDS, WholeFile) {
    EXPECT_EQ(FormatDeviceNetEDS(SmallDrive()), test::WrittenFile("devicenet-small-drive.eds"));
}

CDeviceNetEDS ReadText(const std::string& text) {
    CDeviceNetEDS model;
    LoadDeviceNetEDSText(model, text, "again.eds");
    return model;
}

TEST(FormatDeviceNetEDS, WrittenModelReadsBackTheSame) {
    CDeviceNetEDS model = SmallDrive();
    const std::string once = FormatDeviceNetEDS(model);
    const CDeviceNetEDS again = ReadText(once);
    EXPECT_EQ(again.IOInfoSection.PollInfo.TypeMask, 0x0D);
    EXPECT_EQ(again.IOInfoSection.StrobeInfo.Present, 0);
    EXPECT_EQ(again.IOInfoSection.Outputs[0].SigBits, 12);
    EXPECT_EQ(again.ParamAt(0).Group, 1);
    // The header comment's module, device and model lines read back too.
    EXPECT_EQ(FormatDeviceNetEDS(again), once);

    // A negative offset, and a group no parameter is in, survive too.
    model.ParamAt(0).Offset = -5;
    model.ParamAt(0).Group = 0;
    const CDeviceNetEDS changed = ReadText(FormatDeviceNetEDS(model));
    EXPECT_EQ(changed.ParamAt(0).Offset, -5);
    EXPECT_EQ(changed.GroupNames, std::vector<std::string>{"\"G\""});
    EXPECT_EQ(changed.ParamAt(0).Group, 0);
}

// A file read gets back the sections and keywords it gave and none it did
// not (no [File], no [IO_Info], no Catalog). One saved by earlier versions
// with those sections under "[]" reads its values back, and they are
// written under their own names.
TEST(FormatDeviceNetEDS, ReadFileGetsNothingInvented) {
    EXPECT_TRUE(FormatDeviceNetEDS(ReadText("[Device]\n\tVendCode=7;\n\tProdName=\"P\";\n"))
                    .ends_with("software\r\n\r\n[Device]\r\n\tVendCode=7;\r\n\tProdName=\"P\";\r\n"
                               "\r\n\r\n\r\n"));

    const CDeviceNetEDS old = ReadText("[]\n\tDescText=\"d\";\n\n[]\n\tVendCode=7;\n\n"
                                       "[]\n\tDefault=0x0001;\n\tPollInfo=0x0001,1,1;\n");
    EXPECT_TRUE(old.Kept.Entries.empty() && old.Kept.Sections.empty());
    EXPECT_EQ(FormatDeviceNetEDS(old), test::WrittenFile("devicenet-unnamed-sections-read.eds"));
}

// Inserting a parameter in front renumbers what refers to the ones behind.
TEST(FormatDeviceNetEDS, InsertedParameterRenumbersEnumerationsAndGroups) {
    CDeviceNetEDS model = SmallDrive();
    model.Params.insert(model.Params.begin(), CEDSParam{});
    const std::string text = FormatDeviceNetEDS(model);
    EXPECT_NE(text.find("[EnumPar]\r\n\tParam2=\r\n"), std::string::npos);
    EXPECT_NE(text.find("\tGroup1=  \"G\",         1,   2;   \r\n"), std::string::npos);
}

TEST(WriteDeviceNetEDS, SampleResavedIsStableAndFailureReported) {
    test::TempFolder folder;
    CDeviceNetEDS first;
    std::string error;
    ASSERT_TRUE(LoadDeviceNetEDS(first, kSample, error));
    ASSERT_TRUE(WriteDeviceNetEDS(first, folder.File("a.eds"), error)) << error;
    CDeviceNetEDS second;
    ASSERT_TRUE(LoadDeviceNetEDS(second, folder.File("a.eds"), error));
    ASSERT_TRUE(WriteDeviceNetEDS(second, folder.File("b.eds"), error)) << error;
    EXPECT_EQ(test::ReadFile(folder.File("a.eds")), test::ReadFile(folder.File("b.eds")));
    EXPECT_EQ(second.ParamAt(4).EnumStrings, first.ParamAt(4).EnumStrings);

    EXPECT_FALSE(WriteDeviceNetEDS(first, folder.File("no/such/x.eds"), error));
    EXPECT_EQ(error, "No such file or directory");
}

} // namespace
} // namespace corvid
