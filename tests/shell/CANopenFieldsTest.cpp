// Each keyword of a CANopen file on its whole way: read from a line as files
// write it (any letter case, any number form), shown on its page, committed
// or refused there, dumped, and written back in the writer's form.

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "shell/CellCommit.h"
#include "shell/ModelJson.h"

#include <gtest/gtest.h>

#include <cctype>

namespace corvid {
namespace {

struct FieldCase {
    const char* section;
    std::string fileLine; // as a file may give it
    const char* row;      // the page's row, or the object page's column
    const char* shown;
    std::string written; // the line the writer gives for the value read
    const char* typed;
    std::string writtenAfter; // the line once `typed` is stored
    const char* refused;      // a text the cell refuses; nullptr when none is
};

void PrintTo(const FieldCase& field, std::ostream* out) {
    *out << field.section << " " << field.fileLine;
}

bool Writes(const CCANopenEDS& model, const std::string& line) {
    return FormatCANopenEDS(model).find("\r\n" + line + "\r\n") != std::string::npos;
}

const PageRow* FindRow(const Page& page, std::string_view key) {
    for (const PageRow& row : page.Rows)
        if (row.Key == key)
            return &row;
    return nullptr;
}

// The keyword a written line starts with.
std::string KeywordOf(const std::string& line) {
    return line.substr(0, line.find('='));
}

class CANopenKeywordField : public testing::TestWithParam<FieldCase> {};

TEST_P(CANopenKeywordField, ReadShownCommittedRefusedAndWrittenBack) {
    const FieldCase& field = GetParam();
    CCANopenEDS model;
    LoadCANopenEDSText(model, "[" + std::string(field.section) + "]\n" + field.fileLine + "\n",
                       "f.eds");
    EXPECT_TRUE(model.FileInfo.KeptLines.empty() && model.DeviceInfo.KeptLines.empty() &&
                model.DummyUsage.KeptLines.empty());
    const Page page = BuildPage(model, field.section);
    const PageRow* row = FindRow(page, field.row);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Cells[1].Text, field.shown);
    EXPECT_NE(row->Cells[1].Editor, CellEditor::ReadOnly);
    EXPECT_TRUE(Writes(model, field.written)) << FormatCANopenEDS(model);
    EXPECT_TRUE(CANopenToJson(model)[field.section].contains(KeywordOf(field.written)));

