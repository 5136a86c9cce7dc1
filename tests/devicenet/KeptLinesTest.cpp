// What a DeviceNet file holds beyond the model: entries and sections the
// reader does not read come back as written, in their places; parameters
// keep the numbers their keys give them; a byte-order mark is kept.

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"

#include "EDSWriterLayout.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using Strings = std::vector<std::string>;
using test::CrLf;

CDeviceNetEDS Read(std::string_view text, ReaderDiagnostics* notes = nullptr) {
    CDeviceNetEDS model;
    LoadDeviceNetEDSText(model, text, "valve.eds", notes);
    return model;
}

const std::string kValve =
    "\xEF\xBB\xBF" + CrLf({
                         "$ made by hand",
                         "[File]",
                         "        DescText = \"Valve\";",
                         "        HomeURL = \"http://v\";  $ why",
                         "[Device Classification]",
                         "        Class1 = DeviceNet;",
                         "",
                         "$ the device",
                         "[Device]",
                         "        VendCode = 404;",
                         "        Icon = \"v.ico\";",
                         "[Params]",
                         "        Param1 = 0,,,0x0012,0xC7,2,\"A\",\"\",\"\","
                         "0,1,0,,,,,,,,,;",
                         "        Enum1 =",
                         "                0,\"Off\",   $ first",
                         "                1,\"On\";",
                         "        Param999 = 0,,,0x0210,0xC7,2,\"B\",\"\","
                         "\"\",0,1,0,,,,,,,,,;",
                         "[EnumPar]",
                         "        Param999 = \"x\", \"y\";",
                         "[Groups]",
                         "        Group1 = \"G\", 2, 1, 999;",
                         "[Vendor Tail]",
                         "        Thing = 1;",
                     });

TEST(DeviceNetKeptLines, EntriesAtTheEndOfTheirSectionSectionsAfterTheirPredecessor) {
    const std::string once = FormatDeviceNetEDS(Read(kValve));
    EXPECT_EQ(once, test::WrittenFile("devicenet-valve-kept.eds"));
    EXPECT_EQ(FormatDeviceNetEDS(Read(once)), once);
}

TEST(DeviceNetKeptLines, ReaderNotesWhatItKeptWithItsLine) {
    ReaderDiagnostics notes;
    const CDeviceNetEDS model = Read(kValve, &notes);
    Strings texts;
    for (const ReaderDiagnostic& note : notes)
        texts.push_back(std::to_string(note.line) + ": " + note.text);
    EXPECT_EQ(texts, (Strings{"4: entry not read, kept as written: HomeURL in [File]",
                              "5: section not read, kept as written: [Device Classification]",
                              "11: entry not read, kept as written: Icon in [Device]",
                              "14: entry not read, kept as written: Enum1 in [Params]",
                              "22: section not read, kept as written: [Vendor Tail]"}));
    EXPECT_TRUE(model.Kept.ByteOrderMark);
    EXPECT_EQ(model.ParamAt(1).Number, 999u);
    EXPECT_EQ(model.ParamAt(1).Group, 1);
    EXPECT_EQ(model.ParamAt(1).Descriptor, 0x0210);
}

// A section kept whole ends only at a line that begins with "[" once its
// blanks are gone; a kept entry without its ";" runs up to the next entry
// or header, and a "=" or "$" inside quotes ends nothing. Of the comment
// lines only those at the end of either are left out.
TEST(DeviceNetKeptLines, KeptSectionsAndEntriesEndWhereTheirTextDoes) {
    const CDeviceNetEDS model = Read("[Vendor]\n"
                                     "$ head\n"
                                     "A = 1;\n"
                                     "  $ mid\n"
                                     "\"[quoted\"\n"
                                     "\t$ tail\n"
                                     " \t[Params]\n"
                                     "Enum1 = 0,\"a=b\",   $ first\n"
                                     "\t\"$ kept\"\n"
                                     "$ between\n"
                                     " \t $ indented\n"
                                     "\n"
                                     "Enum2 = 3;\n"
                                     "Enum3 = 4,\n"
                                     "[Groups]\n");
    ASSERT_EQ(model.Kept.Sections.size(), 1u);
    EXPECT_EQ(model.Kept.Sections[0].Lines,
              (Strings{"$ head", "A = 1;", "  $ mid", "\"[quoted\""}));
    EXPECT_EQ(
        model.Kept.EntriesOf("Params"),
        (Strings{"Enum1 = 0,\"a=b\",   $ first", "\t\"$ kept\"", "Enum2 = 3;", "Enum3 = 4,"}));
}

