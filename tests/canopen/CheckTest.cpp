// The CANopen check: each fault planted in a sound file is reported on its
// line; the sound file reports nothing worse than a note; the corpus
// reports the faults found in it by hand.

#include "canopen/CANopenCheck.h"

#include "CheckFixture.h"

#include "dictionaries/EDSTextHelper.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::PlantedFault;
using enum Severity;

class CANopenCheckTest : public testing::TestWithParam<PlantedFault> {};

TEST(CANopenCheck, SoundFileReportsNothing) {
    const CheckFindings findings =
        CheckCANopenText(test::CheckFixtureText("canopen-clean.eds"), "clean.eds");
    EXPECT_TRUE(test::Sound(findings)) << test::Listed(findings);
}

TEST_P(CANopenCheckTest, ReportsThePlantedFaultOnItsLine) {
    int line = 0;
    const std::string text = Plant(test::CheckFixtureText("canopen-clean.eds"), GetParam(), line);
    const CheckFindings findings = CheckCANopenText(text, "planted.eds");
    EXPECT_TRUE(test::ReportsAt(findings, line, GetParam())) << "expected at line " << line << ":\n"
                                                             << test::Listed(findings);
}

const PlantedFault kFaults[] = {
    {"UnknownDataType", "DataType=0x0005\nAccessType=ro\nDefaultValue=0\n",
     "DataType=0x0099\nAccessType=ro\nDefaultValue=0\n", Error,
     "DataType 0x0099 is no known data type."},
    {"DefaultDoesNotFit", "DefaultValue=1000", "DefaultValue=70000", Error,
     "Default Value 70000 does not fit UNSIGNED16 (0 to 65535)."},
    {"RealDoesNotParse", "DefaultValue=0.5", "DefaultValue=0.5f", Error, "does not fit REAL32"},
    {"CrossedLimits", "LowLimit=0\nHighLimit=5000", "LowLimit=9000\nHighLimit=5000", Warning,
     "Low Limit 9000 is above High Limit 5000."},
    {"DefaultAboveHighLimit", "DefaultValue=1000", "DefaultValue=6000", Warning,
     "Default Value 6000 is above High Limit 5000."},
    {"SubNumberMismatch", "SubNumber=4", "SubNumber=5", Warning,
     "fewer sub-index sections (4) than SubNumber says (5)."},
    {"ListedWithoutSection", "2=0x2001", "2=0x2002", Error,
     "object 0x2002 is listed, but has no section."},
    {"SectionInNoList", "2=0x2001\n", "", Warning, "object 0x2001 is in no object list", "[2001]"},
    {"ObjectInTheWrongList", "1=0x1017\n2=0x1400", "1=0x1400\n2=0x2001", Warning,
     "object 0x2001 belongs in [ManufacturerObjects].", "2=0x2001"},
    {"SupportedObjectsAboveTheEntries", "SupportedObjects=2", "SupportedObjects=3", Warning,
     "entry 3 is missing."},
    {"BadAccessType", "AccessType=rw\nLowLimit=0\nHighLimit=5000",
     "AccessType=R\nLowLimit=0\nHighLimit=5000", Error,
     "AccessType R is no access type (ro, wo, rw, rwr, rww, const)."},
    {"UnknownObjectType", "ObjectType=0x9\nSubNumber=4", "ObjectType=0x3\nSubNumber=4", Error,
     "ObjectType 0x3 is no object type"},
    {"AccessTypeOnARecord", "SubNumber=4\n", "SubNumber=4\nAccessType=ro\n", Warning,
     "AccessType given on an object type that takes none.", "AccessType=ro\n[1018sub0]"},
    {"SubIndexZeroNotUnsigned8", "ParameterName=Number of entries\nObjectType=0x7\nDataType=0x0005",
     "ParameterName=Number of entries\nObjectType=0x7\nDataType=0x0006", Warning,
     "sub-index 0 is not UNSIGNED8.", "DataType=0x0006"},
    {"KeyOfNoSection", "[2001]\n", "[2001]\nUnit=rpm\n", Warning,
     "key not allowed in this section.", "Unit=rpm"},
    {"KeyGivenAgain", "DefaultValue=0.5\n", "DefaultValue=0.5\nDefaultValue=0.25\n", Warning,
     "key given again", "DefaultValue=0.25"},
    {"UnknownSection", "[Comments]", "[Extras]\nA=1\n[Comments]", Warning,
     "section not known to the format."},
    {"DummyNotAFlag", "Dummy0005=1", "Dummy0005=2", Error, "does not fit BOOLEAN (0 or 1)."},
    {"CommentLinesMissing", "Lines=1", "Lines=2", Warning,
     "Lines says 2, but 1 comment line is present."},
    {"VendorNumberNotANumber", "VendorNumber=0x1", "VendorNumber=0x12G", Error,
     "VendorNumber 0x12G does not fit UNSIGNED32"},
    {"IdentityDiffers", "VendorNumber=0x1", "VendorNumber=0x5", Warning,
     "differs from 0x1018 sub-index 1 (0x1)."},
    {"RPDOCount", "NrOfRXPDO=1", "NrOfRXPDO=2", Warning,
     "NrOfRXPDO is 2, but the file has 1 objects in 0x1400-0x15FF."},
    {"CompactSubObjectsOfABadAccessType", "[2001]\n",
     "[2002]\nObjectType=0x8\nCompactSubObj=3\nDataType=0x0005\nAccessType=R\n[2001]\n", Error,
     "AccessType R is no access type", "AccessType=R"},
    {"MapsAMissingObject", "0x20000010", "0x30000010", Warning,
     "maps 0x3000 sub-index 0, which does not exist."},
    {"MapsAnUnmappableObject", "0x20000010", "0x20010020", Warning,
     "maps 0x2001 sub-index 0, which may not be mapped."},
    {"MapsWithTheWrongSize", "0x20000010", "0x20000020", Warning,
     "with 32 bits; its data type has 16."},
    {"MapsADummyNotEnabled", "0x00050008", "0x00060010", Warning,
     "maps dummy 0x0006, which [DummyUsage] does not enable."},
};

