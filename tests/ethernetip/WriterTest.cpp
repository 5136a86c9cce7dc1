// The EtherNet/IP writer's layout, byte for byte, and its round trip
// through the reader.

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "EDSWriterLayout.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::CrLf;

const std::string kHeader = test::EmptyHeaderComment("EthernetIP");

std::string ClassLines(const char* revision = "", const char* maxInst = "") {
    return CrLf({std::string("\tRevision=") + revision + ";",
                 std::string("\tMaxInst=") + maxInst + ";", "\tNumber_Of_Static_Instances=;",
                 "\tMax_Number_Of_Dynamic_Instances=;"});
}

// Everything behind [Modular] for a model that has nothing there.
std::string EmptyClassSections() {
    return CrLf({"[DLR Class]"}) + ClassLines() + CrLf({"\tRing_Supervisor_Capable =;", ""}) +
           CrLf({"[TCP/IP Interface Class]"}) + ClassLines() + CrLf({""}) +
           CrLf({"[Ethernet Link Class]"}) + ClassLines() +
           CrLf({"\tInterfaceLabel1=;", "\tInterfaceLabel2=;", "\tInterfaceType1=;",
                 "\tInterfaceType2=;", ""}) +
           CrLf({"[Connection Manager]"}) + ClassLines() + CrLf({"", ""}) +
           CrLf({"[Capacity]", "\tMaxCIPConnections=;", "\t1_NumberOfTCPIPConnections=;",
                 "\t1_TCPIPConnectionReuseTime=;", "\t1_TCPIPCIPInactivityTimeout=;",
                 "\t1_TCPIPInactivityTimeout=;", ""}) +
           CrLf({"[QoS Class]"}) + ClassLines() + CrLf({""}) + CrLf({"[Identity Class]"}) +
           ClassLines() + CrLf({""}) + CrLf({"[Message Router Class]"}) + ClassLines() +
           CrLf({""}) + CrLf({"[File Class]"}) + ClassLines() + CrLf({""});
}

TEST(FormatEtherNetIPEDS, EmptyModelWritesEverySectionThatIsAlwaysWritten) {
    const std::string expected = kHeader + test::EmptyIdentitySections() +
                                 CrLf({"[Device Classification]", "", "", "", "[Assembly]",
                                       "\tRevision=;", "", "", "[Modular]", "\tWidth=;", ""}) +
                                 EmptyClassSections();
    EXPECT_EQ(FormatEtherNetIPEDS(CEtherNetIPEDS{}), expected);
}

CEtherNetIPEDS FullModel() {
    CEtherNetIPEDS model;
    model.Header.Module = "EIP-1";
    model.FileSection = {{"File", "\"Adapter\"", "01-02-2024", "10:00:00", "", "", "1.1"},
                         "\"http://x\""};
    model.DeviceSection = {
        {"Device", 26, "\"Maker\"", 12, "\"Drive\"", 26, 2, 3, "\"AC-1\"", "\"AC-1-E\""},
        "\"a.ico\""};
    // Class numbers in no particular order, with a gap.
    model.DeviceClassification = {{2, 1, "B1"}, {1, 2, "EtherNetIP"}, {5, 3, "E"}, {2, 4, "B2"}};
    AssemblyEntry out;
    out.Number = 100;
    out.Name = "\"Out\"";
    out.Path = "\"20 04\"";
    out.Size = "4";
    out.Data = "0x0000";
    out.MemberSizes = {"16", "16"};
    out.MemberReferences = {"Param1", "Param2"};
    AssemblyEntry empty;
    empty.Number = 150;
    empty.Name = "\"Empty\"";
    model.AssemblySection.Revision = "2";
    model.AssemblySection.Assemblies = {out, empty};
    model.Ports.push_back(std::make_unique<PortEntry>(PortEntry{"TCP", "\"A\"", "\"20 F5\"", "2"}));
    model.ModularSection.Width = "1";
    model.ModularSection.Racks = {{7, "1", "0x6c", "0x149", "1", "2", "0"}};
    ConnectionEntry connection;
    connection.Number = 40;
    connection.Hex1 = "0x1";
    connection.Hex2 = "0x2";
    connection.String1 = "Param1,4,Assem100";
    connection.String2 = "Param1,0,";
    connection.String3 = ",";
    connection.String4 = ",";
    connection.String5 = "\"Owner\"";
    connection.String6 = "\"\"";
    connection.Path = "\"20 04\"";
    model.ConnectionManagerSection.Revision = "1";
    model.ConnectionManagerSection.Connections = {connection};
    model.CapacitySection.TSpecs = {{3, "TxRx", "8", "1000"}};
    model.CapacitySection.MaxCIPConnections = "4";
    model.IdentityClass.Revision = "1";
    return model;
}

