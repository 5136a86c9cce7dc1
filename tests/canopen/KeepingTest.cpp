// What a CANopen file holds beyond the model comes back on save: unused key
// lines at the end of their section, unread sections in their place, objects
// no list names, values the layout leaves out, the byte-order mark.

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

struct Saved {
    CCANopenEDS model;
    std::string text;
    ReaderDiagnostics diagnostics;
};

// Reads `text`, writes it, and checks that a second round gives the same
// bytes.
Saved ReadAndWrite(const std::string& text) {
    Saved saved;
    LoadCANopenEDSText(saved.model, text, "k.eds", &saved.diagnostics);
    saved.text = FormatCANopenEDS(saved.model);
    CCANopenEDS again;
    LoadCANopenEDSText(again, saved.text, "k.eds");
    EXPECT_EQ(FormatCANopenEDS(again), saved.text);
    return saved;
}

// The lines of the written section with that header, up to its empty line.
std::vector<std::string> Block(const std::string& text, const std::string& header) {
    std::vector<std::string> lines;
    size_t at = text.find(header + "\r\n");
    if (at == std::string::npos)
        return lines;
    at += header.size() + 2;
    for (size_t end; (end = text.find("\r\n", at)) != at; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

// The section headers of a written file, in order.
std::vector<std::string> Headers(const std::string& text) {
    std::vector<std::string> headers;
    for (size_t at = 0; (at = text.find("\r\n[", at)) != std::string::npos; at += 2)
        headers.push_back(text.substr(at + 2, text.find("\r\n", at + 2) - at - 2));
    return headers;
}

using Lines = std::vector<std::string>;

TEST(KeptLines, EachFixedSectionKeepsItsUnusedKeyLinesAtItsEnd) {
    const Saved saved = ReadAndWrite("[FileInfo]\n; a comment outside object sections goes\n"
                                     "LastEDS=old.eds\nFileVersion=2\nCreated_By = me \n"
                                     "[DeviceInfo]\nCompactPDO=0x0\nVendorName=V\nno equals sign\n"
                                     "[DummyUsage]\nDummy0001=1\nDummy0010=1\n"
                                     "[Comments]\nLines=2\nLine1=a\nLine1=again\nLine3=c\n"
                                     "Lines=5\nLine2=b\nLine02=x\n");
    EXPECT_EQ(Block(saved.text, "[FileInfo]"),
              (Lines{"FileVersion=2", "LastEDS=old.eds", "Created_By = me "}));
    const Lines device = Block(saved.text, "[DeviceInfo]");
    EXPECT_EQ(Lines(device.end() - 2, device.end()), (Lines{"CompactPDO=0x0", "no equals sign"}));
    EXPECT_EQ(Block(saved.text, "[DummyUsage]").back(), "Dummy0010=1");
    // The first count and the first of each numbered line are the model's; a
    // second count would contradict the first and is not written back.
    EXPECT_EQ(Block(saved.text, "[Comments]"),
              (Lines{"Lines=2", "Line1=a", "Line2=b", "Line1=again", "Line3=c", "Line02=x"}));
}

TEST(KeptLines, ObjectAndSubIndexSectionsKeepCommentLinesToo) {
    const Saved saved = ReadAndWrite(
        "[OptionalObjects]\nSupportedObjects=1\n1=0x1A00\nNote=kept\n; comment goes\n"
        "[1A00]\n;StorageLocation=RAM\nParameterName=TPDO\nObjectType=0x9\nSubNumber=1\n"
        "ObjFlags=1\n[1A00sub0]\n;StorageLocation=RAM\nParameterName=n\nDataType=5\n"
        "SubNumber=3\nParameterValue=1\nDenotation=count\n");
    EXPECT_EQ(Block(saved.text, "[OptionalObjects]"),
              (Lines{"SupportedObjects=1", "1=0x1A00", "Note=kept"}));
    EXPECT_EQ(Block(saved.text, "[1A00]"),
              (Lines{"ParameterName=TPDO", "ObjectType=9", "SubNumber=1", ";StorageLocation=RAM",
                     "ObjFlags=1"}));
    EXPECT_EQ(Block(saved.text, "[1A00sub0]"),
              (Lines{"ParameterName=n", "DataType=0x0005", ";StorageLocation=RAM", "SubNumber=3",
                     "ParameterValue=1", "Denotation=count"}));
}

TEST(KeptSections, WrittenAfterTheSectionTheyFollowed) {
    const Saved saved = ReadAndWrite(
        "[Tools]\nItems=1\n\n[FileInfo]\nFileName=x\n[DeviceComissioning]\nNodeID=2\n\n"
        "; note inside\nBaudRate=250\n\n\n[ManufacturerObjects]\nSupportedObjects=1\n1=0x2000\n"
        "[2000]\nParameterName=P\n[Vendor Data]\n[2000]\nParameterName=duplicate\n"
        "[MandatoryObjects]\nSupportedObjects=0\n");
    EXPECT_EQ(Headers(saved.text),
              (Lines{"[Tools]", "[FileInfo]", "[DeviceComissioning]", "[MandatoryObjects]",
                     "[ManufacturerObjects]", "[2000]", "[Vendor Data]", "[2000]"}));
    // Whole and as written, blank lines inside included, those at the end not.
    EXPECT_NE(saved.text.find("[DeviceComissioning]\r\nNodeID=2\r\n\r\n; note inside\r\n"
                              "BaudRate=250\r\n\r\n[MandatoryObjects]"),
              std::string::npos);
    ASSERT_EQ(saved.model.KeptSections.size(), 4u);
    EXPECT_EQ(saved.model.KeptSections[0].After, "");
    EXPECT_EQ(saved.model.KeptSections[3].Lines, Lines{"ParameterName=duplicate"});
    EXPECT_EQ(saved.model.Objects[0].ParameterName, "P"); // the first one stays first
}

TEST(KeptSections, ThoseWhoseSectionIsGoneGoToTheEnd) {
    CCANopenEDS model;
    LoadCANopenEDSText(model,
                       "[OptionalObjects]\nSupportedObjects=2\n1=0x1008\n2=0x1009\n"
                       "[1008]\nParameterName=a\n[1008Name]\nNrOfEntries=0\n"
                       "[1009]\nParameterName=b\n",
                       "g.eds");
    model.Objects.erase(model.Objects.begin());
    const std::string text = FormatCANopenEDS(model);
    EXPECT_EQ(Headers(text).back(), "[1008Name]");
    EXPECT_TRUE(text.ends_with("[1008Name]\r\nNrOfEntries=0\r\n\r\n"));
}

TEST(UnlistedObjects, ReadIntoTheCategoryOfTheirRangeAndListedOnSave) {
    const Saved saved = ReadAndWrite(
        "[MandatoryObjects]\nSupportedObjects=1\n1=0x1000\n2=0x1018\n"
        "[1000]\nParameterName=Device type\n[1018]\nParameterName=Identity\nObjectType=9\n"
        "SubNumber=1\n[1018sub0]\nParameterName=n\n[1a00]\nParameterName=TPDO\n"
        "[2000]\nParameterName=M\n[6040]\nParameterName=Control\n[A000]\nParameterName=far\n"
        "[0002]\nParameterName=type\n");
    std::vector<std::pair<uint16_t, uint8_t>> read;
    for (const CANopenObject& object : saved.model.Objects)
        read.emplace_back(object.Index, object.Category);
    EXPECT_EQ(read, (std::vector<std::pair<uint16_t, uint8_t>>{{0x1000, kCategoryMandatory},
                                                               {0x1018, kCategoryMandatory},
                                                               {0x1A00, kCategoryOptional},
                                                               {0x2000, kCategoryManufacturer},
                                                               {0x6040, kCategoryOptional}}));
    EXPECT_EQ(saved.model.Objects[1].SubObjects.at(0).ParameterName, "n");
    EXPECT_EQ(Block(saved.text, "[MandatoryObjects]"),
              (Lines{"SupportedObjects=2", "1=0x1000", "2=0x1018"}));
    EXPECT_EQ(Block(saved.text, "[OptionalObjects]"),
              (Lines{"SupportedObjects=2", "1=0x1A00", "2=0x6040"}));
    // Sections outside the ranges objects belong to stay as they were.
    EXPECT_NE(saved.text.find("[A000]\r\nParameterName=far\r\n"), std::string::npos);
    EXPECT_NE(saved.text.find("[0002]\r\nParameterName=type\r\n"), std::string::npos);
}

// An object with CompactSubObj defines its sub-indexes by the values that
// an ARRAY does not normally carry; they, the keyword and the name section
// come back as they were.
TEST(LeftOutValues, CompactArrayKeepsItsValuesAndNameSection) {
    const Saved saved = ReadAndWrite(
        "[OptionalObjects]\nSupportedObjects=2\n1=0x1003\n2=0x1F50\n"
        "[1003]\nParameterName=Errors\nObjectType=0x8\nCompactSubObj=4\nDataType=0x0007\n"
        "AccessType=ro\nDefaultValue=0\nPDOMapping=0\nLowLimit=0\n[1003Name]\nNrOfEntries=1\n"
        "1=First\n[1F50]\nParameterName=Program\nObjectType=2\nDataType=0xF\nHighLimit=9\n"
        "PDOMapping=1\n[2001]\nParameterName=none\nObjectType=255\nSubNumber=0\n");
    EXPECT_EQ(Block(saved.text, "[1003]"),
              (Lines{"ParameterName=Errors", "ObjectType=8", "DataType=0x0007", "AccessType=ro",
                     "LowLimit=0", "DefaultValue=0", "PDOMapping=0", "CompactSubObj=4"}));
    EXPECT_EQ(Block(saved.text, "[1003Name]"), (Lines{"NrOfEntries=1", "1=First"}));
    EXPECT_NE(saved.text.find("CompactSubObj=4\r\n\r\n[1003Name]\r\n"), std::string::npos);
    EXPECT_EQ(Block(saved.text, "[1F50]"),
              (Lines{"ParameterName=Program", "ObjectType=2", "DataType=0x000F", "HighLimit=9",
                     "PDOMapping=1"}));
    EXPECT_EQ(Block(saved.text, "[2001]"),
              (Lines{"ParameterName=none", "ObjectType=255", "SubNumber=0"}));
}

TEST(ByteOrderMark, ReadPastAndWrittenBack) {
    const Saved marked = ReadAndWrite("\xEF\xBB\xBF[FileInfo]\r\nFileName=m.eds\r\n");
    EXPECT_TRUE(marked.model.ByteOrderMark);
    EXPECT_EQ(marked.model.FileInfo.FileName, "m.eds");
    EXPECT_TRUE(marked.text.starts_with("\xEF\xBB\xBF; HALVARD ELECTRONIC, INC.\r\n"));

    const Saved plain = ReadAndWrite("[FileInfo]\r\nFileName=p.eds\r\n");
    EXPECT_FALSE(plain.model.ByteOrderMark);
    EXPECT_TRUE(plain.text.starts_with("; HALVARD"));
}

TEST(ReaderDiagnostics, EachKeptLineAndSectionWithItsLineNumber) {
    const Saved saved =
        ReadAndWrite("; header comment\n[FileInfo]\nLastEDS=a\n; dropped\n"
                     "[Tools]\nX=1\n[2000]\nParameterName=P\n;StorageLocation=RAM\n");
    std::vector<std::pair<int, std::string>> notes;
    for (const ReaderDiagnostic& note : saved.diagnostics) {
        EXPECT_EQ(note.file, "k.eds");
        notes.emplace_back(note.line, note.text);
    }
    EXPECT_EQ(notes, (std::vector<std::pair<int, std::string>>{
                         {3, "[FileInfo] line kept as written: LastEDS=a"},
                         {9, "[2000] line kept as written: ;StorageLocation=RAM"},
                         {7, "[2000] read, though no object list names it"},
                         {5, "[Tools] section kept as written"}}));
}

} // namespace
} // namespace corvid
