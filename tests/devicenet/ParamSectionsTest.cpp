// [Params], [EnumPar] and [Groups]: entries read into parameters, and the
// three sections written from them in the fixed layout.

#include "devicenet/EDSParamSections.h"

#include "EDSWriterLayout.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using Strings = std::vector<std::string>;

CEDSParamList Params(size_t count) {
    return CEDSParamList(count);
}

std::string Format(const CEDSParamList& params, const Strings& groupNames) {
    CEDSLineWriter out;
    FormatParamSections(out, params, groupNames);
    return out.Take();
}

TEST(ParamFromEntry, ShortEntryLeavesTheRestEmptyAndNarrowFieldsKeepLowBits) {
    const auto p = ParamFromEntry("Param1=0x1FF,,,,;");
    EXPECT_EQ(p.Reserved, 0xFF);
    EXPECT_EQ(p.LinkPath, "");
    EXPECT_EQ(p.ParameterName, "");
    EXPECT_FALSE(p.Precision);
}

// The first parameter in list order keeps a number; later ones that repeat
// it, and those without one, count on from the highest.
TEST(ParamNumbers, FirstHolderKeepsItRepeatsAndZerosCountOn) {
    CEDSParamList params = Params(7);
    const std::vector<uint32_t> own = {9, 3, 9, 0, 3, 4, 1};
    for (size_t i = 0; i < own.size(); ++i)
        params[i].Number = own[i];
    EXPECT_EQ(ParamNumbers(params), (std::vector<uint32_t>{9, 3, 10, 11, 12, 4, 1}));
    params.resize(3);
    params[2].Number = 12;
    EXPECT_EQ(ParamNumbers(params), (std::vector<uint32_t>{9, 3, 12}));
    EXPECT_TRUE(ParamNumbers({}).empty());
}

TEST(ReadEnumParEntry, ReplacesStringsOfTheNamedParameterOnly) {
    CEDSParamList params = Params(3);
    params[1].EnumStrings = Strings{"\"old\""};
    EXPECT_TRUE(ReadEnumParEntry("Param2=\"Off\",\"On, fast\";", params));
    EXPECT_EQ(params[1].EnumStrings, (Strings{"\"Off\"", "\"On, fast\""}));
    EXPECT_TRUE(ReadEnumParEntry("Param3=\"Only\";", params));
    EXPECT_EQ(params[2].EnumStrings, (Strings{"\"Only\""}));
    EXPECT_FALSE(params[0].EnumStrings);
    // A number outside the parameters is skipped; 65536 cut to 16 bits is 0.
    for (const char* entry : {"Param0=\"a\";", "Param4=\"a\";", "Param65536=\"a\";"})
        EXPECT_FALSE(ReadEnumParEntry(entry, params)) << entry;
    CEDSParamList none;
    EXPECT_FALSE(ReadEnumParEntry("Param1=\"a\";", none));
    EXPECT_FALSE(params[0].EnumStrings);
}

// Group numbers in the keys with a gap and out of order: each name keeps
// its own members.
TEST(ReadGroupEntry, MembersJoinTheGroupOfTheirLine) {
    CEDSParamList params = Params(4);
    Strings names;
    EXPECT_EQ(ReadGroupEntry("Group3=\"Setup\",2,1,3;", params, names), 0u);
    EXPECT_EQ(ReadGroupEntry("Group1=\"Monitor\",1,4;", params, names), 0u);
    EXPECT_EQ(names, (Strings{"\"Setup\"", "\"Monitor\""}));
    EXPECT_EQ(params[0].Group, 1);
    EXPECT_EQ(params[1].Group, 0);
    EXPECT_EQ(params[2].Group, 1);
    EXPECT_EQ(params[3].Group, 2);
}

TEST(ReadGroupEntry, GroupsPast255KeepTheirNameOnly) {
    CEDSParamList params = Params(1);
    Strings names(255, "\"g\"");
    EXPECT_EQ(ReadGroupEntry("Group256=\"Last\",1,1;", params, names), 1u);
    EXPECT_EQ(names.size(), 256u);
    EXPECT_EQ(params[0].Group, 0);
}

TEST(ReadGroupEntry, MembersNamingNoParameterAreSkippedTheGroupStays) {
    CEDSParamList params = Params(2);
    Strings names;
    EXPECT_EQ(ReadGroupEntry("Group1=\"Odd\",3,0,2,9;", params, names), 2u);
    EXPECT_EQ(ReadGroupEntry("Group2=\"Empty\",0;", params, names), 0u);
    EXPECT_EQ(names, (Strings{"\"Odd\"", "\"Empty\""}));
    EXPECT_EQ(params[0].Group, 0);
    EXPECT_EQ(params[1].Group, 1);
}

// Members in any form are read by ParseNumber's rules, up to the first
// ";", and a comma inside quotes splits no member.
TEST(ReadGroupEntry, MembersAreNumbersInEveryFormTheRulesTake) {
    CEDSParamList params = Params(3);
    Strings names;
    // 0x2 and 03 name parameters 2 and 3, 4294967297 wraps to 1; "2x" and
    // the two empty members name none.
    EXPECT_EQ(ReadGroupEntry("Group1=\"G\",6,0x2,03,4294967297,2x,,;", params, names), 3u);
    EXPECT_EQ(params[0].Group, 1);
    EXPECT_EQ(params[1].Group, 1);
    EXPECT_EQ(params[2].Group, 1);
    EXPECT_EQ(ReadGroupEntry("Group2=\"H\",2,\"3,1\",2;", params, names), 1u);
    EXPECT_EQ(ReadGroupEntry("Group3=\"I\",1,3;1", params, names), 0u);
    EXPECT_EQ(params[0].Group, 1);
    EXPECT_EQ(params[1].Group, 2);
    EXPECT_EQ(params[2].Group, 3);
}

