#include "device/ModbusFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvid {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes FromText(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::string AsText(std::span<const uint8_t> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(HexDigits, UpperCaseOutBothCasesInAndZeroOutsideRange) {
    const std::string digits = "0123456789ABCDEF";
    for (uint8_t n = 0; n < 16; ++n) {
        EXPECT_EQ(CModbusFrame::NibbleToHex(n), digits[n]);
        EXPECT_EQ(CModbusFrame::HexToNibble(digits[n]), n);
    }
    EXPECT_EQ(CModbusFrame::NibbleToHex(16), '\0');
    EXPECT_EQ(CModbusFrame::HexToNibble('a'), 10);
    for (uint8_t c : {'g', 'G', ':', '/', '@', '\r', '\0', '\xFF'})
        EXPECT_EQ(CModbusFrame::HexToNibble(c), 0) << int(c);
}

struct CrcCase {
    Bytes bytes;
    uint16_t crc;
};

class Crc16Test : public testing::TestWithParam<CrcCase> {};

TEST_P(Crc16Test, KnownVectors) {
    EXPECT_EQ(CModbusFrame::Crc16(GetParam().bytes), GetParam().crc);
}

INSTANTIATE_TEST_SUITE_P(Vectors, Crc16Test,
                         testing::Values(CrcCase{{0x01, 0x03, 0x00, 0x00, 0x00, 0x01}, 0x0A84},
                                         CrcCase{{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03}, 0x8776},
                                         CrcCase{FromText("123456789"), 0x4B37},
                                         CrcCase{{}, 0xFFFF}));

TEST(Lrc, TwosComplementOfTheSum) {
    EXPECT_EQ(CModbusFrame::Lrc(Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03}), 0x7E);
    EXPECT_EQ(CModbusFrame::Lrc(Bytes{0xFF, 0x03, 0x21, 0x10, 0x00, 0x03}), 0xCA);
    // A sum of 0 gives 0, not 0x100.
    EXPECT_EQ(CModbusFrame::Lrc(Bytes{0x80, 0x80}), 0x00);
    EXPECT_EQ(CModbusFrame::Lrc(Bytes{}), 0x00);
}

TEST(BuildRequest, RtuFrameEndsInCrcLowByteFirst) {
    ModbusBuffer out{};
    ASSERT_EQ(CModbusFrame::BuildRequest(0x01, true, 3, 0x0000, 0x0001, out), 8u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 8),
              (Bytes{0x01, 0x03, 0x00, 0x00, 0x00, 0x01, 0x84, 0x0A}));
    ASSERT_EQ(CModbusFrame::BuildRequest(0x11, true, 3, 0x006B, 0x0003, out), 8u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 8),
              (Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03, 0x76, 0x87}));
}

TEST(BuildRequest, AsciiFrameIsUpperCaseHexWithLrc) {
    ModbusBuffer out{};
    ASSERT_EQ(CModbusFrame::BuildRequest(0xFF, false, 3, 0x2110, 3, out), 17u);
    EXPECT_EQ(AsText(std::span(out).first(17)), ":FF0321100003CA\r\n");
    ASSERT_EQ(CModbusFrame::BuildRequest(0x07, false, 0x63, 0x0A0B, 15, out), 17u);
    EXPECT_EQ(AsText(std::span(out).first(17)), ":07630A0B000F72\r\n");
}

TEST(BuildRequest, RefusesRoomTooSmall) {
    std::array<uint8_t, 16> ascii{};
    EXPECT_EQ(CModbusFrame::BuildRequest(1, false, 3, 0, 1, ascii), 0u);
    EXPECT_EQ(ascii, (std::array<uint8_t, 16>{}));
    std::array<uint8_t, 7> rtu{};
    EXPECT_EQ(CModbusFrame::BuildRequest(1, true, 3, 0, 1, rtu), 0u);
}

struct LengthCase {
    uint8_t function;
    uint16_t quantity;
    size_t rtu;
    size_t ascii;
};

class ExpectedResponseLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(ExpectedResponseLengthTest, BothFramings) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(CModbusFrame::ExpectedResponseLength(true, c.function, c.quantity), c.rtu);
    EXPECT_EQ(CModbusFrame::ExpectedResponseLength(false, c.function, c.quantity), c.ascii);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, ExpectedResponseLengthTest,
    testing::Values(LengthCase{3, 15, 35, 71}, LengthCase{0x63, 15, 35, 71},
                    LengthCase{0x67, 1, 7, 15}, LengthCase{4, 15, 100, 100},
                    LengthCase{1, 9, 7, 15}, LengthCase{2, 8, 6, 13}, LengthCase{1, 0, 5, 11},
                    LengthCase{5, 1, 8, 17}, LengthCase{6, 1, 8, 17}, LengthCase{15, 9, 8, 17},
                    LengthCase{16, 2, 8, 17}, LengthCase{0x2B, 1, 100, 100},
                    // Not cut to 8 bits: a caller must see that it exceeds its buffer.
                    LengthCase{3, 200, 405, 811}, LengthCase{3, 0xFFFF, 131075, 262151}));

