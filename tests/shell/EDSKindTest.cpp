#include "door/EDSKind.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

struct KindCase {
    const char* name;
    const char* text;
    EDSKind kind;
};

class DetectEDSKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(DetectEDSKindTest, Kind) {
    EXPECT_EQ(DetectEDSKindText(GetParam().name, GetParam().text), GetParam().kind);
}

// The plain cases (each kind, names not ending in .eds or .EDS, a file of
// two kinds or of too few sections) are opened in EDSDocTest.
INSTANTIATE_TEST_SUITE_P(
    Table, DetectEDSKindTest,
    testing::Values(
        KindCase{"a.eds", "[FileInfo]\n[DeviceInfo]\n[1000]\n", EDSKind::CANopen},
        // A byte-order mark does not hide the first section.
        KindCase{"a.eds", "\xEF\xBB\xBF[FileInfo]\n[DeviceInfo]\n", EDSKind::CANopen},
        KindCase{"a.eds", "\xEF\xBB\xBF[File]\n[Device]\n", EDSKind::DeviceNet},
        // Section names are compared exactly.
        KindCase{"a.eds", "[file]\n[device]\n", EDSKind::Unknown},
        // EtherNet/IP files without [DLR Class].
        KindCase{"a.eds", "[File]\n[Device]\n[Connection Manager]\n", EDSKind::EtherNetIP},
        KindCase{"a.eds", "[File]\n[Device]\n[TCP/IP Interface Class]\n", EDSKind::EtherNetIP},
        KindCase{"a.eds", "[File]\n[Device]\n[Ethernet Link Class]\n", EDSKind::EtherNetIP},
        KindCase{"a.eds", "[File]\n[Device]\n[Device Classification]\n\tClass1 = EtherNetIP;\n",
                 EDSKind::EtherNetIP},
        KindCase{"a.eds",
                 "[File]\n[Device]\n[Device Classification]\nClass1 = DeviceNet; $ not "
                 "EtherNetIP\nClass2 = EtherNetIPX;\n",
                 EDSKind::DeviceNet},
        // CR LF line ends, blanks around a header and its name, a header
        // without "]", and a file without a line end at its last line.
        KindCase{"a.eds", " [ FileInfo ] \r\n\t[DeviceInfo\r\n", EDSKind::CANopen},
        // A "[" after other text on its line starts no section.
        KindCase{"a.eds",
                 "[File]\n[Device]\nName = \"x [DLR Class]\"\n;[FileInfo]\n [a] [FileInfo]\n",
                 EDSKind::DeviceNet},
        KindCase{"a.eds", "[File]\r\n[Device]\r\n[Device Classification]\r\nClass1=EtherNetIP",
                 EDSKind::EtherNetIP},
        // Only the first classification section is looked into, and only
        // up to the next section.
        KindCase{"a.eds",
                 "[File]\n[Device]\n[device classification]\nClass1=DeviceNet;\n"
                 "[Device Classification]\nClass1=EtherNetIP;\n",
                 EDSKind::DeviceNet},
        KindCase{"a.eds",
                 "[File]\n[Device]\n[Device Classification]\nClass1=DeviceNet;\n[Tools]\n"
                 "Class1=EtherNetIP;\n",
                 EDSKind::DeviceNet}));

TEST(DetectEDSKind, SectionsBeyondTheOldNameListAreSeen) {
    std::string text = "[File]\n[Device]\n";
    for (int i = 0; i < 200; ++i)
        text += "[Param Section With A Long Name " + std::to_string(i) + "]\n";
    text += "[DLR Class]\n";
    EXPECT_EQ(DetectEDSKindText("big.eds", text), EDSKind::EtherNetIP);
}

// The reasons for a missing file and a folder are logged in
// EDSDocTest.OpenPaths_NamesUnreadableFilesWithTheReason.
TEST(DetectEDSKind, GivesAReasonForAPathEndingInASlash) {
    test::TempFolder folder;
    std::string error;
    EXPECT_EQ(DetectEDSKind(folder.path().string() + "/x.eds/", error), EDSKind::Unknown);
    EXPECT_FALSE(error.empty());
}

TEST(HoldsSectionsOfKind, SectionsTheReaderOfTheKindReads) {
    const std::string canopenWithoutFileInfo = "[2000]\nParameterName=P\n";
    EXPECT_TRUE(HoldsSectionsOfKind(canopenWithoutFileInfo, EDSKind::CANopen));
    EXPECT_TRUE(HoldsSectionsOfKind("[1a00sub1]\n", EDSKind::CANopen));
    EXPECT_TRUE(HoldsSectionsOfKind("\xEF\xBB\xBF[optionalobjects]\n", EDSKind::CANopen));
    EXPECT_FALSE(HoldsSectionsOfKind(canopenWithoutFileInfo, EDSKind::DeviceNet));
    EXPECT_FALSE(HoldsSectionsOfKind("[File]\n[Device]\n[Tools]\n", EDSKind::CANopen));
    EXPECT_TRUE(HoldsSectionsOfKind("[File]\n", EDSKind::EtherNetIP));
    EXPECT_FALSE(HoldsSectionsOfKind("", EDSKind::DeviceNet));
}

TEST(DetectEDSKind, CorpusFilesOfEachFolder) {
    // Every EtherNet/IP file of the corpus is recognised, with or without
    // [DLR Class]; DeviceNet files stay DeviceNet.
    std::string error;
    for (const auto& [folderName, kind] : {std::pair{"ethernetip", EDSKind::EtherNetIP},
                                           std::pair{"devicenet", EDSKind::DeviceNet}}) {
        const auto folder = test::CorpusFolder(folderName);
        if (folder.empty())
            GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << ": skipped";
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            EXPECT_EQ(DetectEDSKind(entry.path().string(), error), kind) << entry.path();
    }
}

} // namespace
} // namespace corvid