    const CellEdit edit{field.section, field.row, 1, field.typed};
    EXPECT_EQ(CommitCell(model, edit).Status, CommitStatus::Stored);
    EXPECT_TRUE(Writes(model, field.writtenAfter)) << FormatCANopenEDS(model);
    EXPECT_EQ(CommitCell(model, CellEdit{field.section, field.row, 0, "x"}).Status,
              CommitStatus::NotEditable);
    if (field.refused == nullptr)
        return;
    const CommitResult refused =
        CommitCell(model, CellEdit{field.section, field.row, 1, field.refused});
    EXPECT_EQ(refused.Status, CommitStatus::Refused);
    EXPECT_NE(refused.Message.find(field.refused), std::string::npos) << refused.Message;
    EXPECT_TRUE(Writes(model, field.writtenAfter)) << "a refused text leaves the value";
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Texts are trimmed when read and when typed, and never refused; keys are
// read in any letter case.
void AddTexts(std::vector<FieldCase>& cases, const char* section,
              std::initializer_list<const char*> keywords) {
    for (const char* keyword : keywords) {
        const std::string key(keyword);
        cases.push_back({section, " " + Lower(key) + " = v w ", keyword, "v w", key + "=v w",
                         " \tnew text ", key + "=new text", nullptr});
    }
}

// Flags read any number other than 0 as set; the page may name them apart.
void AddFlags(std::vector<FieldCase>& cases, const char* section,
              std::initializer_list<std::pair<const char*, const char*>> keywordsAndRows) {
    for (const auto& [keyword, row] : keywordsAndRows)
        cases.push_back({section, Lower(keyword) + "=0x2", row, "1", std::string(keyword) + "=1",
                         "0", std::string(keyword) + "=0", "yes"});
}
void AddFlags(std::vector<FieldCase>& cases, const char* section,
              std::initializer_list<const char*> keywords) {
    for (const char* keyword : keywords)
        AddFlags(cases, section, {{keyword, keyword}});
}

std::vector<FieldCase> KeywordCases() {
    std::vector<FieldCase> cases = {
        {"FileInfo", "FILEVERSION=0x0C", "FileVersion", "12", "FileVersion=12", "255",
         "FileVersion=255", "256"},
        {"FileInfo", "filerevision=300", "FileRevision", "44", "FileRevision=44", "0x02",
         "FileRevision=2", "12a"},
        {"FileInfo", "EDSVersion=4.0", "EDSVersion", "4.0", "EDSVersion=4.0", " ", "EDSVersion=3.0",
         nullptr},
        {"DeviceInfo", "VendorNumber=0x2A7", "VendorNumber", "0x000002A7",
         "VendorNumber=0x000002A7", "4294967295", "VendorNumber=0xFFFFFFFF", "4294967296"},
        {"DeviceInfo", "ProductNumber=16", "ProductNumber", "0x00000010",
         "ProductNumber=0x00000010", "", "ProductNumber=0x00000000", "0x100000000"},
        {"DeviceInfo", "RevisionNumber=0x00020001", "RevisionNumber", "0x00020001",
         "RevisionNumber=0x00020001", "0x10", "RevisionNumber=0x00000010", "-1"},
        {"DeviceInfo", "Granularity=8", "Granularity", "0x08", "Granularity=0x08", "0x40",
         "Granularity=0x40", "0x41"},
        {"DeviceInfo", "NrOfRxPDO=4", "NrOfRXPDO", "0x04", "NrOfRXPDO=4", "0xFF", "NrOfRXPDO=255",
         "256"},
        {"DeviceInfo", "NrOfTXPDO=0x10", "NrOfTXPDO", "0x10", "NrOfTXPDO=16", "2", "NrOfTXPDO=2",
         "1 2"},
    };
    AddTexts(cases, "FileInfo",
             {"FileName", "Description", "CreationTime", "CreationDate", "CreatedBy",
              "ModificationTime", "ModificationDate", "ModifiedBy"});
    AddTexts(cases, "DeviceInfo", {"VendorName", "ProductName", "OrderCode"});
    AddFlags(cases, "DeviceInfo",
             {"BaudRate_10", "BaudRate_20", "BaudRate_50", "BaudRate_125", "BaudRate_250",
              "BaudRate_500", "BaudRate_800", "BaudRate_1000", "SimpleBootUpMaster",
              "SimpleBootUpSlave", "DynamicChannelsSupported", "GroupMessaging", "LSS_Supported"});
    // The page names each dummy by the type it stands for.
    AddFlags(cases, "DummyUsage",
             {{"Dummy0001", "Boolean"},
              {"Dummy0002", "Signed8"},
              {"Dummy0003", "Signed16"},
              {"Dummy0004", "Signed32"},
              {"Dummy0005", "Unsigned8"},
              {"Dummy0006", "Unsigned16"},
              {"Dummy0007", "Unsigned32"}});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Keywords, CANopenKeywordField, testing::ValuesIn(KeywordCases()));

// The keys of an object section, in the column of the object page that
// shows them (`row` holds the column).
class CANopenObjectField : public testing::TestWithParam<FieldCase> {};

TEST_P(CANopenObjectField, ReadShownCommittedRefusedAndWrittenBack) {
    const FieldCase& field = GetParam();
    CCANopenEDS model;
    LoadCANopenEDSText(model,
                       std::string("[ManufacturerObjects]\nSupportedObjects=1\n1=0x2A00\n[2a00]\n"
                                   "ParameterName=P\nObjectType=7\n") +
                           field.fileLine + "\n",
                       "o.eds");
    ASSERT_EQ(model.Objects.size(), 1u);
    EXPECT_TRUE(model.Objects[0].KeptLines.empty());
    const size_t column = std::stoul(field.row);
    const Page page = BuildPage(model, "ManufacturerObjects");
    ASSERT_EQ(page.Rows.size(), 1u);
    EXPECT_EQ(page.Rows[0].Cells[column].Text, field.shown);
    EXPECT_TRUE(Writes(model, field.written)) << FormatCANopenEDS(model);
    EXPECT_TRUE(CANopenToJson(model)["Objects"][0].contains(KeywordOf(field.written)));

    const CellEdit edit{"ManufacturerObjects", "2A00", column, field.typed};
    EXPECT_EQ(CommitCell(model, edit).Status, CommitStatus::Stored);
    EXPECT_TRUE(Writes(model, field.writtenAfter)) << FormatCANopenEDS(model);
    if (field.refused == nullptr)
        return;
    const CellEdit refused{"ManufacturerObjects", "2A00", column, field.refused};
    EXPECT_EQ(CommitCell(model, refused).Status, CommitStatus::Refused);
    EXPECT_TRUE(Writes(model, field.writtenAfter)) << "a refused text leaves the value";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CANopenObjectField,
    testing::Values(
        FieldCase{"", "", "1", "P", "ParameterName=P", " Speed ", "ParameterName=Speed", nullptr},
        FieldCase{"", "lowlimit=-10", "2", "-10", "LowLimit=-10", "0", "LowLimit=0", nullptr},
        FieldCase{"", "HighLimit=100", "3", "100", "HighLimit=100", "0x64", "HighLimit=0x64",
                  nullptr},
        FieldCase{"", "DefaultValue= $NODEID+0x180 ", "4", "$NODEID+0x180",
                  "DefaultValue=$NODEID+0x180", "5", "DefaultValue=5", nullptr},
        FieldCase{"", "DataType=7", "5", "UNSIGNED32", "DataType=0x0007", "UNSIGNED16",
                  "DataType=0x0006", "NO_SUCH_TYPE"},
        FieldCase{"", "AccessType=RW", "7", "rw", "AccessType=rw", "CONST", "AccessType=const",
                  "readwrite"},
        FieldCase{"", "PDOMapping=0x1", "8", "1", "PDOMapping=1", "0", "PDOMapping=0", "2"},
        FieldCase{"", "ObjectType=0x2", "6", "DOMAIN", "ObjectType=2", "VAR", "ObjectType=7",
                  "NOTYPE"}));

// The empty item of a type list means the file gives none.
TEST(CANopenObjectField, EmptyTypesAreNone) {
    CCANopenEDS model;
    LoadCANopenEDSText(model, "[1000]\nObjectType=7\nDataType=7\n", "o.eds");
    for (const size_t column : {5, 6})
        EXPECT_EQ(CommitCell(model, CellEdit{"MandatoryObjects", "1000", column, ""}).Status,
                  CommitStatus::Stored);
    EXPECT_EQ(model.Objects[0].ObjectType, kNoObjectType);
    EXPECT_EQ(model.Objects[0].DataType, kNoDataType);
}

} // namespace
} // namespace corvid