TEST(FormatParamSections, WholeLayout) {
    CEDSParamList params = Params(2);
    CEDSParam& p = params[0];
    p.Reserved = 0;
    p.PathSize = 6;
    p.LinkPath = "\"20 0F 24 01 30 01\"";
    p.Descriptor = 3;
    p.DataType = 199;
    p.DataSize = 2;
    p.ParameterName = "\"Speed\"";
    p.UnitsStr = "\"rpm\"";
    p.HelpStr = "\"Set speed\"";
    p.Minimum = "0";
    p.Maximum = "1500";
    p.Default = "0";
    p.Multiplier = 65535;
    p.Divider = 1;
    p.Base = 1;
    p.Offset = -5;
    p.Group = 1;
    params[1].Precision = 3;
    params[1].EnumStrings = Strings{"\"Off\"", "\"On\""};
    params[1].Group = 1;
    EXPECT_EQ(Format(params, {"\"Drive\"", "\"Empty group\""}),
              test::WrittenFile("param-sections.eds"));
}

// Empty scaling fields stand for 1, 1, 1, 0 to the tools that read the
// file: written as 0 they would divide by zero. A precision or path size of
// 0 is a value of its own and stays 0.
TEST(FormatParamSections, FieldsLeftEmptyStayEmptyAndZerosStayZero) {
    CEDSParamList params;
    params.push_back(ParamFromEntry("Param1=0,,\"\",0x00,0xC7,2,\"A\",\"\",\"\",0,1,0,,,,,,,,,;"));
    params.push_back(
        ParamFromEntry("Param2=0,0,\"\",0x00,0xC7,2,\"B\",\"\",\"\",0,1,0,0,0,0,0,,,,,0;"));
    EXPECT_FALSE(params[0].Multiplier || params[0].Divider || params[0].Base || params[0].Offset ||
                 params[0].Precision || params[0].PathSize);
    // A field of blanks alone is as empty as one with nothing.
    const CEDSParam blanks =
        ParamFromEntry("Param3=0, \t,\"\",0,0xC7,2,\"C\",\"\",\"\",0,1,0, ,\t, ,  ,,,,,  ;");
    EXPECT_FALSE(blanks.PathSize || blanks.Multiplier || blanks.Divider || blanks.Base ||
                 blanks.Offset || blanks.Precision);
    const std::string text = Format(params, {});
    EXPECT_NE(text.find("\tParam1=\r\n\t\t0,\r\n\t\t, \"\",\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"A\",\r\n\t\t\"\",\r\n\t\t\"\",\r\n\t\t0, 1, 0,\r\n\t\t, , , ,\r\n"
                        "\t\t, , , , ;\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\tParam2=\r\n\t\t0,\r\n\t\t0, \"\",\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t0, 0, 0, 0,\r\n\t\t, , , , 0;\r\n"), std::string::npos);
}

TEST(FormatParamSections, NothingToWriteStillWritesTheTwoEmptyLines) {
    EXPECT_EQ(Format({}, {}), "\r\n\r\n");
}

TEST(FormatParamSections, EmptyEnumerationIsLeftOut) {
    CEDSParamList params = Params(2);
    params[0].EnumStrings = Strings{};
    params[1].EnumStrings = Strings{"\"A\""};
    const std::string text = Format(params, {});
    EXPECT_EQ(text.find("\tParam1=\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("[EnumPar]\r\n\tParam2=\r\n\t      \"A\";\r\n\r\n\r\n"), std::string::npos);
}

// Blanks behind member numbers: five up to 10, four up to 100, three up to
// 1000, two up to 10000 and one above.
TEST(FormatParamSections, MemberSpacingByNumber) {
    CEDSParamList params = Params(10001);
    for (size_t n : {2, 10, 11, 100, 101, 1000, 1001, 10000, 10001})
        params[n - 1].Group = 1;
    const std::string text = Format(params, {"\"G\""});
    EXPECT_NE(text.find("[Groups]\r\n\tGroup1=  \"G\",         9,   2,     10,     11,    100,    "
                        "101,   1000,   1001,  10000,  10001;\r\n"),
              std::string::npos);
}

TEST(ReadParamSectionLine, CutOffEntryEndsTheReadAndIsNoted) {
    CEDSParamList params;
    Strings names;
    ReaderDiagnostics notes;
    ParamSectionTarget target{params, names, &notes, "x.eds"};
    CEDSLineSource source("Param1=0,\n6,");
    std::string line;
    ASSERT_TRUE(source.Next(line));
    EXPECT_EQ(ReadParamSectionLine(ParamSection::Params, line, source, target), LineUse::CutOff);
    EXPECT_TRUE(params.empty());
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].line, 1);
}

} // namespace
} // namespace corvid
