// How the reader finds sections and keys in the file's own bytes: a header
// is a line that starts with "[" after blanks, the first section of a name
// (in any letter case) is the one read wherever the file puts it, and keys
// match whatever their spelling and blanks.

#include "canopen/CANopenReader.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

struct Read {
    CCANopenEDS model;
    ReaderDiagnostics notes;
};

Read ReadText(const std::string& text) {
    Read read;
    LoadCANopenEDSText(read.model, text, "s.eds", &read.notes);
    return read;
}

const CANopenObject& Sub(const CCANopenEDS& model, size_t object, size_t sub) {
    return model.Objects.at(object).SubObjects.at(sub);
}

TEST(ReaderScan, OnlyLinesStartingWithABracketAreHeaders) {
    const Read read = ReadText("[2000]\nParameterName=a [b] c\n  [x]=not a key\n"
                               "ObjectType=0x7\n\r[Tools]\nDataType=0x0007\n\t [2001] \r\n"
                               "ParameterName=last line without end");
    ASSERT_EQ(read.model.Objects.size(), 2u);
    // "  [x]=..." is a header of its own; "\r[Tools]" is not, so the
    // DataType after it still belongs to [2000].
    EXPECT_EQ(read.model.Objects[0].ParameterName, "a [b] c");
    EXPECT_EQ(read.model.Objects[0].ObjectType, kNoObjectType);
    EXPECT_EQ(read.model.Objects[1].ParameterName, "last line without end");
    ASSERT_EQ(read.model.KeptSections.size(), 1u);
    EXPECT_EQ(read.model.KeptSections[0].Header, "  [x]=not a key");
    EXPECT_EQ(read.model.KeptSections[0].Lines,
              (std::vector<std::string>{"ObjectType=0x7", "\r[Tools]", "DataType=0x0007"}));
}

TEST(ReaderScan, TheFirstSectionOfANameIsReadWhereverItStands) {
    // The sub-indexes stand apart from their object and out of order, and
    // a second [2000SUB1] follows the object directly, where a reader that
    // looks next door first would meet it before the first one.
    const Read read = ReadText("[2000sub1]\nParameterName=first\n"
                               "[2000sub0]\nParameterName=count\n"
                               "[OptionalObjects]\nSupportedObjects=1\n1=0x2000\n"
                               "[2000]\nSubNumber=2\nObjectType=9\n"
                               "[2000SUB1]\nParameterName=second\n");
    ASSERT_EQ(read.model.Objects.size(), 1u);
    ASSERT_EQ(read.model.Objects[0].SubObjects.size(), 2u);
    EXPECT_EQ(Sub(read.model, 0, 0).ParameterName, "count");
    EXPECT_EQ(Sub(read.model, 0, 1).ParameterName, "first");
    ASSERT_EQ(read.model.KeptSections.size(), 1u);
    EXPECT_EQ(read.model.KeptSections[0].Header, "[2000SUB1]");
    EXPECT_EQ(read.model.KeptSections[0].After, "2000sub1");
}

TEST(ReaderScan, KeysMatchWhateverTheirCaseAndBlanks) {
    const Read read = ReadText("[fileinfo]\n FILE NAME = n.eds\n\tDescription\t=\td\n"
                               "[MANDATORYOBJECTS]\nsupported objects=2\n 1 =0x1000\n2=0x1001\n"
                               "[1000]\nparametername=Device type\nPDOMAPPING=1\nAccess Type=RO\n");
    EXPECT_EQ(read.model.FileInfo.FileName, "n.eds");
    EXPECT_EQ(read.model.FileInfo.Description, "d");
    ASSERT_EQ(read.model.Objects.size(), 2u);
    EXPECT_EQ(read.model.Objects[0].ParameterName, "Device type");
    EXPECT_TRUE(read.model.Objects[0].PDOMapping);
    EXPECT_EQ(read.model.Objects[0].AccessType, "ro");
    EXPECT_TRUE(read.model.Objects[0].KeptLines.empty());
}

