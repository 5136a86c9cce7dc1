// The DeviceNet reader: sections, entries over several lines, and what it
// does with lines it does not expect.

#include "devicenet/DeviceNetReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using Strings = std::vector<std::string>;

const std::string kSample = std::string(CORVID_SAMPLES_DIR) + "/ac_drive_devicenet.eds";

CDeviceNetEDS Read(std::string_view text, ReaderDiagnostics* notes = nullptr) {
    CDeviceNetEDS model;
    LoadDeviceNetEDSText(model, text, "C:\\drives\\unit.test.eds", notes);
    return model;
}

std::vector<uint32_t> Numbers(const std::vector<IOEntry>& entries) {
    std::vector<uint32_t> numbers;
    for (const IOEntry& entry : entries)
        numbers.push_back(entry.Number);
    return numbers;
}

// Where each field lands is checked by the writer's whole-file comparison
// and the round trips; this is the sample file read from disk.
TEST(LoadDeviceNetEDS, SampleFileReadsEverySection) {
    CDeviceNetEDS model;
    std::string error;
    ASSERT_TRUE(LoadDeviceNetEDS(model, kSample, error)) << error;
    EXPECT_EQ(model.Header.Title, "ac_drive_devicenet");
    EXPECT_EQ(model.DeviceSection.VendCode, 1187);
    const DeviceNetIOInfoSection& io = model.IOInfoSection;
    EXPECT_EQ(io.PollInfo.TypeMask, 5);
    EXPECT_EQ(Numbers(io.Inputs), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(io.Outputs.size(), 1u);
    ASSERT_EQ(model.ParamCount(), 5u);
    EXPECT_EQ(model.ParamAt(3).HelpStr, "\"Motor current; read only\"");
    EXPECT_EQ(model.ParamAt(0).EnumStrings,
              (Strings{"\"Keypad\"", "\"Terminals\"", "\"Network\""}));
    EXPECT_EQ(model.GroupNames, (Strings{"\"Setup\"", "\"Monitor\""}));
    EXPECT_EQ(model.ParamAt(3).Group, 2);
}

TEST(LoadDeviceNetEDS, UnopenableFileFailsWithTheSystemsText) {
    test::TempFolder folder;
    CDeviceNetEDS model;
    std::string error;
    EXPECT_FALSE(LoadDeviceNetEDS(model, folder.File("missing.eds"), error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_EQ(model.Header.Title, "missing");
    EXPECT_EQ(model.ParamCount(), 0u);
    EXPECT_EQ(model.FileSection.SectionName, "");
}

TEST(LoadDeviceNetEDSText, SingleValuesLoseEverySemicolonAndComments) {
    const CDeviceNetEDS model = Read("[File]\n"
                                     "  DescText = \"Drive; rev A  \" ;\n"
                                     "  ModDate = 01-02-2003; $ mm-dd-yyyy\n"
                                     "  CreateTime = \"12:00 $ noon\";\n"
                                     "  Revision = 1.0\n"
                                     "    2.0;\n"
                                     "[Device]\n"
                                     "  VendCode = -5;\n"
                                     "  ProdType = 0x1ffff;\n"
                                     "  MajRev = 1.5;\n");
    EXPECT_EQ(model.FileSection.DescText, "\"Drive rev A  \"");
    EXPECT_EQ(model.FileSection.ModDate, "01-02-2003");
    EXPECT_EQ(model.FileSection.CreateTime, "\"12:00 $ noon\"");
    EXPECT_EQ(model.FileSection.Revision, "1.0"); // single values are not joined
    EXPECT_EQ(model.DeviceSection.VendCode, 0);
    EXPECT_EQ(model.DeviceSection.ProdType, 0xFFFF);
    EXPECT_EQ(model.DeviceSection.MajRev, 0);
}

TEST(LoadDeviceNetEDSText, HeadersAndKeywordsMatchExactCase) {
    const CDeviceNetEDS model =
        Read("[file]\nDescText=\"a\";\n[Device]\nvendcode=5;\nVendCode=6;\n");
    EXPECT_EQ(model.FileSection.SectionName, "");
    EXPECT_EQ(model.FileSection.DescText, "");
    EXPECT_EQ(model.DeviceSection.VendCode, 6);
}

// Sections the reader does not know are kept whole; they do not feed the
// known section in front of them.
TEST(LoadDeviceNetEDSText, OtherSectionsAreKeptWhole) {
    const CDeviceNetEDS model = Read("[File]\nRevision=1.0;\n[Vendor Extras]\nRevision=9.9;\n"
                                     "[Device]\nVendCode=1;\n[Device Classification]\n"
                                     "  Class1 = DeviceNet;  $ net\n\n");
    EXPECT_EQ(model.FileSection.Revision, "1.0");
    EXPECT_EQ(model.DeviceSection.VendCode, 1);
    ASSERT_EQ(model.Kept.Sections.size(), 2u);
    EXPECT_EQ(model.Kept.Sections[0].After, "File");
    EXPECT_EQ(model.Kept.Sections[0].Header, "[Vendor Extras]");
    EXPECT_EQ(model.Kept.Sections[0].Lines, Strings{"Revision=9.9;"});
    EXPECT_EQ(model.Kept.Sections[1].After, "Device");
    EXPECT_EQ(model.Kept.Sections[1].Lines, Strings{"  Class1 = DeviceNet;  $ net"});
}

TEST(LoadDeviceNetEDSText, ParametersNumberedByOrderEntriesJoined) {
    const CDeviceNetEDS model = Read("[Params]\n"
                                     "Param1=0,,,0x00,0xC7,2,\"A\",\"\",\"\",0,1,0,1,1,1,0,,,,,;\n"
                                     "Param2=0,6,\"20 01\",0x10,0xC7,2,\n"
                                     "  \"B b\",\"\",\"\",0,1,0,\n"
                                     "  1,1,1,-7,\n"
                                     "  ,,,,4;\n"
                                     "Param7=\n 0,,,0,0,0,\"C\",,,,,,,,,,,,,,;\n"
                                     "Enum1=\"not a parameter\";\n");
    ASSERT_EQ(model.ParamCount(), 3u);
    EXPECT_EQ(model.ParamAt(1).ParameterName, "\"B b\"");
    EXPECT_EQ(model.ParamAt(1).Offset, -7);
    EXPECT_EQ(model.ParamAt(1).Precision, 4);
    EXPECT_EQ(model.ParamAt(2).ParameterName, "\"C\"");
}

TEST(LoadDeviceNetEDSText, IOEntriesSortedLaterNumberReplaces) {
    const CDeviceNetEDS model = Read("[IO_Info]\n"
                                     "Input12=1,0,0x1,\"twelve\",0,\"\",\"\";\n"
                                     "Input3=2,0,0x1,\"three\",0,\"\",\"\";\n"
                                     "Input12=3,0,0x1,\"twelve again\",0,\"\",\"\";\n"
                                     "Output0x10=1,0,0x1,\"o\",3,\"20 01 24\",\"h, more\";\n");
    ASSERT_EQ(Numbers(model.IOInfoSection.Inputs), (std::vector<uint32_t>{3, 12}));
    EXPECT_EQ(model.IOInfoSection.Inputs[1].Name, "\"twelve again\"");
    ASSERT_EQ(Numbers(model.IOInfoSection.Outputs), (std::vector<uint32_t>{16}));
    EXPECT_EQ(model.IOInfoSection.Outputs[0].Help, "\"h, more\"");
}

TEST(LoadDeviceNetEDSText, CutOffEntryEndsTheReadKeepingWhatCameBefore) {
    ReaderDiagnostics notes;
    const CDeviceNetEDS model = Read("[IO_Info]\nDefault=1;\nPollInfo=\n 0x1,\n 1,\n", &notes);
    EXPECT_EQ(model.IOInfoSection.Default, 1);
    EXPECT_EQ(model.IOInfoSection.PollInfo.Present, 1); // set before the entry is joined
    EXPECT_EQ(model.IOInfoSection.PollInfo.TypeMask, 0);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].line, 3);
    EXPECT_EQ(notes[0].file, "C:\\drives\\unit.test.eds");
}

// [EnumPar] and [Groups] are read once every parameter is known, so they may
// stand in front of [Params]; an enumeration for no parameter is kept.
TEST(LoadDeviceNetEDSText, EnumerationsAndGroupsNameParametersWhereverTheyStand) {
    ReaderDiagnostics notes;
    const CDeviceNetEDS model = Read(
        "[EnumPar]\nParam1=\"early\";\n"
        "[Params]\nParam1=0,,,0,0,0,\"A\",,,,,,,,,,,,,,;\nParam2=0,,,0,0,0,\"B\",,,,,,,,,,,,,,;\n"
        "[EnumPar]\nParam2=\"one\";\nParam9=\"x\",\n \"y\";\n"
        "[Groups]\nGroup1=\"Solo\",1,2;\nGroup2=\"Ghosts\",2,0,40;\nGroup3=\"None\",0;\n",
        &notes);
    EXPECT_EQ(model.ParamAt(0).EnumStrings, Strings{"\"early\""});
    EXPECT_EQ(model.ParamAt(1).EnumStrings, Strings{"\"one\""});
    EXPECT_EQ(model.Kept.EntriesOf("EnumPar"), (Strings{"Param9=\"x\",", " \"y\";"}));
    EXPECT_EQ(model.GroupNames, (Strings{"\"Solo\"", "\"Ghosts\"", "\"None\""}));
    EXPECT_EQ(model.ParamAt(0).Group, 0);
    EXPECT_EQ(model.ParamAt(1).Group, 1);
    EXPECT_EQ(notes.size(), 2u);
}

TEST(LoadDeviceNetEDSText, NoParamClassKeepsItsNameEmpty) {
    EXPECT_EQ(Read("[Device]\nMaxInst=4;\n").ParamClassSection.SectionName, "");
    EXPECT_EQ(Read("[ParamClass]\n").ParamClassSection.SectionName, "ParamClass");
}

TEST(ReadIOInfoSection, OnItsOwnFromAnEmptyLine) {
    const std::string text = "; catalogue file\nDefault=7;\n[IO_Info]\nDefault=0x0003;\n"
                             "StrobeInfo=0x2,0,1;\n[Params]\nParam1=;\n";
    CEDSLineSource source(text);
    CDeviceNetEDS model;
    model.IOInfoSection.PollInfo.Present = 1;
    std::string line;
    EXPECT_EQ(ReadIOInfoSection(model, line, source), SectionEnd::AtHeader);
    EXPECT_EQ(line, "[Params]");
    EXPECT_EQ(model.IOInfoSection.SectionName, "IO_Info");
    EXPECT_EQ(model.IOInfoSection.Default, 3);
    EXPECT_EQ(model.IOInfoSection.PollInfo.Present, 0);
    EXPECT_EQ(model.IOInfoSection.StrobeInfo.Present, 1);
    EXPECT_EQ(model.IOInfoSection.StrobeInfo.DefaultOutput, 1);
    EXPECT_EQ(model.ParamCount(), 0u);

    CEDSLineSource rest("[IO_Info]\nCyclicInfo=1,2,3;");
    line.clear();
    EXPECT_EQ(ReadIOInfoSection(model, line, rest), SectionEnd::EndOfFile);
    EXPECT_EQ(model.IOInfoSection.CyclicInfo.DefaultInput, 2);
}

} // namespace
} // namespace corvid