// The classic answer to "read 3 registers from 0x006B of slave 0x11".
const Bytes kRtuAnswer = {0x11, 0x03, 0x06, 0xAE, 0x41, 0x56, 0x52, 0x43, 0x40, 0x49, 0xAD};
const std::string kAsciiAnswer = ":110306AE4156524340CC\r\n";
const Bytes kAnswerPayload = {0x06, 0xAE, 0x41, 0x56, 0x52, 0x43, 0x40};

TEST(BuildAnswer, GivesTheKnownFrames) {
    ModbusBuffer out{};
    ASSERT_EQ(CModbusFrame::BuildAnswer(0x11, true, 3, kAnswerPayload, out), kRtuAnswer.size());
    EXPECT_EQ(Bytes(out.begin(), out.begin() + kRtuAnswer.size()), kRtuAnswer);
    ASSERT_EQ(CModbusFrame::BuildAnswer(0x11, false, 3, kAnswerPayload, out), kAsciiAnswer.size());
    EXPECT_EQ(AsText(std::span(out).first(kAsciiAnswer.size())), kAsciiAnswer);
    ASSERT_EQ(CModbusFrame::BuildAnswer(0x07, true, 0x83, Bytes{0x02}, out), 5u);
    EXPECT_TRUE(CModbusFrame::CheckResponse(true, 5, out));
}

TEST(BuildAnswer, RefusesPayloadTooLong) {
    ModbusBuffer out{};
    const Bytes payload(124, 0x55);
    EXPECT_EQ(CModbusFrame::BuildAnswer(1, true, 3, payload, out), 128u);
    EXPECT_EQ(CModbusFrame::BuildAnswer(1, true, 3, Bytes(125, 0x55), out), 0u);
    EXPECT_EQ(CModbusFrame::BuildAnswer(1, false, 3, payload, out), 0u);
    EXPECT_EQ(CModbusFrame::BuildAnswer(1, true, 3, Bytes(4000, 0x55), out), 0u);
}

struct CheckCase {
    const char* name;
    bool rtu;
    Bytes frame;
    size_t length;
    ModbusFrameCheck result;
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

class CheckAnswerTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckAnswerTest, Result) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(CModbusFrame::CheckAnswer(c.rtu, c.length, c.frame), c.result)
        << ModbusFrameCheckText(CModbusFrame::CheckAnswer(c.rtu, c.length, c.frame));
    EXPECT_EQ(CModbusFrame::CheckResponse(c.rtu, c.length, c.frame),
              c.result == ModbusFrameCheck::Good);
}

Bytes Changed(Bytes frame, size_t at, uint8_t value) {
    frame[at] = value;
    return frame;
}

const Bytes kAsciiBytes = FromText(kAsciiAnswer);