// Record sections are found by their numbers: any letter case reads, but
// a name the writer would not give (leading zeros) is another section.
TEST(ReaderScan, RecordSectionsMatchTheWritersSpellingInAnyCase) {
    const Read read = ReadText("[OptionalObjects]\nSupportedObjects=1\n1=0x1A00\n"
                               "[1a00]\nSubNumber=2\n[1A00sub00]\nParameterName=zero\n"
                               "[1a00SUB0]\nParameterName=count\n[1A00sub1]\nParameterName=one\n"
                               "[01A00]\nParameterName=other\n[2a0f]\nParameterName=unlisted\n"
                               "[2A0F0]\nParameterName=too long\n");
    ASSERT_EQ(read.model.Objects.size(), 2u);
    ASSERT_EQ(read.model.Objects[0].SubObjects.size(), 2u);
    EXPECT_EQ(Sub(read.model, 0, 0).ParameterName, "count");
    EXPECT_EQ(Sub(read.model, 0, 1).ParameterName, "one");
    EXPECT_EQ(read.model.Objects[1].Index, 0x2A0F);
    EXPECT_EQ(read.model.Objects[1].ParameterName, "unlisted");
    ASSERT_EQ(read.model.KeptSections.size(), 3u);
    EXPECT_EQ(read.model.KeptSections[0].Header, "[1A00sub00]");
    EXPECT_EQ(read.model.KeptSections[0].After, "1A00");
    EXPECT_EQ(read.model.KeptSections[1].Header, "[01A00]");
    EXPECT_EQ(read.model.KeptSections[1].After, "1A00sub1");
    EXPECT_EQ(read.model.KeptSections[2].After, "2A0F");
}

// A kept section follows the section read before it under the name that
// one is written with, not as the file spells it.
TEST(ReaderScan, KeptSectionsFollowTheNameTheSectionBeforeIsWrittenWith) {
    const Read read = ReadText("[ fileinfo ]\r\nFileName=a.eds\r\n[Extra]\r\nA=1\r\n"
                               "[FILEINFO]\r\nFileName=b.eds\r\n[deviceinfo]\r\n[More]");
    EXPECT_EQ(read.model.FileInfo.FileName, "a.eds");
    ASSERT_EQ(read.model.KeptSections.size(), 3u);
    EXPECT_EQ(read.model.KeptSections[0].Header, "[Extra]");
    EXPECT_EQ(read.model.KeptSections[0].Lines, std::vector<std::string>{"A=1"});
    EXPECT_EQ(read.model.KeptSections[0].After, "FileInfo");
    EXPECT_EQ(read.model.KeptSections[1].Header, "[FILEINFO]");
    EXPECT_EQ(read.model.KeptSections[1].After, "FileInfo");
    EXPECT_EQ(read.model.KeptSections[2].Header, "[More]");
    EXPECT_EQ(read.model.KeptSections[2].After, "DeviceInfo");
}

// A sub-index section of blank lines only is no sub-index: it is kept as
// written. A lone carriage return inside a line is no line end.
TEST(ReaderScan, SubIndexSectionsOfBlankLinesAreKeptNotRead) {
    const Read read = ReadText("[OptionalObjects]\nSupportedObjects=1\n1=0x2000\n"
                               "[2000]\nSubNumber=3\nObjectType=9\n[2000sub0]\n \t\r\n\r\n"
                               "[2000sub1]\n\r\r\n[2000sub2]\n  \r");
    ASSERT_EQ(read.model.Objects.size(), 1u);
    ASSERT_EQ(read.model.Objects[0].SubObjects.size(), 1u);
    EXPECT_EQ(Sub(read.model, 0, 0).SubIndex, 1);
    EXPECT_EQ(Sub(read.model, 0, 0).KeptLines.Lines(), std::vector<std::string>{"\r"});
    ASSERT_EQ(read.model.KeptSections.size(), 2u);
    EXPECT_EQ(read.model.KeptSections[0].Header, "[2000sub0]");
    EXPECT_EQ(read.model.KeptSections[1].Header, "[2000sub2]");
}

TEST(ReaderScan, LineNumbersCountEveryLineEndBeforeAHeader) {
    const Read read = ReadText("; a [comment]\r\n\r\n[FileInfo]\r\nX=[1]\r\n\r\n"
                               "  [Tools]\r\nY=2\r\n");
    ASSERT_EQ(read.notes.size(), 2u);
    EXPECT_EQ(read.notes[0].line, 4);
    EXPECT_EQ(read.notes[0].text, "[FileInfo] line kept as written: X=[1]");
    EXPECT_EQ(read.notes[1].line, 6);
    EXPECT_EQ(read.notes[1].text, "[Tools] section kept as written");

    // Far more line ends between two headers than a byte can count.
    const Read apart = ReadText("[Tools]\n" + std::string(700, '\n') + "[More]\n");
    ASSERT_EQ(apart.notes.size(), 2u);
    EXPECT_EQ(apart.notes[1].line, 702);
}

} // namespace
} // namespace corvid
