// The EtherNet/IP reader: section framing, single values and every kind of
// numbered entry, including shapes the writer never makes.

#include "ethernetip/EtherNetIPReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

CEtherNetIPEDS Read(const std::string& text, ReaderDiagnostics* diagnostics = nullptr) {
    CEtherNetIPEDS model;
    LoadEtherNetIPEDSText(model, text, "C:\\eds\\adapter.eds", diagnostics);
    return model;
}

TEST(LoadEtherNetIPEDS, HeadersWithCommentsOrLeadingBlanksAreRecognised) {
    const CEtherNetIPEDS model = Read("$ comment before any section\r\n"
                                      "VendCode = 99;\r\n"
                                      "   [File]\r\n"
                                      "\tRevision = 1.2;\r\n"
                                      "[Device]      $ identity\r\n"
                                      "\tVendCode = 26;\r\n"
                                      "\tProdName = \"Drive  $ 2\"; $ the name\r\n");
    EXPECT_EQ(model.Header.Title, "adapter");
    EXPECT_EQ(model.Header.PathName, "C:\\eds\\adapter.eds");
    EXPECT_EQ(model.FileSection.SectionName, "File");
    EXPECT_EQ(model.FileSection.Revision, "1.2");
    EXPECT_EQ(model.DeviceSection.SectionName, "Device");
    EXPECT_EQ(model.DeviceSection.VendCode, 26);
    EXPECT_EQ(model.DeviceSection.ProdName, "\"Drive  $ 2\"");
}

TEST(LoadEtherNetIPEDS, SectionsInAnyOrderEndAtTheNextKnownHeader) {
    const CEtherNetIPEDS model = Read("[Capacity]\n"
                                      "MaxCIPConnections = 8;\n"
                                      "1_TCPIPInactivityTimeout = 120;\n"
                                      "[Identity Class]\n"
                                      "Revision = 2;\n"
                                      "[Vendor Section]\n"
                                      "MaxInst = 5;\n"
                                      "[Connection Manager]\n"
                                      "Revision = 3;\n"
                                      "[File Class]\n"
                                      "Revision = 4;\n"
                                      "[Device Classification]\n"
                                      "Class1 = EtherNetIP;\n");
    EXPECT_EQ(model.CapacitySection.MaxCIPConnections, "8");
    EXPECT_EQ(model.CapacitySection.TCPIPInactivityTimeout, "120");
    EXPECT_EQ(model.IdentityClass.Revision, "2");
    // An unknown section is kept whole, not read into the one in front.
    EXPECT_EQ(model.IdentityClass.MaxInst, "");
    ASSERT_EQ(model.Kept.Sections.size(), 1u);
    EXPECT_EQ(model.Kept.Sections[0].After, "Identity Class");
    EXPECT_EQ(model.Kept.Sections[0].Lines, std::vector<std::string>{"MaxInst = 5;"});
    EXPECT_EQ(model.ConnectionManagerSection.Revision, "3");
    EXPECT_EQ(model.FileClass.Revision, "4");
    EXPECT_EQ(model.FileSection.Revision, "");
    EXPECT_EQ(model.FileSection.SectionName, "");
    ASSERT_EQ(model.DeviceClassification.size(), 1u);
}

TEST(LoadEtherNetIPEDS, NarrowNumbersKeepTheirLowBits) {
    const CEtherNetIPEDS model = Read("[Device]\nProdType = 70000;\nMajRev = 258;\nMinRev = -1;\n");
    EXPECT_EQ(model.DeviceSection.ProdType, 70000 & 0xFFFF);
    EXPECT_EQ(model.DeviceSection.MajRev, 2);
    EXPECT_EQ(model.DeviceSection.MinRev, 0);
}