INSTANTIATE_TEST_SUITE_P(
    Answers, CheckAnswerTest,
    testing::Values(
        CheckCase{"rtu good", true, kRtuAnswer, 11, ModbusFrameCheck::Good},
        CheckCase{"rtu crc low byte", true, Changed(kRtuAnswer, 9, 0x48), 11,
                  ModbusFrameCheck::BadCrc},
        CheckCase{"rtu crc high byte", true, Changed(kRtuAnswer, 10, 0xAC), 11,
                  ModbusFrameCheck::BadCrc},
        CheckCase{"rtu data", true, Changed(kRtuAnswer, 4, 0x42), 11, ModbusFrameCheck::BadCrc},
        CheckCase{"rtu too short", true, kRtuAnswer, 3, ModbusFrameCheck::BadLength},
        CheckCase{"rtu longer than bytes", true, kRtuAnswer, 12, ModbusFrameCheck::BadLength},
        CheckCase{"rtu silent line", true, Bytes(128, 0), 35, ModbusFrameCheck::BadCrc},
        CheckCase{"ascii good", false, kAsciiBytes, 23, ModbusFrameCheck::Good},
        CheckCase{"ascii lower case", false, FromText(":110306ae4156524340cc\r\n"), 23,
                  ModbusFrameCheck::Good},
        CheckCase{"ascii no colon", false, Changed(kAsciiBytes, 0, ';'), 23,
                  ModbusFrameCheck::MissingStart},
        CheckCase{"ascii no cr", false, Changed(kAsciiBytes, 21, '\n'), 23,
                  ModbusFrameCheck::MissingEnd},
        CheckCase{"ascii no lf", false, Changed(kAsciiBytes, 22, '\r'), 23,
                  ModbusFrameCheck::MissingEnd},
        CheckCase{"ascii not hex", false, Changed(kAsciiBytes, 5, 'G'), 23,
                  ModbusFrameCheck::NotHex},
        CheckCase{"ascii lrc not hex", false, Changed(kAsciiBytes, 20, 'x'), 23,
                  ModbusFrameCheck::NotHex},
        CheckCase{"ascii lrc", false, Changed(kAsciiBytes, 20, 'D'), 23, ModbusFrameCheck::BadLrc},
        CheckCase{"ascii data", false, Changed(kAsciiBytes, 7, '0'), 23, ModbusFrameCheck::BadLrc},
        CheckCase{"ascii too short", false, kAsciiBytes, 8, ModbusFrameCheck::BadLength},
        CheckCase{"ascii longer than bytes", false, kAsciiBytes, 24, ModbusFrameCheck::BadLength},
        // Nothing arrived: a cleared buffer sums to an LRC of 0 and must not pass.
        CheckCase{"ascii silent line", false, Bytes(128, 0), 71, ModbusFrameCheck::MissingStart}),
    [](const testing::TestParamInfo<CheckCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

TEST(DecodeHexPairs, PairsFromPositionOne) {
    ModbusBuffer out{};
    ASSERT_EQ(CModbusFrame::DecodeHexPairs(kAsciiBytes, out), 11u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 9),
              (Bytes{0x11, 0x03, 0x06, 0xAE, 0x41, 0x56, 0x52, 0x43, 0x40}));
    EXPECT_EQ(out[9], 0xCC);
    EXPECT_EQ(out[10], 0x00); // made from CR LF
}

TEST(DecodeHexPairs, StaysInsideTextAndOutput) {
    const Bytes text = FromText(":0102");
    std::array<uint8_t, 4> out{};
    // An odd character at the end is not half a byte beyond the text.
    EXPECT_EQ(CModbusFrame::DecodeHexPairs(std::span(text).first(4), out), 1u);
    EXPECT_EQ(CModbusFrame::DecodeHexPairs(text, out), 2u);
    std::array<uint8_t, 1> small{};
    EXPECT_EQ(CModbusFrame::DecodeHexPairs(text, small), 1u);
    EXPECT_EQ(small[0], 0x01);
    EXPECT_EQ(CModbusFrame::DecodeHexPairs(Bytes{}, out), 0u);
}

TEST(ParseRequest, RejectsOtherLengthsAndDamage) {
    ModbusRequest request;
    EXPECT_EQ(
        CModbusFrame::ParseRequest(true, Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03, 0x76}, request),
        ModbusFrameCheck::BadLength);
    EXPECT_EQ(CModbusFrame::ParseRequest(
                  true, Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x04, 0x76, 0x87}, request),
              ModbusFrameCheck::BadCrc);
    EXPECT_EQ(CModbusFrame::ParseRequest(false, FromText(":FF0321100003CA\r"), request),
              ModbusFrameCheck::BadLength);
    EXPECT_EQ(CModbusFrame::ParseRequest(false, FromText("FF0321100003CA\r\n:"), request),
              ModbusFrameCheck::MissingStart);
    EXPECT_EQ(CModbusFrame::ParseRequest(false, FromText(":FF6321100003CA\r\n"), request),
              ModbusFrameCheck::BadLrc);
}

TEST(BuildRequest, RoundTripsThroughParseRequest) {
    for (bool rtu : {true, false}) {
        ModbusBuffer out{};
        const size_t length = CModbusFrame::BuildRequest(0x2A, rtu, 0x63, 0x1234, 0xBEEF, out);
        ModbusRequest request;
        ASSERT_EQ(CModbusFrame::ParseRequest(rtu, std::span(out).first(length), request),
                  ModbusFrameCheck::Good);
        EXPECT_EQ(request.address, 0x2A);
        EXPECT_EQ(request.function, 0x63);
        EXPECT_EQ(request.registerAddress, 0x1234);
        EXPECT_EQ(request.value, 0xBEEF);
    }
}

} // namespace
} // namespace corvid
