#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"

#include "EDSWriterLayout.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::CrLf;

TEST(FormatCANopenEDS, EmptyModel) {
    CCANopenEDS model;
    LoadCANopenEDSText(model, "", "empty.eds");
    EXPECT_EQ(FormatCANopenEDS(model), test::WrittenFile("canopen-empty.eds"));
}

// Known values take the writer's form; what the model has no field for
// comes back as written, after the section it stood in or followed.
TEST(FormatCANopenEDS, ReadThenWrittenNormalisesTheFileAndKeepsTheRest) {
    const std::string input = "; comment dropped\n"
                              "[FileInfo]\nFileName=x.eds\nUnknownKey=kept\n"
                              "ModifiedBy=me\n"
                              "[Unknown]\nA=1\n"
                              "[Comments]\nLines=1\nLine1=hello\n"
                              "[ManufacturerObjects]\nSupportedObjects=3\n"
                              "1=0x2000\n2=0x2001\n3=0x2100\n"
                              "[2000]\nParameterName=Speed\nObjectType=0x7\nDataType=7\n"
                              "AccessType=RW\nLowLimit=0\nHighLimit=100\nDefaultValue=5\n"
                              "PDOMapping=1\n"
                              "[2001]\nParameterName=\n"
                              "[2100]\nParameterName=Image\nObjectType=2\nDataType=0xF\n"
                              "AccessType=wo\nDefaultValue=x\nLowLimit=kept\nPDOMapping=1\n";
    CCANopenEDS model;
    LoadCANopenEDSText(model, input, "x.eds");
    model.Header.Module = "Module A";
    EXPECT_EQ(FormatCANopenEDS(model), test::WrittenFile("canopen-read-then-written.eds"));
}

// A file that was read gets back the keys it gave, empty ones included, and
// none it did not: no numbers set to 0 (PDOMapping, SubNumber), no empty
// sections or object lists, and no stub section for an object its list
// names without one (other tools refuse such a stub).
TEST(FormatCANopenEDS, ReadFileGetsNothingInvented) {
    const std::string input = "[DeviceInfo]\nVendorName=V\nVendorNumber=5\nNrOfRXPDO=0\n"
                              "[OptionalObjects]\nSupportedObjects=4\n1=0x1008\n2=0x6505\n"
                              "3=0x1009\n4=0x1010\n"
                              "[1008]\nParameterName=Name\nObjectType=7\nDataType=9\n"
                              "AccessType=const\nDefaultValue=\nPDOMapping=0\n"
                              "[1009]\nParameterName=Mapped\nObjectType=7\nDataType=7\n"
                              "AccessType=rw\nDefaultValue=1\n"
                              "[1010]\nParameterName=Store\nObjectType=8\n";
    CCANopenEDS model;
    LoadCANopenEDSText(model, input, "x.eds");
    const std::string text = FormatCANopenEDS(model);
    EXPECT_EQ(text, test::WrittenFile("canopen-read-nothing-invented.eds"));

    CCANopenEDS again;
    LoadCANopenEDSText(again, text, "x.eds");
    EXPECT_EQ(FormatCANopenEDS(again), text);

    // What an edit gives them is written: a mapped object, sub-indexes.
    model.Objects[1].PDOMapping = true;
    model.Objects[2].SubNumber = 1;
    model.Objects[2].SubObjects = {{CANopenObject{}}};
    EXPECT_NE(
        FormatCANopenEDS(model).find("DefaultValue=1\r\nPDOMapping=1\r\n\r\n[1010]\r\n"
                                     "ParameterName=Store\r\nObjectType=8\r\nSubNumber=1\r\n"),
        std::string::npos);
}

TEST(FormatCANopenEDS, RecordWritesSubNumberThenSubIndexSections) {
    CCANopenEDS model;
    CANopenObject record;
    record.Index = 0x1A00;
    record.Category = kCategoryOptional;
    record.ObjectType = 9;
    record.DataType = 7; // not written for a RECORD
    record.SubNumber = 2;
    for (uint8_t s : {0, 0x1F}) {
        CANopenObject sub;
        sub.Index = 0x1A00;
        sub.SubIndex = s;
        sub.ParameterName = "S" + std::to_string(s);
        sub.ObjectType = s == 0 ? 7 : 8; // an ARRAY sub-index writes like a VAR
        sub.DataType = 5;
        sub.SubNumber = 4; // never written for a sub-index
        InsertOrderedSub(record.SubObjects, sub);
    }
    InsertOrdered(model.Objects, record);
    const std::string text = FormatCANopenEDS(model);
    EXPECT_NE(text.find(CrLf({"[OptionalObjects]",
                              "SupportedObjects=1",
                              "1=0x1A00",
                              "",
                              "[1A00]",
                              "ParameterName=",
                              "ObjectType=9",
                              "SubNumber=2",
                              "",
                              "[1A00sub0]",
                              "ParameterName=S0",
                              "ObjectType=7",
                              "DataType=0x0005",
                              "PDOMapping=0",
                              "",
                              "[1A00sub1F]",
                              "ParameterName=S31",
                              "ObjectType=8",
                              "DataType=0x0005",
                              "PDOMapping=0",
                              "",
                              "[ManufacturerObjects]"})),
              std::string::npos)
        << text;
}

