// The parameter rules of DeviceNet and EtherNet/IP files, and the check
// built on them: each fault planted in a sound file is reported on the line
// its entry begins on; the sound files report nothing.

#include "devicenet/CIPCheck.h"
#include "devicenet/CIPParamRules.h"

#include "CheckFixture.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::PlantedFault;
using enum Severity;

struct CIPValueCase {
    uint8_t dataType;
    const char* value;
    const char* fault;
};

class CIPValueFaultTest : public testing::TestWithParam<CIPValueCase> {};

TEST_P(CIPValueFaultTest, NamesFieldValueAndRange) {
    EXPECT_EQ(CIPValueFault("Maximum", GetParam().value, GetParam().dataType), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Types, CIPValueFaultTest,
    testing::Values(CIPValueCase{0xC6, "255", ""},
                    CIPValueCase{0xC6, "300", "Maximum 300 does not fit USINT (0 to 255)."},
                    CIPValueCase{8, "300", "Maximum 300 does not fit USINT (0 to 255)."},
                    CIPValueCase{0xC3, "-32768", ""}, CIPValueCase{0xC3, "0x10", ""},
                    CIPValueCase{0xC7, "abc", "Maximum abc does not fit UINT (0 to 65535)."},
                    CIPValueCase{0xCA, "1.5", ""},
                    CIPValueCase{0xCA, "x1", "Maximum x1 does not fit REAL (a number)."},
                    CIPValueCase{0xD0, "any text", ""}, CIPValueCase{0xC6, "", ""},
                    CIPValueCase{0x99, "abc", ""}));

TEST(CIPParamRules, SizesOfTypesAndPaths) {
    EXPECT_EQ(CIPFixedDataSize(0xC7), 2);
    EXPECT_EQ(CIPFixedDataSize(2), 2); // UINT in the parameter object's numbering
    EXPECT_EQ(CIPFixedDataSize(0xC4), 4);
    EXPECT_EQ(CIPFixedDataSize(0xD0), 0); // STRING has no fixed size
    EXPECT_EQ(LinkPathBytes("\"20 04 24 01 30 03\""), 6U);
    EXPECT_EQ(LinkPathBytes("\"\""), 0U);
    EXPECT_EQ(LinkPathBytes("\"20 04 [Param1]\""), std::nullopt);
}

TEST(CIPCheck, SoundFilesReportNothing) {
    for (const auto& [name, kind] : {std::pair{"devicenet-clean.eds", CIPFileKind::DeviceNet},
                                     std::pair{"ethernetip-clean.eds", CIPFileKind::EtherNetIP}}) {
        const CheckFindings findings = CheckCIPText(test::CheckFixtureText(name), name, kind, {});
        EXPECT_TRUE(findings.empty()) << test::Listed(findings);
    }
}

void ExpectReported(const char* file, CIPFileKind kind, const PlantedFault& fault) {
    int line = 0;
    const std::string text = Plant(test::CheckFixtureText(file), fault, line);
    const CheckFindings findings = CheckCIPText(text, "planted.eds", kind, {});
    EXPECT_TRUE(test::ReportsAt(findings, line, fault)) << "expected at line " << line << ":\n"
                                                        << test::Listed(findings);
}

class DeviceNetCheckTest : public testing::TestWithParam<PlantedFault> {};
class EtherNetIPCheckTest : public testing::TestWithParam<PlantedFault> {};

TEST_P(DeviceNetCheckTest, ReportsThePlantedFaultOnItsLine) {
    ExpectReported("devicenet-clean.eds", CIPFileKind::DeviceNet, GetParam());
}

TEST_P(EtherNetIPCheckTest, ReportsThePlantedFaultOnItsLine) {
    ExpectReported("ethernetip-clean.eds", CIPFileKind::EtherNetIP, GetParam());
}

const PlantedFault kDeviceNetFaults[] = {
    {"MinAboveMax", "0,5100,1500", "6000,5100,1500", Warning, "Minimum 6000 is above Maximum 5100.",
     "Param2 ="},
    {"DefaultOutsideUSINT", "0,2,0,", "0,2,300,", Error,
     "Default 300 does not fit USINT (0 to 255).", "Param1 ="},
    {"DataSizeOfUINT", "0x00,2,2,", "0x00,2,1,", Warning,
     "Data Size 1 does not match UINT (2 bytes).", "Param2 ="},
    {"DataTypeAsText", "0x00,2,2,", "0x00,UINT,2,", Error, "Data Type UINT is no number.",
     "Param2 ="},
    {"PathSize", "0,6,\"20 93 24 02 30 09\"", "0,4,\"20 93 24 02 30 09\"", Warning,
     "Path Size 4 does not match the link path's 6 bytes.", "Param2 ="},
    {"EnumBitWithoutEnumeration", "[EnumPar]\n        Param1 = \"Off\",\"Local\",\"Remote\";\n", "",
     Warning, "The enumerated-strings bit is set", "Param1 ="},
    {"EnumerationOfNoParameter", "Param1 = \"Off\"", "Param9 = \"Off\"", Error,
     "enumerates Param9, which the file does not have."},
    {"GroupNamesAMissingParameter", "\"Setup\",2,1,2;", "\"Setup\",2,1,3;", Error,
     "names Param3, which the file does not have.", "Group1"},
    {"GroupMemberCount", "\"Setup\",2,1,2;", "\"Setup\",3,1,2;", Warning,
     "says 3 members, but lists 2.", "Group1"},
    {"NumberWrittenAsText", "VendCode = 1287;", "VendCode = \"Example\";", Error,
     "\"Example\" is no number."},
    {"RequiredKeyMissing", "        ProdName = \"Drive\";\n", "", Error, "required key missing.",
     "[Device]"},
    {"KeyGivenAgain", "        Catalog = \"D-1\";\n",
     "        Catalog = \"D-1\";\n        Catalog = \"D-2\";\n", Warning,
     "given again (first at line", "        Catalog = \"D-2\""},
};

const PlantedFault kEtherNetIPFaults[] = {
    {"AssemblyMemberNamesAMissingParameter", "16,Param1;", "16,Param7;", Error,
     "names Param7, which the file does not have.", "Assem100"},
    {"ConnectionNamesAMissingAssembly", "Param1,2,Assem150,", "Param1,2,Assem151,", Error,
     "names Assem151, which the file does not have.", "Connection1"},
};

const auto kName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Rules, DeviceNetCheckTest, testing::ValuesIn(kDeviceNetFaults), kName);
INSTANTIATE_TEST_SUITE_P(Rules, EtherNetIPCheckTest, testing::ValuesIn(kEtherNetIPFaults), kName);

} // namespace
} // namespace corvid
