// What an EtherNet/IP file holds beyond the model: numbered entries keep
// the numbers their keys give them, so every reference still names the same
// entry after a save; entries and sections the reader does not read come
// back as written; a byte-order mark is kept.

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using Strings = std::vector<std::string>;

CEtherNetIPEDS Read(std::string_view text, ReaderDiagnostics* notes = nullptr) {
    CEtherNetIPEDS model;
    LoadEtherNetIPEDSText(model, text, "adapter.eds", notes);
    return model;
}

const std::string kAdapter = "\xEF\xBB\xBF"
                             "[File]\n"
                             "  Revision = 1.1;\n"
                             "[Params]\n"
                             "  Param1 = 0,,,0x0000,0xC7,2,\"A\",\"\",\"\",0,1,0,,,,,,,,,;\n"
                             "  Param999 = 0,,,0x0000,0xC7,2,\"B\",\"\",\"\",0,1,0,,,,,,,,,;\n"
                             "  Enum999 = 0,\"Off\";\n"
                             "[Groups]\n"
                             "  Group1 = \"G\",1,999;\n"
                             "[Assembly]\n"
                             "  Object_Name = \"Assembly Object\";\n"
                             "  Assem150 = \"Out\",\"\",2,0x0000,,,16,Param999;\n"
                             "  Assem100 = \"In\",\"\",2,0x0000,,,16,Param1;\n"
                             "  AssemExa1 = 1,2;\n"
                             "[1_ALARM]  $ vendor\n"
                             "  _LIST = 1,\n"
                             "     2;\n"
                             "\n"
                             "[Port]\n"
                             "  Port4 = TCP,\"A\",\"20 F5\",2;\n"
                             "[Connection Manager]\n"
                             "  Connection7 = 0x1,0x2,Param999,2,Assem150,Param1,2,Assem100,,,,,"
                             "\"C\",\"\",\"20 04 24 [Assem100]\";\n"
                             "  Object_Class_Code = 0x06;\n"
                             "[Capacity]\n"
                             "  TSpec9 = TxRx, 2, 10;\n"
                             "  MaxIOConnections = 4;\n"
                             "[Certificate Management Class]\n"
                             "  Revision = 1;\n"
                             "[QoS Class]\n"
                             "  Revision = 1;\n";

TEST(EtherNetIPKeptLines, NumbersFromTheKeysAreWrittenSoReferencesHold) {
    const std::string once = FormatEtherNetIPEDS(Read(kAdapter));
    for (const char* line :
         {"\tParam999=\r\n", "\tGroup1=  \"G\",         1,   999; \r\n", "\tAssem100=\r\n",
          "\tAssem150=\r\n", "\t      16,Param999;\r\n", "\tPort4=\r\n", "\tConnection7=\r\n",
          "\t\tParam999,2,Assem150,\r\n", "\tTSpec9= TxRx, 2, 10;\r\n"})
        EXPECT_NE(once.find(line), std::string::npos) << line;
    EXPECT_LT(once.find("\tAssem100="), once.find("\tAssem150="));
    EXPECT_EQ(FormatEtherNetIPEDS(Read(once)), once);
}

// A number past what the model holds would come back negative, and the
// entry would move on every save: it is kept as written instead.
TEST(EtherNetIPKeptLines, NumbersTooLargeForTheModelKeepTheirEntry) {
    const CEtherNetIPEDS model = Read("[Modular]\nRack4294967288 = 1,2,\"B\";\nRack2 = 1,2;\n"
                                      "[Port]\nPort2147483648 = TCP,\"A\";\n");
    ASSERT_EQ(model.ModularSection.Racks.size(), 1u);
    EXPECT_EQ(model.ModularSection.Racks[0].Number, 2);
    EXPECT_TRUE(model.Ports.empty());
    EXPECT_EQ(model.Kept.EntriesOf("Modular"), Strings{"Rack4294967288 = 1,2,\"B\";"});
    const std::string once = FormatEtherNetIPEDS(model);
    EXPECT_EQ(FormatEtherNetIPEDS(Read(once)), once);
}