TEST(LoadEtherNetIPEDS, ClassListsGiveOneEntryPerNonEmptyItem) {
    const CEtherNetIPEDS model = Read("[Device Classification]\n"
                                      "Class1 = EtherNetIP;\n"
                                      "Class2 = A,,\n"
                                      "         B;\n"
                                      "Class0x3 = \"C, D\";\n");
    ASSERT_EQ(model.DeviceClassification.size(), 4u);
    EXPECT_EQ(model.DeviceClassification[0].Value, "EtherNetIP");
    EXPECT_EQ(model.DeviceClassification[1].Number, 2);
    EXPECT_EQ(model.DeviceClassification[1].Value, "A");
    EXPECT_EQ(model.DeviceClassification[2].Value, "B");
    EXPECT_EQ(model.DeviceClassification[2].Sequence, 3);
    EXPECT_EQ(model.DeviceClassification[3].Number, 3);
    EXPECT_EQ(model.DeviceClassification[3].Value, "\"C, D\"");
}

TEST(LoadEtherNetIPEDS, AContinuationLineThatBeginsWithABracketIsNormalisedLikeAnyOther) {
    const CEtherNetIPEDS model = Read("[Device Classification]\n"
                                      "Class1 =\n"
                                      "[ A ]; $ not a header\n"
                                      "[Params]\n"
                                      "Param1 = 0,\n"
                                      "[ 6 ],\"p\";\n");
    ASSERT_EQ(model.DeviceClassification.size(), 1u);
    EXPECT_EQ(model.DeviceClassification[0].Value, "[A]");
    ASSERT_EQ(model.ParamCount(), 1u);
    EXPECT_EQ(model.ParamAt(0)->LinkPath, "\"p\"");
}

TEST(LoadEtherNetIPEDS, AssembliesSpanLinesAndAreSortedByNumber) {
    const CEtherNetIPEDS model = Read("[Assembly]\n"
                                      "Revision = 2;\n"
                                      "Assem7 =\n"
                                      "\t      \"Out\",\n"
                                      "\t      \"20 04 24 07 30 03\",\n"
                                      "\t      4,\n"
                                      "\t      0x0000,\n"
                                      "\t      ,,\n"
                                      "\t      16,Param1, $ first\n"
                                      "\t      16,Param2;\n"
                                      "Assem3 = \"Old\",\"\",2,0x0001,,,16,Param3;\n"
                                      "Assem3 = \"In\",\"\",2,0x0001,,,16,Param4;\n");
    EXPECT_EQ(model.AssemblySection.Revision, "2");
    const auto& assemblies = model.AssemblySection.Assemblies;
    ASSERT_EQ(assemblies.size(), 2u);
    EXPECT_EQ(assemblies[0].Number, 3);
    EXPECT_EQ(assemblies[0].Name, "\"In\"");
    EXPECT_EQ(assemblies[1].Number, 7);
    EXPECT_EQ(assemblies[1].Path, "\"20 04 24 07 30 03\"");
    EXPECT_EQ(assemblies[1].Size, "4");
    EXPECT_EQ(assemblies[1].Data, "0x0000");
    EXPECT_EQ(assemblies[1].MemberSizes, (std::vector<std::string>{"16", "16"}));
    EXPECT_EQ(assemblies[1].MemberReferences, (std::vector<std::string>{"Param1", "Param2"}));
}

struct AssemblyCase {
    const char* entry;
    std::vector<std::string> sizes;
    std::vector<std::string> references;
};

class AssemblyFieldsTest : public testing::TestWithParam<AssemblyCase> {};