// An enumeration for a parameter the file does not have stays among the
// other kept [EnumPar] lines where the file had it: moved behind them, it
// could be read back as the continuation of a kept entry in front.
TEST(DeviceNetKeptLines, EnumerationForNoParameterKeepsItsPlace) {
    const std::string once =
        FormatDeviceNetEDS(Read("[EnumPar]\nOdd = 1;\nParam7 = \"x\";\nLast = 2;\n"));
    EXPECT_NE(once.find("[EnumPar]\r\nOdd = 1;\r\nParam7 = \"x\";\r\nLast = 2;\r\n"),
              std::string::npos)
        << once;
    EXPECT_EQ(FormatDeviceNetEDS(Read(once)), once);
}

// Lines in front of the first section that hold more than comments are kept
// there, and read back the same.
TEST(DeviceNetKeptLines, LinesInFrontAndEmptyHeadersReadBackTheSame) {
    const CDeviceNetEDS model = Read("$ c\nStray = 1;\n\n[IO_Info]\nDefault=1;\n");
    ASSERT_EQ(model.Kept.Sections.size(), 1u);
    EXPECT_EQ(model.Kept.Sections[0].Lines, Strings{"Stray = 1;"});
    const std::string once = FormatDeviceNetEDS(model);
    EXPECT_NE(once.find("$ Create by Corvid software\r\n\r\nStray = 1;\r\n\r\n[IO_Info]\r\n"),
              std::string::npos);
    const CDeviceNetEDS again = Read(once);
    EXPECT_EQ(FormatDeviceNetEDS(again), once);

    // Under an empty header once every section the writer puts there has a
    // name: written last, under that header again.
    const CDeviceNetEDS named = Read("[File]\n[Device]\n[IO_Info]\n[]\nOdd=1;\n[Vendor]\nV=1;\n");
    EXPECT_EQ(named.Kept.EntriesOf(""), Strings{"Odd=1;"});
    const std::string namedOnce = FormatDeviceNetEDS(named);
    // A section after the empty header, which has no place of its own
    // then, goes at the end.
    EXPECT_TRUE(namedOnce.ends_with("\r\n[Vendor]\r\nV=1;\r\n\r\n[]\r\nOdd=1;\r\n\r\n"));
    EXPECT_EQ(FormatDeviceNetEDS(Read(namedOnce)), namedOnce);

    // A section after an empty header cannot say which section it followed:
    // it goes at the end, never in front of everything, and stays there on
    // the next save.
    for (const std::string input : {"[Vendor A]\nA=1;\n[Params]\n[Vendor B]\nB=1;\n",
                                    "[Vendor A]\nA=1;\n[]\nDescText=\"d\";\n[Device]\n"
                                    "VendCode=1;\n[]\nDefault=1;\n[Vendor B]\nB=1;\n"}) {
        const std::string unnamedOnce = FormatDeviceNetEDS(Read(input));
        EXPECT_LT(unnamedOnce.find("[Vendor A]"), unnamedOnce.find("[Vendor B]"));
        EXPECT_TRUE(unnamedOnce.ends_with("[Vendor B]\r\nB=1;\r\n\r\n")) << unnamedOnce;
        EXPECT_EQ(FormatDeviceNetEDS(Read(unnamedOnce)), unnamedOnce);
    }
}

// Parameters added by an editor get the next free number; repeated numbers
// in a file are given new ones rather than two parameters sharing one.
TEST(DeviceNetKeptLines, ParameterNumbersStayUniqueNewOnesComeNext) {
    ReaderDiagnostics notes;
    CDeviceNetEDS model = Read("[Params]\nParam5=0,,,0,0,0,\"A\",,,,,,,,,,,,,,;\n"
                               "Param5=0,,,0,0,0,\"B\",,,,,,,,,,,,,,;\n"
                               "Param2=0,,,0,0,0,\"C\",,,,,,,,,,,,,,;\n",
                               &notes);
    EXPECT_EQ(ParamNumbers(model.Params), (std::vector<uint32_t>{5, 6, 2}));
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].line, 3);
    EXPECT_EQ(NextFreeParamNumber(model.Params), 7u);

    CEDSParam added;
    added.Number = NextFreeParamNumber(model.Params);
    model.Params.insert(model.Params.begin(), std::move(added));
    const std::string text = FormatDeviceNetEDS(model);
    EXPECT_LT(text.find("\tParam7="), text.find("\tParam5="));
    EXPECT_NE(text.find("\tParam2="), std::string::npos);
}

} // namespace
} // namespace corvid
