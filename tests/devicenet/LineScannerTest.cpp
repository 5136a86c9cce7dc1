// The line routines the DeviceNet and EtherNet/IP readers share: blanks and
// "$" comments outside quotes, entries over several lines, field splitting.

#include "devicenet/EDSLineScanner.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace corvid {
namespace {

using Strings = std::vector<std::string>;

struct NormalizeCase {
    const char* name;
    std::string_view line;
    std::string_view expected;
};

class NormalizeLineTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeLineTest, Rewrites) {
    EXPECT_EQ(NormalizeLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    NormalizeLine, NormalizeLineTest,
    testing::Values(
        NormalizeCase{"BlanksGoQuotedBlanksStay", "    VendName = \"Acme Drives Inc\";  $ vendor",
                      "VendName=\"Acme Drives Inc\";"},
        NormalizeCase{"TabsGo", "\tDefault\t=\t0x0001;\t", "Default=0x0001;"},
        NormalizeCase{"CommentOnly", "  $ a comment with \"quotes\"", ""},
        NormalizeCase{"DollarInsideQuotesStays", "Name=\"US$ 5\";$ price", "Name=\"US$ 5\";"},
        NormalizeCase{"TabInsideQuotesStays", "Help=\"a\tb\";", "Help=\"a\tb\";"},
        NormalizeCase{"OddQuoteKeepsTheRest", "Name=\"open $ x y", "Name=\"open $ x y"},
        NormalizeCase{"IndentedFieldsAroundAQuote", "\t\t6, \"20 93\"  ,\t0x04, $ c",
                      "6,\"20 93\",0x04,"},
        NormalizeCase{"HeaderLosesItsComment", "[Device]   $ identity", "[Device]"},
        NormalizeCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormalizeLine, KeepAsWrittenLeavesHeaderLinesOnly) {
    EXPECT_EQ(NormalizeLine("[Device]   $ identity", HeaderLines::KeepAsWritten),
              "[Device]   $ identity");
    EXPECT_EQ(NormalizeLine("  [Device]  $ x", HeaderLines::KeepAsWritten), "[Device]");
    EXPECT_EQ(NormalizeLine(" a = 1 ; $ x", HeaderLines::KeepAsWritten), "a=1;");
}

TEST(FindOutsideQuotes, SkipsQuotedCharacters) {
    const std::string_view line = R"(a="x,y",b;)";
    EXPECT_EQ(FindOutsideQuotes(line, ','), 7);
    EXPECT_EQ(FindOutsideQuotes(line, ',', 8), -1);
    EXPECT_EQ(FindOutsideQuotes(line, ';', 8), 9);
    EXPECT_EQ(FindOutsideQuotes(line, '='), 1);
    // Quote state counts from the start position.
    EXPECT_EQ(FindOutsideQuotes(line, ',', 4), 4);
    EXPECT_EQ(FindOutsideQuotes(line, ',', 5), -1);
    EXPECT_EQ(FindOutsideQuotes("", ','), -1);
}

TEST(CEDSLineSource, SplitsAtLineFeedsAndDropsCarriageReturns) {
    CEDSLineSource source("a = 1;\r\n\r\n  b\n\rc\r");
    std::string line;
    Strings lines;
    while (source.Next(line))
        lines.push_back(line);
    EXPECT_EQ(lines, (Strings{"a=1;", "", "b", "\rc"}));
    EXPECT_EQ(source.LineNumber(), 4);
    CEDSLineSource empty("");
    EXPECT_FALSE(empty.Next(line));
}

TEST(JoinEntry, AppendsNormalisedLinesUntilTheSemicolon) {
    CEDSLineSource source("  1,    $ size\n\n  $ alone\n  \"Speed\" ,\n 0x10;\nnext;");
    std::string line = "Input1=";
    ASSERT_TRUE(JoinEntry(line, source));
    EXPECT_EQ(line, "Input1=1,\"Speed\",0x10;");
    ASSERT_TRUE(source.Next(line));
    EXPECT_EQ(line, "next;");
}

TEST(JoinEntry, OneLineEntryIsLeftCutOffEntryFailsNotedAtItsFirstLine) {
    CEDSLineSource source("more;");
    std::string line = "PollInfo=1,2,3;";
    ASSERT_TRUE(JoinEntry(line, source));
    EXPECT_EQ(line, "PollInfo=1,2,3;");
    CEDSLineSource cut("Param1=\n1,\n2,");
    ASSERT_TRUE(cut.Next(line));
    ReaderDiagnostics diagnostics;
    EXPECT_FALSE(JoinEntry(line, cut, &diagnostics, "a.eds"));
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0].line, 1);
    EXPECT_EQ(diagnostics[0].text, "entry cut off by the end of the file");
}

