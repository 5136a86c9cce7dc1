// Each keyword of a CANopen file on its whole way: read from a line as files
// write it (any letter case, any number form), shown on its page, committed
// or refused there, dumped, and written back in the writer's form.

#include "ModelJsonText.h"
#include "PageText.h"
#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "editing/CellCommit.h"

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
    size_t column = 1;        // the object page's column; keyword pages show values in 1
};

void PrintTo(const FieldCase& field, std::ostream* out) {
    *out << field.section << " " << field.fileLine;
}

bool Writes(const CCANopenEDS& model, const std::string& line) {
    return FormatCANopenEDS(model).find("\r\n" + line + "\r\n") != std::string::npos;
}

// The keyword a written line starts with.
std::string KeywordOf(const std::string& line) {
    return line.substr(0, line.find('='));
}

constexpr const char* kObjects = "ManufacturerObjects";

class CANopenField : public testing::TestWithParam<FieldCase> {};

TEST_P(CANopenField, ReadShownCommittedRefusedAndWrittenBack) {
    const FieldCase& field = GetParam();
    const bool object = std::string_view(field.section) == kObjects;
    const std::string head =
        object ? "[ManufacturerObjects]\nSupportedObjects=1\n1=0x2A00\n[2a00]\nParameterName=P\n"
                 "ObjectType=7\n"
               : "[" + std::string(field.section) + "]\n";
    CCANopenEDS model;
    LoadCANopenEDSText(model, head + field.fileLine + "\n", "f.eds");
    EXPECT_TRUE(model.FileInfo.KeptLines.empty() && model.DeviceInfo.KeptLines.empty() &&
                model.DummyUsage.KeptLines.empty());
    EXPECT_TRUE(!object || (model.Objects.size() == 1 && model.Objects[0].KeptLines.empty()));
    const Page page = BuildPage(model, field.section);
    const PageRow* row = test::FindRow(page, field.row);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Cells[field.column].Text, field.shown);
    EXPECT_NE(row->Cells[field.column].Editor, CellEditor::ReadOnly);
    EXPECT_TRUE(Writes(model, field.written)) << FormatCANopenEDS(model);
    Json json = Json::parse(test::ModelJsonText(model));
    const Json& dumped = object ? json["Objects"][0] : json[field.section];
    EXPECT_TRUE(dumped.contains(KeywordOf(field.written)));

    const CellEdit edit{field.section, field.row, field.column, field.typed};
    EXPECT_EQ(CommitCell(model, edit).Status, CommitStatus::Stored);
    EXPECT_TRUE(Writes(model, field.writtenAfter)) << FormatCANopenEDS(model);
    EXPECT_EQ(CommitCell(model, CellEdit{field.section, field.row, 0, "x"}).Status,
              CommitStatus::NotEditable);
    if (field.refused == nullptr)
        return;
    const CommitResult refused =
        CommitCell(model, CellEdit{field.section, field.row, field.column, field.refused});
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
    // The keys of an object section, in the column of the object page that
    // shows them.
    const std::vector<FieldCase> objectKeys = {
        {kObjects, "", "2A00", "P", "ParameterName=P", " Speed ", "ParameterName=Speed", nullptr,
         1},
        {kObjects, "lowlimit=-10", "2A00", "-10", "LowLimit=-10", "0", "LowLimit=0", nullptr, 2},
        {kObjects, "HighLimit=100", "2A00", "100", "HighLimit=100", "0x64", "HighLimit=0x64",
         nullptr, 3},
        {kObjects, "DefaultValue= $NODEID+0x180 ", "2A00", "$NODEID+0x180",
         "DefaultValue=$NODEID+0x180", "5", "DefaultValue=5", nullptr, 4},
        {kObjects, "DataType=7", "2A00", "UNSIGNED32", "DataType=0x0007", "UNSIGNED16",
         "DataType=0x0006", "NO_SUCH_TYPE", 5},
        {kObjects, "AccessType=RW", "2A00", "rw", "AccessType=rw", "CONST", "AccessType=const",
         "readwrite", 7},
        {kObjects, "PDOMapping=0x1", "2A00", "1", "PDOMapping=1", "0", "PDOMapping=0", "2", 8},
        {kObjects, "ObjectType=0x2", "2A00", "DOMAIN", "ObjectType=2", "VAR", "ObjectType=7",
         "NOTYPE", 6}};
    cases.insert(cases.end(), objectKeys.begin(), objectKeys.end());
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Keywords, CANopenField, testing::ValuesIn(KeywordCases()));

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