INSTANTIATE_TEST_SUITE_P(Rules, CANopenCheckTest, testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// What the reader keeps without a field comes as a note; comments do not.
TEST(CANopenCheck, KeptLinesAreNotesCommentsAreNot) {
    const CheckFindings findings = CheckCANopenText(
        "[FileInfo]\nFileName=a.eds\nLastEDS=b.eds\n; a comment\n[2000]\n; kept\n", "a.eds");
    ASSERT_FALSE(findings.empty());
    const auto note = std::find_if(findings.begin(), findings.end(),
                                   [](const CheckFinding& f) { return f.severity == Note; });
    ASSERT_NE(note, findings.end());
    EXPECT_EQ(note->line, 3);
    EXPECT_EQ(note->section, "FileInfo");
    for (const CheckFinding& finding : findings)
        EXPECT_TRUE(finding.line != 4 && finding.line != 6) << test::Listed(findings);
}

std::string CorpusFile(const std::string& name) {
    const auto folder = test::CorpusFolder("canopen");
    return folder.empty() ? std::string() : test::ReadFile(folder / name);
}

size_t Count(const CheckFindings& findings, Severity severity, std::string_view section,
             std::string_view message) {
    return std::count_if(findings.begin(), findings.end(), [&](const CheckFinding& f) {
        return f.severity == severity && (section.empty() || EqualsNoCase(f.section, section)) &&
               f.message.find(message) != std::string::npos;
    });
}

TEST(CANopenCheckCorpus, ReportsTheFaultsOfRealFiles) {
    const std::string esphome = CorpusFile("can2mqtt_esphome.eds");
    const std::string e35 = CorpusFile("python-canopen_e35.eds");
    if (esphome.empty() || e35.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/canopen: skipped";
    const CheckFindings findings = CheckCANopenText(esphome, "esphome.eds");
    EXPECT_GT(Count(findings, Error, "", "AccessType R is no access type"), 100U);
    EXPECT_EQ(Count(findings, Error, "1800sub1", "Default Value \\+384 does not fit"), 1U);
    EXPECT_EQ(Count(findings, Warning, "1A00", "more sub-index sections"), 1U);
    EXPECT_EQ(Count(CheckCANopenText(e35, "e35.eds"), Error, "",
                    "object 0x6505 is listed, but has no section."),
              1U);
}

} // namespace
} // namespace corvid