// A reader joins an entry and splits it by the field ends noted while
// joining: that must give what splitting the joined text gives, whatever
// the quotes, comments and line ends of its lines.
TEST(JoinEntry, NotedFieldEndsSplitAsTheJoinedText) {
    using namespace std::string_literals;
    struct Case {
        std::string text;
        std::string joined;
        int lastLine;
    };
    const std::string longField(5000, 'x');
    const std::vector<Case> cases = {
        {"Param1=\n  1, \"a, b\" ,\r\n  0x10;\nnext;", "Param1=1,\"a, b\",0x10;", 3},
        // A ";" in a comment or inside quotes does not always end the entry.
        {"Param1=\n 1, $ note; more\n 2;", "Param1=1,2;", 3},
        {"Param1=\n \"a;b\",\n 2;", "Param1=\"a;b\",2;", 3},
        // A quote left open runs to its line's end; the entry counts on.
        {"Param1=\n \"open, $ quote\n 3, \"4 ,5\";", "Param1=\"open, $ quote3,\"4 ,5\";", 3},
        {"Param1=\n 1,\"x;\n y\";z;", "Param1=1,\"x;", 2},
        // "=" inside the value, text behind the ";", odd bytes in a line.
        {"Param1=a=b,\n c=d;e,f;", "Param1=a=b,c=d;e,f;", 2},
        {"Param1=\n 1,\r\r\n 2\0,3;"s, "Param1=1,\r2\0,3;"s, 3},
        {"Param1=\n " + longField + ",\n 2;", "Param1=" + longField + ",2;", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.joined.substr(0, 40));
        CEDSLineSource source(c.text);
        std::string line;
        ASSERT_TRUE(source.Next(line));
        CEntryFieldEnds ends;
        ASSERT_TRUE(JoinEntry(line, source, &ends));
        EXPECT_EQ(line, c.joined);
        EXPECT_EQ(source.LineNumber(), c.lastLine);
        CEntryFieldCursor noted(line, ends);
        Strings fields;
        std::string_view field;
        while (noted.Next(field))
            fields.emplace_back(field);
        EXPECT_EQ(fields, EntryFields(line));
        EXPECT_EQ(EntryFieldViews<3>(CEntryFieldCursor(line, ends)), EntryFieldViews<3>(line));
    }
}

// Lines are cleaned 16 bytes a step where at least 32 bytes of text are
// left, and a byte a step in the last ones. Generated texts, cleaned once
// with a line of filler behind them and once at the very end of the text,
// must give the same lines, entries and field ends, whatever falls on a
// block's edge: blanks, quotes, comments, stops, a CR LF split in two.
TEST(CEDSLineSource, BlockStepsCleanAsByteStepsDo) {
    using namespace std::string_literals;
    const std::array<std::string, 16> pieces = {"a",    "Bc",        " ",    "  ", "\t", "\"",
                                                "$",    "=",         ",",    ";",  "\r", "\0"s,
                                                "0x1F", "\"q ,;$\"", "\r\n", "\n"};
    std::mt19937 random(7);
    const std::string filler = "\n" + std::string(40, 'x');
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (unsigned count = random() % 24; count > 0; --count)
            text += pieces[random() % pieces.size()];
        SCOPED_TRACE(testing::PrintToString(text));
        const std::string padded = text + filler;
        CEDSLineSource blocks(padded);
        CEDSLineSource bytes(text);
        std::string line;
        std::string other;
        // Line by line.
        while (bytes.Next(line)) {
            ASSERT_TRUE(blocks.Next(other));
            EXPECT_EQ(other, line);
            EXPECT_EQ(bytes.RawLine(), blocks.RawLine());
            EXPECT_EQ(NormalizeLine(bytes.RawLine()), line);
        }
        // As one entry, its field ends noted.
        CEDSLineSource entryBlocks(padded);
        CEDSLineSource entryBytes(text);
        CEntryFieldEnds ends;
        CEntryFieldEnds otherEnds;
        if (!entryBytes.Next(line) || !JoinEntry(line, entryBytes, &ends))
            continue;
        ASSERT_TRUE(entryBlocks.Next(other));
        ASSERT_TRUE(JoinEntry(other, entryBlocks, &otherEnds));
        EXPECT_EQ(other, line);
        EXPECT_EQ(entryBlocks.LineNumber(), entryBytes.LineNumber());
        EXPECT_EQ(entryBlocks.RawLine(), entryBytes.RawLine());
        EXPECT_EQ(EntryFieldViews<4>(CEntryFieldCursor(line, ends)), EntryFieldViews<4>(line));
        EXPECT_EQ(EntryFieldViews<4>(CEntryFieldCursor(other, otherEnds)),
                  EntryFieldViews<4>(other));
    }
}

