// Description blocks and names as a drive sends them, decoded; framing texts.

#include "device/DriveParameter.h"
#include "device/SerialFraming.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvid {
namespace {

using Bytes = std::vector<uint8_t>;

// An answer to a 15-register read: address, function, byte count, words.
Bytes BlockAnswer(uint16_t maximum, uint16_t minimum, uint16_t attribute, uint16_t defaultValue,
                  const std::string& name) {
    Bytes answer = {7, 0x63, 30};
    const auto word = [&answer](uint16_t value) {
        answer.push_back(static_cast<uint8_t>(value >> 8));
        answer.push_back(static_cast<uint8_t>(value & 0xFF));
    };
    word(0);
    word(maximum);
    word(minimum);
    word(attribute);
    word(defaultValue);
    std::string padded = name;
    padded.resize(16, '\0');
    answer.insert(answer.end(), padded.begin(), padded.end());
    word(0);
    word(0);
    answer.push_back(0xAA); // check bytes
    answer.push_back(0xBB);
    return answer;
}

struct SignCase {
    uint8_t driveType;
    uint16_t attribute;
    int32_t minimum;
    int32_t maximum;
    int32_t defaultValue;
};

class DecodeParameterBlockSign : public testing::TestWithParam<SignCase> {};

TEST_P(DecodeParameterBlockSign, SignExtendsOnlyListedTypesWithBit7) {
    const SignCase& c = GetParam();
    DriveParameter parameter;
    DecodeParameterBlock(c.driveType, BlockAnswer(0x2710, 0xD8F0, c.attribute, 0xFFCE, "Bias"),
                         parameter);
    EXPECT_EQ(parameter.minimum, c.minimum);
    EXPECT_EQ(parameter.maximum, c.maximum);
    EXPECT_EQ(parameter.defaultValue, c.defaultValue);
    EXPECT_EQ(parameter.attribute, c.attribute);
    EXPECT_EQ(parameter.name, "Bias");
}

INSTANTIATE_TEST_SUITE_P(
    Types, DecodeParameterBlockSign,
    testing::Values(
        SignCase{20, 0x0080, -10000, 10000, -50}, SignCase{201, 0x0280, -10000, 10000, -50},
        SignCase{32, 0x0080, -10000, 10000, -50},
        // Bit 7 clear, or a type that never signs (27 is rated but unsigned).
        SignCase{20, 0x0200, 0xD8F0, 10000, 0xFFCE}, SignCase{27, 0x0080, 0xD8F0, 10000, 0xFFCE},
        SignCase{7, 0x0080, 0xD8F0, 10000, 0xFFCE}, SignCase{1, 0x0081, 0xD8F0, 10000, 0xFFCE}));

TEST(DecodeParameterBlock, ShortAnswerReadsMissingWordsAsZero) {
    Bytes answer = BlockAnswer(100, 1, 0, 50, "Speed Limit");
    // The drive claims 8 bytes of data only: maximum, minimum, attribute, default.
    answer[2] = 10;
    DriveParameter parameter;
    DecodeParameterBlock(20, AnswerData(answer), parameter);
    EXPECT_EQ(parameter.maximum, 100);
    EXPECT_EQ(parameter.defaultValue, 50);
    EXPECT_EQ(parameter.name, "");

    // Fewer bytes than the header: nothing is read.
    DecodeParameterBlock(20, AnswerData(Bytes{7, 3}), parameter);
    EXPECT_EQ(parameter.maximum, 0);
    EXPECT_EQ(parameter.name, "");
}

TEST(AnswerData, NeverCoversMoreThanTheFrame) {
    const Bytes frame = {7, 3, 200, 1, 2};
    EXPECT_EQ(AnswerData(frame).size(), 5u);
    EXPECT_EQ(AnswerWord(AnswerData(frame), 0), 0x0102);
    EXPECT_EQ(AnswerWord(AnswerData(frame), 1), 0);
    EXPECT_EQ(AnswerData(Bytes{7, 3, 2, 1, 2, 0xAA, 0xBB}).size(), 5u);
}

TEST(CleanDriveName, EndsAtNulDropsControlsAndQuotes) {
    const auto clean = [](const std::string& bytes) {
        return CleanDriveName(
            std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    };
    EXPECT_EQ(clean(std::string("Accel\0Time 1", 12)), "Accel");
    EXPECT_EQ(clean("Max\x01\x1F\x7F Freq\r\n"), "Max Freq");
    EXPECT_EQ(clean("5\" Display"), "5' Display");
    EXPECT_EQ(clean("Temp \xB0"
                    "C"),
              "Temp \xB0"
              "C"); // code-page bytes stay
    EXPECT_EQ(clean(std::string(16, '\0')), "");
}

TEST(AnswerName, TakesTheRegistersHighByteFirst) {
    const Bytes answer = {7,   3, 16,  'G', 'r', 'o', 'u', 'p', ' ',  '"', 'A',
                          '"', 0, 'x', 'x', 'x', 'x', 'x', 'x', 0x12, 0x34};
    EXPECT_EQ(AnswerName(AnswerData(answer), 0, 8), "Group 'A'");
    // Registers past the answer are simply not there.
    EXPECT_EQ(AnswerName(AnswerData(answer), 2, 100), "p 'A'");
}

TEST(ApplyFramingText, EveryListTextLabelsItselfAndOtherCharactersChangeNothing) {
    for (const std::string_view text : kFramingTexts) {
        SerialFraming framing;
        ApplyFramingText(text, framing);
        EXPECT_EQ(FramingLabel(framing), text);
    }
    SerialFraming framing{5, kParityMark, kStopBitsOneAndHalf, false};
    ApplyFramingText("8 X 3 RTU", framing);
    EXPECT_EQ(framing, (SerialFraming{8, kParityMark, kStopBitsOneAndHalf, true}));
}

} // namespace
} // namespace corvid