TEST(FormatCANopenEDS, SubIndexesOfAnObjectWithoutStructTypeSurvive) {
    // A file that gives SubNumber but no ObjectType (or a VAR type) for an
    // object with sub-index sections.
    const std::string input = "[OptionalObjects]\nSupportedObjects=2\n1=0x1600\n2=0x1601\n"
                              "[1600]\nSubNumber=1\n[1600sub0]\nParameterName=n\n"
                              "[1601]\nObjectType=7\nDataType=5\nSubNumber=1\n"
                              "[1601sub0]\nParameterName=m\n";
    CCANopenEDS model;
    LoadCANopenEDSText(model, input, "x.eds");
    const std::string once = FormatCANopenEDS(model);
    EXPECT_NE(once.find(CrLf({"[1601]", "ParameterName=", "ObjectType=7", "DataType=0x0005",
                              "SubNumber=1", "", "[1601sub0]"})),
              std::string::npos)
        << once;
    CCANopenEDS again;
    LoadCANopenEDSText(again, once, "x.eds");
    ASSERT_FALSE(again.Objects[0].SubObjects.empty());
    EXPECT_EQ(again.Objects[0].SubObjects.at(0).ParameterName, "n");
    EXPECT_EQ(FormatCANopenEDS(again), once);
}

TEST(FormatCANopenEDS, CommentsBeyond255LinesAreKept) {
    CCANopenEDS model;
    model.Comments.SectionName = "Comments";
    for (int i = 1; i <= 300; ++i)
        model.Comments.LineTexts.push_back("c" + std::to_string(i));
    model.Comments.Lines = 300;
    CCANopenEDS reread;
    LoadCANopenEDSText(reread, FormatCANopenEDS(model), "r.eds");
    EXPECT_EQ(reread.Comments.LineTexts, model.Comments.LineTexts);
}

TEST(WriteCANopenEDS, SampleRoundTripIsStableAndReportsFailure) {
    test::TempFolder folder;
    CCANopenEDS model;
    std::string error;
    ASSERT_TRUE(LoadCANopenEDS(model, std::string(CORVID_SAMPLES_DIR) + "/servo_drive.eds", error));
    ASSERT_EQ(model.Objects.size(), 11u);
    ASSERT_TRUE(WriteCANopenEDS(model, folder.File("once.eds"), error)) << error;
    CCANopenEDS again;
    ASSERT_TRUE(LoadCANopenEDS(again, folder.File("once.eds"), error));
    ASSERT_TRUE(WriteCANopenEDS(again, folder.File("twice.eds"), error)) << error;
    EXPECT_EQ(test::ReadFile(folder.File("once.eds")), test::ReadFile(folder.File("twice.eds")));

    EXPECT_FALSE(WriteCANopenEDS(model, folder.File("missing/dir.eds"), error));
    EXPECT_EQ(error, "No such file or directory");
}

// A file of many blocks goes to disk as it is made: the bytes are the
// formatted text's, lines cut by a block's end and one longer than a block
// included, and a write that fails part way (a full disk) leaves the
// previous file and no temporary file behind.
TEST(WriteCANopenEDS, LargeFileIsWrittenWholeOrNotAtAll) {
    CCANopenEDS model;
    LoadCANopenEDSText(model, "[FileInfo]\nFileName=big.eds\n", "big.eds");
    for (int i = 1; i <= 3000; ++i)
        model.Comments.LineTexts.push_back(std::string(80, static_cast<char>('a' + i % 26)));
    model.Comments.LineTexts[1000] = std::string(150'000, 'z');
    model.Comments.Lines = 3000;
    const std::string text = FormatCANopenEDS(model);
    ASSERT_GT(text.size(), 200'000u);

    test::TempFolder folder;
    const std::string path = folder.File("big.eds");
    std::string error;
    ASSERT_TRUE(WriteCANopenEDS(model, path, error)) << error;
    EXPECT_EQ(test::ReadFile(path), text);

    model.Comments.LineTexts.push_back("one line more");
    {
        test::FileSizeLimit limit(100'000);
        EXPECT_FALSE(WriteCANopenEDS(model, path, error));
    }
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(test::ReadFile(path), text);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace corvid