TEST(EntryFields, SplitsOutsideQuotesKeepingQuotes) {
    EXPECT_EQ(EntryFields(R"(Param1="a,b",,"c;d",7;)"), (Strings{"\"a,b\"", "", "\"c;d\"", "7"}));
    EXPECT_EQ(EntryFields("Enum1=\"only\";"), (Strings{"\"only\""}));
    EXPECT_EQ(EntryFields("Group1=;"), (Strings{""}));
    EXPECT_EQ(EntryFields("NoEquals;"), Strings{});
    // Text behind the terminator is not part of the entry.
    EXPECT_EQ(EntryFields("Param2=\"x\",\"y\";Param3=\"z\";"), (Strings{"\"x\"", "\"y\""}));
    // An odd quote in the last field: it runs to the entry's last ";".
    EXPECT_EQ(EntryFields("Param1=1,\"open;"), (Strings{"1", "\"open"}));
}

TEST(EntryFields, FixedCountPadsAndGathersTheRest) {
    EXPECT_EQ(EntryFields("PollInfo=0x1;", 3), (Strings{"0x1", "", ""}));
    EXPECT_EQ(EntryFields("X=1,2,3,4;", 3), (Strings{"1", "2", "3,4"}));
    EXPECT_EQ(EntryFields("X=1,2;", 2), (Strings{"1", "2"}));
    EXPECT_EQ(EntryFields("X=1,\"a,b;c;", 2), (Strings{"1", "\"a,b;c"}));
    EXPECT_EQ(EntryFields("X=\"a\";b,c;", 3), (Strings{"\"a\"", "", ""}));
}

TEST(EntryNumber, TextBetweenKeywordAndEquals) {
    EXPECT_EQ(EntryNumber("Input12=1;", "Input"), 12u);
    EXPECT_EQ(EntryNumber("Param0x10=1;", "Param"), 16u);
    EXPECT_EQ(EntryNumber("Param=1;", "Param"), 0u);
    EXPECT_EQ(EntryNumber("Param-1=1;", "Param"), 0u);
    EXPECT_EQ(EntryNumber("Output", "Input"), 0u);
}

TEST(SingleValue, EverySemicolonGoes) {
    EXPECT_EQ(SingleValue("DescText=\"A; B\";"), "\"A B\"");
    EXPECT_EQ(SingleValue("Revision=1.0;"), "1.0");
    EXPECT_EQ(SingleValue("Name=\"a=b\";"), "\"a=b\"");
    EXPECT_EQ(SingleValue("Name\"=\"=x;"), "x");
    EXPECT_EQ(SingleValue("Nothing"), "");
}

TEST(ParseSigned16, OptionalMinusThenNumber) {
    EXPECT_EQ(ParseSigned16("-5"), -5);
    EXPECT_EQ(ParseSigned16("5"), 5);
    EXPECT_EQ(ParseSigned16("-0x10"), -16);
    EXPECT_EQ(ParseSigned16("65535"), -1);
    EXPECT_EQ(ParseSigned16("-32768"), -32768);
    EXPECT_EQ(ParseSigned16("--5"), 0);
    EXPECT_EQ(ParseSigned16("-"), 0);
    EXPECT_EQ(ParseSigned16("+5"), 0);
}