// Whatever the reserved fields hold, members start behind them.
TEST_P(AssemblyFieldsTest, MembersAreThePairsBehindTheTwoReservedFields) {
    const CEtherNetIPEDS model = Read(std::string("[Assembly]\n") + GetParam().entry + "\n");
    ASSERT_EQ(model.AssemblySection.Assemblies.size(), 1u);
    const AssemblyEntry& assembly = model.AssemblySection.Assemblies[0];
    EXPECT_EQ(assembly.Name, "\"A\"");
    EXPECT_EQ(assembly.MemberSizes, GetParam().sizes);
    EXPECT_EQ(assembly.MemberReferences, GetParam().references);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, AssemblyFieldsTest,
    testing::Values(AssemblyCase{"Assem1 = \"A\",\"\",4,0x0,,,8,Param1;", {"8"}, {"Param1"}},
                    AssemblyCase{"Assem1 = \"A\",\"\",4,0x0,7,\"r\",8,Param1;", {"8"}, {"Param1"}},
                    AssemblyCase{"Assem1 = \"A\",\"\",4,0x0,,;", {}, {}},
                    AssemblyCase{"Assem1 = \"A\",\"\",4,0x0;", {}, {}},
                    AssemblyCase{"Assem1 = \"A\";", {}, {}},
                    AssemblyCase{"Assem1 = \"A\",,,,,,8,Param1,16;", {"8", "16"}, {"Param1", ""}},
                    AssemblyCase{"Assem1 = \"A\",,,,,,\"x,y\",Assem2;", {"\"x,y\""}, {"Assem2"}}));

struct RackCase {
    const char* entry;
    const char* slots;
};

class RackFieldsTest : public testing::TestWithParam<RackCase> {};

TEST_P(RackFieldsTest, LegalSlotsFollowTheThreeReservedFields) {
    const CEtherNetIPEDS model = Read(std::string("[Modular]\nWidth = 2;\n") + GetParam().entry);
    EXPECT_EQ(model.ModularSection.Width, "2");
    ASSERT_EQ(model.ModularSection.Racks.size(), 1u);
    const RackEntry& rack = model.ModularSection.Racks[0];
    EXPECT_EQ(rack.VendorID, "1");
    EXPECT_EQ(rack.ProductCode, "0x149");
    EXPECT_EQ(rack.MinorRevision, "5");
    EXPECT_EQ(rack.LegalSlots, GetParam().slots);
}

INSTANTIATE_TEST_SUITE_P(Shapes, RackFieldsTest,
                         testing::Values(RackCase{"Rack1 =\n\t\t1,0x6c,0x149,1,5,,,,\n\t\t0;", "0"},
                                         RackCase{"Rack1 = 1,0x6c,0x149,1,5,,,,1,2,3;", "1,2,3"},
                                         RackCase{"Rack1 = 1,0x6c,0x149,1,5,0;", "0"},
                                         RackCase{"Rack1 = 1,0x6c,0x149,1,5;", ""},
                                         RackCase{"Rack1 = 1,0x6c,0x149,1,5,a,b,c,\"9;\";",
                                                  "\"9\""}));

TEST(LoadEtherNetIPEDS, ConnectionsJoinTheirFieldGroups) {
    const CEtherNetIPEDS model = Read("[Connection Manager]\n"
                                      "Connection9 =\n"
                                      "\t0x04010002,\t$ trigger\n"
                                      "\t0x44640405,\n"
                                      "\tParam2,4,Assem100,\n"
                                      "\tParam2,6,Assem150,\n"
                                      "\t,,\n"
                                      "\t8,Assem151,\n"
                                      "\t\"Exclusive Owner\",\n"
                                      "\t\"\",\n"
                                      "\t\"20 04 24 01 2C 64 2C 96\";\n"
                                      "Connection2 = 0x1,0x2,,,,,,,,,,,\"Short\";\n");
    const auto& connections = model.ConnectionManagerSection.Connections;
    ASSERT_EQ(connections.size(), 2u);
    EXPECT_EQ(connections[0].Number, 2);
    EXPECT_EQ(connections[0].String5, "\"Short\"");
    EXPECT_EQ(connections[0].Path, "");
    const ConnectionEntry& owner = connections[1];
    EXPECT_EQ(owner.Hex1, "0x04010002");
    EXPECT_EQ(owner.Hex2, "0x44640405");
    EXPECT_EQ(owner.String1, "Param2,4,Assem100");
    EXPECT_EQ(owner.String2, "Param2,6,Assem150");
    EXPECT_EQ(owner.String3, ",");
    EXPECT_EQ(owner.String4, "8,Assem151");
    EXPECT_EQ(owner.String5, "\"Exclusive Owner\"");
    EXPECT_EQ(owner.String6, "\"\"");
    EXPECT_EQ(owner.Path, "\"20 04 24 01 2C 64 2C 96\"");
}

