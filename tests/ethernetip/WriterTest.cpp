// The EtherNet/IP writer's layout, byte for byte, and its round trip
// through the reader.

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "EDSWriterLayout.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

TEST(FormatEtherNetIPEDS, EmptyModelWritesEverySectionThatIsAlwaysWritten) {
    EXPECT_EQ(FormatEtherNetIPEDS(CEtherNetIPEDS{}), test::WrittenFile("ethernetip-empty.eds"));
}

// A file that was read gets back the keywords and sections it gave and none
// it did not: other tools stop on empty keywords such as
// 1_NumberOfTCPIPConnections, or report them as unknown.
TEST(FormatEtherNetIPEDS, ReadFileGetsNothingInvented) {
    const std::string input = "[File]\n  DescText = \"A\";\n[Device]\n  VendCode = 1;\n"
                              "[Capacity]\n  TSpec1 = TxRx, 8, 100;\n"
                              "[DLR Class]\n  Revision = 3;\n"
                              "[Ethernet Link Class]\n  InterfaceLabel1 = \"port 1\";\n";
    CEtherNetIPEDS model;
    LoadEtherNetIPEDSText(model, input, "a.eds");
    const std::string text = FormatEtherNetIPEDS(model);
    EXPECT_NE(text.find("[Capacity]\r\n\tTSpec1= TxRx, 8, 100;\r\n\r\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("[DLR Class]\r\n\tRevision=3;\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Ethernet Link Class]\r\n\tInterfaceLabel1=\"port 1\";\r\n\r\n"),
              std::string::npos);
    for (const char* invented :
         {"Catalog", "ModDate", "ModTime", "HomeURL", "Icon", "[Device Classification]",
          "MaxCIPConnections", "1_NumberOfTCPIPConnections", "Ring_Supervisor_Capable", "MaxInst",
          "InterfaceType1", "[Assembly]", "[Modular]", "[Connection Manager]", "[QoS Class]",
          "[Identity Class]", "[Message Router Class]", "[File Class]", "[TCP/IP Interface Class]"})
        EXPECT_EQ(text.find(invented), std::string::npos) << invented;

    CEtherNetIPEDS again;
    LoadEtherNetIPEDSText(again, text, "a.eds");
    EXPECT_EQ(FormatEtherNetIPEDS(again), text);
}

CEtherNetIPEDS FullModel() {
    CEtherNetIPEDS model;
    model.Header.Module = "EIP-1";
    model.FileSection = {
        {"File", "\"Adapter\"", "01-02-2024", "10:00:00", "", "", "1.1", {}}, "\"http://x\"", {}};
    model.DeviceSection = {
        {"Device", 26, "\"Maker\"", 12, "\"Drive\"", 26, 2, 3, "\"AC-1\"", "\"AC-1-E\"", {}},
        "\"a.ico\"",
        {}};
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
    EXPECT_EQ(FormatEtherNetIPEDS(FullModel()), test::WrittenFile("ethernetip-full-model.eds"));
}

TEST(FormatEtherNetIPEDS, WhatItWritesReadsBackToTheSameModelAndBytes) {
    const CEtherNetIPEDS model = FullModel();
    const std::string once = FormatEtherNetIPEDS(model);
    CEtherNetIPEDS read;
    LoadEtherNetIPEDSText(read, once, "a.eds");
    // The header comment's module, device and model lines read back too.
    EXPECT_EQ(FormatEtherNetIPEDS(read), once);

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