constexpr std::array<std::string_view, 3> kHeaders = {"[A]", "[B]", "[C]"};

struct SectionRead {
    CEDSKeptLines kept;
    ReaderDiagnostics notes;
    Strings read;
};

// Reads `text`, whose sections are [A] to [C], taking only the entries that
// begin with "read".
SectionRead ReadEntriesNamedRead(const std::string& text) {
    SectionRead result;
    CEDSLineSource source(text);
    KeptLineTarget target{result.kept, &result.notes, "x.eds"};
    ReadSections(source, kHeaders, target, [&](size_t index, std::string& line) {
        return ReadSection(
            source, line, kHeaders, index, target, [] {},
            [&](const std::string& l) {
                if (!l.starts_with("read"))
                    return LineUse::NotRead;
                result.read.push_back(l);
                return LineUse::Read;
            });
    });
    return result;
}

// An entry the handler does not read is kept as written, joined up to its
// ";" across comment lines, but never across a header; a line without "="
// stands alone.
TEST(ReadSection, EntriesNotReadAreKeptAsWritten) {
    const SectionRead r = ReadEntriesNamedRead(
        "[A]\n  Enum1 =  $ c\n $ more\n   1,\"a;b\";\nodd\nread=1;\nCut = 1,\n\n$ c\n[B]\n");
    EXPECT_EQ(r.kept.EntriesOf("A"),
              (Strings{"  Enum1 =  $ c", " $ more", "   1,\"a;b\";", "odd", "Cut = 1,"}));
    EXPECT_TRUE(r.kept.Sections.empty());
    ASSERT_EQ(r.notes.size(), 3u);
    EXPECT_EQ(r.notes[0].line, 2);
    EXPECT_EQ(r.notes[0].text, "entry not read, kept as written: Enum1 in [A]");
    EXPECT_EQ(r.notes[2].line, 7);
}

// A kept entry that never gets its ";" ends in front of the next entry, so
// the entry behind it is still read (a save can put the two together).
TEST(ReadSection, OpenKeptEntryEndsInFrontOfTheNextEntry) {
    const SectionRead r = ReadEntriesNamedRead("[A]\nOpen = 1,\n 2,\nread = \"x=y\";\n");
    EXPECT_EQ(r.kept.EntriesOf("A"), (Strings{"Open = 1,", " 2,"}));
    EXPECT_EQ(r.read, Strings{"read=\"x=y\";"});
}

TEST(KeywordAt, ExactCaseAtTheStartNumberedOnesNeedNumberAndEquals) {
    EXPECT_TRUE(KeywordAt("VendCode=5;", "VendCode="));
    EXPECT_FALSE(KeywordAt("vendcode=5;", "VendCode="));
    EXPECT_FALSE(KeywordAt("xVendCode=5;", "VendCode="));
    EXPECT_FALSE(KeywordAt("[ParamClass]", "[Params]"));
    EXPECT_TRUE(NumberedKeywordAt("Assem0x10=", "Assem"));
    EXPECT_FALSE(NumberedKeywordAt("Param=1;", "Param"));
    EXPECT_FALSE(NumberedKeywordAt("ParamClass=1;", "Param"));
    EXPECT_FALSE(NumberedKeywordAt("Param12", "Param"));
}

// The key's number is read in one look; it must be the one EntryNumber
// reads, wrapping included, and the "=" the first one.
TEST(NumberedKeyAt, NumberAndEqualsAsTheEntryGivesThem) {
    for (const std::string_view line : {"Param12=1;", "Param0x1F=1;", "Param0X10=\"a=b\";",
                                        "Param4294967297=1;", "Param007=", "Param12=3=4;"}) {
        SCOPED_TRACE(line);
        const std::optional<NumberedKey> key = NumberedKeyAt(line, "Param");
        ASSERT_TRUE(key);
        EXPECT_EQ(key->Number, EntryNumber(line, "Param"));
        EXPECT_EQ(key->Equals, line.find('='));
    }
    for (const std::string_view line : {"Param12a=1;", "Param 1=1;", "Param0x=1;", "Param="})
        EXPECT_FALSE(NumberedKeyAt(line, "Param")) << line;
}

} // namespace
} // namespace corvid
