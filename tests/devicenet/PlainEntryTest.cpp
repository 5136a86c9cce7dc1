// Parameter and assembly entries taken straight from the file's text,
// against the same entries cleaned and joined: generated entries that mix what files hold,
// plain or not, must give the same fields and leave the line source in the
// same place, and those that are not plain must be left to joining.

#include "../../fuzz/PlainEntryOracle.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace corvid {
namespace {

using Pieces = std::vector<std::string>;

// Blanks, line ends and comments around a value, each as plain as a value
// allows, and then pieces that make an entry read otherwise when joined.
const Pieces kPlainSpaces = {
    "", "", " ", "\t", "\r\n\t\t", "\n", " $ note, \"q\"; $\r\n", std::string(70, ' ')};
const Pieces kOddSpaces = {"\r", " \r ", "\n[Params]\n", "$ no line end"};
const Pieces kPlainValues = {"",
                             "0",
                             "0x00C7",
                             "65535",
                             "-3",
                             "\"Speed, rpm\"",
                             "\"a;b $ c=d\"",
                             "\"\"",
                             "\"tab\t\r\"",
                             "a=b",
                             "[x]",
                             "x\"q r\"y",
                             "\"" + std::string(90, 'h') + "\""};
const Pieces kOddValues = {"\"open", "1 2", "\"a\" \"b\"", "\"split\nline\""};
// Behind the ";": the line's end, or more text on it.
const Pieces kPlainEnds = {"", "\r\n", "  $ end, \"x\n", "\n\n"};
const Pieces kOddEnds = {" x;\n", "\r", " ;\n", "\r\r\n"};

std::string GeneratedEntry(std::mt19937& random) {
    // An entry is plain, nearly plain or often odd, so both ways are taken.
    const unsigned oddOneIn = std::array{1000u, 60u, 8u}[random() % 3];
    const auto piece = [&](const Pieces& plain, const Pieces& odd) {
        const Pieces& from = random() % oddOneIn == 0 ? odd : plain;
        return from[random() % from.size()];
    };
    // An assembly lists any number of fields, at times only empty ones, so
    // that a window holds a stop at every byte.
    const bool assembly = random() % 3 == 0;
    const bool empty = assembly && random() % 4 == 0;
    std::string text = std::array{"Param1=", "\tParam 12 =\t",
                                  "Assem3=", " Assem 0x10= "}[random() % 2 + (assembly ? 2 : 0)];
    for (unsigned fields = 1 + random() % (assembly ? 150 : 23); fields > 0; --fields) {
        if (!empty)
            text += piece(kPlainSpaces, kOddSpaces) + piece(kPlainValues, kOddValues) +
                    piece(kPlainSpaces, kOddSpaces);
        text += fields > 1 ? "," : ";";
    }
    text += piece(kPlainEnds, kOddEnds) + "Param2=1;\n";
    if (random() % 8 == 0)
        text.resize(1 + random() % text.size()); // cut off
    return text;
}

TEST(TakePlainEntry, ReadsAsTheJoinedLinesAndLeavesTheRestToJoining) {
    std::mt19937 random(11);
    int plain = 0;
    int joined = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text = GeneratedEntry(random);
        CEDSLineSource source(text);
        std::string line;
        ASSERT_TRUE(source.Next(line));
        const fuzz::PlainEntryCheck check = fuzz::CheckPlainEntry(source, line);
        ASSERT_EQ(check.Difference, "") << testing::PrintToString(text);
        ++(check.Plain ? plain : joined);
    }
    EXPECT_GT(plain, 5000);
    EXPECT_GT(joined, 5000);
}

} // namespace
} // namespace corvid