TEST(EtherNetIPKeptLines, EntriesAtTheEndOfTheirSectionSectionsAfterTheirPredecessor) {
    const CEtherNetIPEDS model = Read(kAdapter);
    EXPECT_TRUE(model.Kept.ByteOrderMark);
    EXPECT_EQ(model.Kept.EntriesOf("Params"), Strings{"  Enum999 = 0,\"Off\";"});
    EXPECT_EQ(model.Kept.EntriesOf("Assembly"),
              (Strings{"  Object_Name = \"Assembly Object\";", "  AssemExa1 = 1,2;"}));
    const std::string once = FormatEtherNetIPEDS(model);
    EXPECT_EQ(once.rfind("\xEF\xBB\xBF$ HALVARD ELECTRONIC, INC.\r\n", 0), 0u);
    EXPECT_NE(once.find("\t      16,Param999;\r\n  Object_Name = \"Assembly Object\";\r\n"
                        "  AssemExa1 = 1,2;\r\n\r\n[1_ALARM]  $ vendor\r\n  _LIST = 1,\r\n"
                        "     2;\r\n\r\n[Port]\r\n"),
              std::string::npos);
    EXPECT_NE(once.find("\t\t\"20 04 24 [Assem100]\";\r\n\r\n  Object_Class_Code = 0x06;\r\n\r\n"
                        "[Capacity]"),
              std::string::npos);
    EXPECT_NE(once.find("\tTSpec9= TxRx, 2, 10;\r\n  MaxIOConnections = 4;\r\n\r\n"),
              std::string::npos);
    // Its predecessor, [Capacity], is not the last section written: the
    // kept section follows it all the same.
    EXPECT_NE(once.find("  MaxIOConnections = 4;\r\n\r\n[Certificate Management Class]\r\n"
                        "  Revision = 1;\r\n\r\n[QoS Class]\r\n"),
              std::string::npos);
}

TEST(EtherNetIPKeptLines, ReaderNotesWhatItKeptWithItsLine) {
    ReaderDiagnostics notes;
    Read(kAdapter, &notes);
    Strings texts;
    for (const ReaderDiagnostic& note : notes)
        texts.push_back(std::to_string(note.line) + ": " + note.text);
    EXPECT_EQ(texts, (Strings{"6: entry not read, kept as written: Enum999 in [Params]",
                              "10: entry not read, kept as written: Object_Name in [Assembly]",
                              "13: entry not read, kept as written: AssemExa1 in [Assembly]",
                              "14: section not read, kept as written: [1_ALARM]  $ vendor",
                              "22: entry not read, kept as written: Object_Class_Code in "
                              "[Connection Manager]",
                              "25: entry not read, kept as written: MaxIOConnections in [Capacity]",
                              "26: section not read, kept as written: "
                              "[Certificate Management Class]"}));
}

// Editors number what they add after the highest number in use; ports
// without a number are written after the numbered ones.
TEST(EtherNetIPKeptLines, NextFreeNumbers) {
    CEtherNetIPEDS model = Read(kAdapter);
    EXPECT_EQ(NextFreeAssemblyNumber(model), 151);
    EXPECT_EQ(NextFreeConnectionNumber(model), 8);
    EXPECT_EQ(NextFreeRackNumber(model), 1);
    EXPECT_EQ(NextFreeTSpecNumber(model), 10);
    EXPECT_EQ(NextFreePortNumber(model), 5);
    EXPECT_EQ(NextFreeParamNumber(model.Params), 1000u);
    model.Ports.push_back(std::make_unique<PortEntry>());
    model.Ports.push_back(std::make_unique<PortEntry>(PortEntry{"", "", "", "", 4}));
    EXPECT_EQ(PortNumbers(model), (std::vector<uint32_t>{4, 5, 6}));
}

} // namespace
} // namespace corvid
