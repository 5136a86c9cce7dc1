#include "dictionaries/EDSTextHelper.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

struct NumberCase {
    const char* text;
    uint32_t value;
};

class ParseNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, Value) {
    EXPECT_EQ(ParseNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseNumberTest,
    testing::Values(NumberCase{"10", 10}, NumberCase{"0x10", 16}, NumberCase{"0X10", 16},
                    NumberCase{"0xff", 255}, NumberCase{"0x", 0}, NumberCase{"-5", 0},
                    NumberCase{"+2", 0}, NumberCase{"1.5", 0}, NumberCase{"12h", 0},
                    NumberCase{"$NODEID+0x180", 0}, NumberCase{"", 0}, NumberCase{" 2", 0},
                    NumberCase{"4294967295", 0xFFFFFFFFu}, NumberCase{"4294967296", 0},
                    NumberCase{"0x1FFFFFFFF", 0xFFFFFFFFu}, NumberCase{"007", 7}));

TEST(ParseFlag, OnlyASingleOneIsTrue) {
    EXPECT_TRUE(ParseFlag("1"));
    for (const char* text : {"0", "true", "TRUE", "01", "1 ", "", "0x1"})
        EXPECT_FALSE(ParseFlag(text)) << text;
}

TEST(IsHex, NeedsPrefixAndDigits) {
    EXPECT_TRUE(IsHex("0x0"));
    EXPECT_TRUE(IsHex("0XaF"));
    EXPECT_FALSE(IsHex("0x"));
    EXPECT_FALSE(IsHex("x10"));
    EXPECT_FALSE(IsHex("0x1G"));
    EXPECT_FALSE(IsDecimal(""));
    EXPECT_FALSE(IsDecimal("1a"));
}

TEST(SqueezeKeyAndTrimBlanks, TouchOnlyTheBlanksTheyAreFor) {
    const std::pair<std::string, std::string> squeezed[] = {
        {"Parameter Name = Motor  speed = fast", "ParameterName= Motor  speed = fast"},
        {" a b ", " a b "}, // no "=": no key
        {"\tLow\tLimit\t=0", "LowLimit=0"}};
    for (auto [line, expected] : squeezed) {
        SqueezeKey(line);
        EXPECT_EQ(line, expected);
    }
    for (auto [text, expected] :
         {std::pair<std::string, std::string>{" \t a  b \t", "a  b"}, {" \t ", ""}}) {
        TrimBlanks(text);
        EXPECT_EQ(text, expected);
    }
}

} // namespace
} // namespace corvid