TEST(FormatEtherNetIPEDS, FullModelLayout) {
    const std::string expected =
        CrLf({"$ HALVARD ELECTRONIC, INC.",
              "",
              "$ Network: EthernetIP",
              "$ Modlue:EIP-1",
              "$ Device:",
              "$ Model:",
              "$ Create by Corvid software",
              "",
              "[File]",
              "\tDescText=\"Adapter\";",
              "\tCreateDate=01-02-2024;",
              "\tCreateTime=10:00:00;",
              "\tModDate=;",
              "\tModTime=;",
              "\tRevision=1.1;",
              "\tHomeURL=\"http://x\";",
              "",
              "[Device]",
              "\tVendCode=26;",
              "\tVendName=\"Maker\";",
              "\tProdType=12;",
              "\tProdTypeStr=\"Drive\";",
              "\tProdCode=0x001A;",
              "\tMajRev=2;",
              "\tMinRev=3;",
              "\tProdName=\"AC-1\";",
              "\tCatalog=\"AC-1-E\";",
              "\tIcon=\"a.ico\";",
              "",
              "[Device Classification]",
              "\tClass1 = EtherNetIP;",
              "\tClass2 = B1, B2;",
              "\tClass5 = E;",
              "",
              "",
              "",
              "[Assembly]",
              "\tRevision=2;",
              "\tAssem100=",
              "\t      \"Out\",",
              "\t      \"20 04\",",
              "\t      4,",
              "\t      0x0000,",
              "\t      ,,",
              "\t      16,Param1,",
              "\t      16,Param2;",
              "\tAssem150=",
              "\t      \"Empty\",",
              "\t      ,",
              "\t      ,",
              "\t      ,",
              "\t      ,;",
              "",
              "[Port]",
              "\tPort1=",
              "\t\tTCP,",
              "\t\t\"A\",",
              "\t\t\"20 F5\",",
              "\t\t2;",
              "",
              "",
              "[Modular]",
              "\tWidth=1;",
              "\tRack7=",
              "\t\t1,0x6c,0x149,1,2,,,,",
              "\t\t0;",
              "",
              "[DLR Class]"}) +
        ClassLines() + CrLf({"\tRing_Supervisor_Capable =;", "", "[TCP/IP Interface Class]"}) +
        ClassLines() + CrLf({"", "[Ethernet Link Class]"}) + ClassLines() +
        CrLf({"\tInterfaceLabel1=;", "\tInterfaceLabel2=;", "\tInterfaceType1=;",
              "\tInterfaceType2=;", "", "[Connection Manager]"}) +
        ClassLines("1") +
        CrLf({"",
              "\tConnection40=",
              "\t\t0x1,",
              "\t\t0x2,",
              "\t\tParam1,4,Assem100,",
              "\t\tParam1,0,,",
              "\t\t,,",
              "\t\t,,",
              "\t\t\"Owner\",",
              "\t\t\"\",",
              "\t\t\"20 04\";",
              "",
              "",
              "[Capacity]",
              "\tTSpec3= TxRx, 8, 1000;",
              "\tMaxCIPConnections=4;",
              "\t1_NumberOfTCPIPConnections=;",
              "\t1_TCPIPConnectionReuseTime=;",
              "\t1_TCPIPCIPInactivityTimeout=;",
              "\t1_TCPIPInactivityTimeout=;",
              "",
              "[QoS Class]"}) +
        ClassLines() + CrLf({"", "[Identity Class]"}) + ClassLines("1") +
        CrLf({"", "[Message Router Class]"}) + ClassLines() + CrLf({"", "[File Class]"}) +
        ClassLines() + CrLf({""});
    EXPECT_EQ(FormatEtherNetIPEDS(FullModel()), expected);
}

TEST(FormatEtherNetIPEDS, WhatItWritesReadsBackToTheSameModelAndBytes) {
    const CEtherNetIPEDS model = FullModel();
    const std::string once = FormatEtherNetIPEDS(model);
    CEtherNetIPEDS read;
    LoadEtherNetIPEDSText(read, once, "a.eds");
    EXPECT_EQ(FormatEtherNetIPEDS(read).substr(kHeader.size()), once.substr(once.find("[File]")));

    ASSERT_EQ(read.AssemblySection.Assemblies.size(), 2u);
    EXPECT_EQ(read.AssemblySection.Assemblies[0].Number, 100);
    EXPECT_TRUE(read.AssemblySection.Assemblies[1].MemberSizes.empty());
    EXPECT_TRUE(read.AssemblySection.Assemblies[1].MemberReferences.empty());
    EXPECT_EQ(read.ModularSection.Racks.at(0).LegalSlots, "0");
    EXPECT_EQ(read.ConnectionManagerSection.Connections.at(0).String2, "Param1,0,");
    ASSERT_EQ(read.DeviceClassification.size(), 4u);
    EXPECT_EQ(read.DeviceClassification[2].Value, "B2");
    EXPECT_EQ(read.DeviceClassification[3].Number, 5);
}

TEST(WriteEtherNetIPEDS, SavesTheFormattedBytesOrReportsWhyNot) {
    test::TempFolder folder;
    const CEtherNetIPEDS model = FullModel();
    std::string error;
    ASSERT_TRUE(WriteEtherNetIPEDS(model, folder.File("a.eds"), error));
    EXPECT_EQ(test::ReadFile(folder.path() / "a.eds"), FormatEtherNetIPEDS(model));
    EXPECT_FALSE(WriteEtherNetIPEDS(model, folder.File("missing/a.eds"), error));
    EXPECT_EQ(error, "No such file or directory");
}

} // namespace
} // namespace corvid