TEST(LoadEtherNetIPEDS, PortsTSpecsAndParametersAreRead) {
    const CEtherNetIPEDS model = Read("[Port]\n"
                                      "Port5 = TCP,\"Port A\",\"20 F5 24 01\",2;\n"
                                      "Port1 = TCP,\"Port B\",\"20 F5 24 02\",3;\n"
                                      "[Capacity]\n"
                                      "TSpec4 = TxRx, 8, 1000;\n"
                                      "TSpec2 = Rx, 2, 10;\n"
                                      "[Params]\n"
                                      "Param1 = 0,,,0x02,0xC7,2,\"Speed\",\"rpm\",\"\",0,10,0,"
                                      "1,1,1,0,,,,,0;\n"
                                      "[EnumPar]\n"
                                      "Param1 = \"Off\",\"On\";\n"
                                      "[Groups]\n"
                                      "Group1 = \"Setup\",1,1;\n");
    ASSERT_EQ(model.Ports.size(), 2u);
    EXPECT_EQ(model.PortAt(0)->PortName, "\"Port A\"");
    EXPECT_EQ(model.PortAt(1)->PortNumber, "3");
    const auto& tspecs = model.CapacitySection.TSpecs;
    ASSERT_EQ(tspecs.size(), 2u);
    EXPECT_EQ(tspecs[0].TxRx, "Rx");
    EXPECT_EQ(tspecs[1].ConnSize, "8");
    EXPECT_EQ(tspecs[1].PacketsPerSec, "1000");
    ASSERT_EQ(model.ParamCount(), 1u);
    EXPECT_EQ(model.ParamAt(0)->ParameterName, "\"Speed\"");
    EXPECT_EQ(model.ParamAt(0)->EnumStrings, (std::vector<std::string>{"\"Off\"", "\"On\""}));
    EXPECT_EQ(model.ParamAt(0)->Group, 1);
    EXPECT_EQ(model.GroupNames, std::vector<std::string>{"\"Setup\""});
}

TEST(LoadEtherNetIPEDS, AnEntryCutOffByTheEndIsDroppedAndNoted) {
    ReaderDiagnostics diagnostics;
    const CEtherNetIPEDS model = Read("[Assembly]\n"
                                      "Assem1 = \"A\",\"\",4,0x0,,,8,Param1;\n"
                                      "Assem2 = \"B\",\"\",4,0x0,,,\n"
                                      "         8,Param2,\n",
                                      &diagnostics);
    ASSERT_EQ(model.AssemblySection.Assemblies.size(), 1u);
    EXPECT_EQ(model.AssemblySection.Assemblies[0].Name, "\"A\"");
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0].line, 3);
}

TEST(LoadEtherNetIPEDS, PathFormReportsAFileThatCannotBeRead) {
    test::TempFolder folder;
    CEtherNetIPEDS model;
    std::string error;
    EXPECT_FALSE(LoadEtherNetIPEDS(model, folder.File("missing.eds"), error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_EQ(model.Header.Title, "missing");
    EXPECT_EQ(model.FileSection.SectionName, "");

    test::WriteFile(folder.path() / "a.eds", "[File]\r\nRevision = 3;\r\n");
    EXPECT_TRUE(LoadEtherNetIPEDS(model, folder.File("a.eds"), error));
    EXPECT_EQ(model.FileSection.Revision, "3");
}

} // namespace
} // namespace corvid
