#include "device/ModbusFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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

// The CRC (low byte first) and the LRC of known frames; no frame without room.
TEST(BuildRequest, KnownFramesInBothFramings) {
    ModbusBuffer out{};
    ASSERT_EQ(CModbusFrame::BuildRequest(0x01, true, 3, 0x0000, 0x0001, out), 8u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 8),
              (Bytes{0x01, 0x03, 0x00, 0x00, 0x00, 0x01, 0x84, 0x0A}));
    ASSERT_EQ(CModbusFrame::BuildRequest(0x11, true, 3, 0x006B, 0x0003, out), 8u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 8),
              (Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03, 0x76, 0x87}));
    ASSERT_EQ(CModbusFrame::BuildRequest(0xFF, false, 3, 0x2110, 3, out), 17u);
    EXPECT_EQ(AsText(std::span(out).first(17)), ":FF0321100003CA\r\n");
    ASSERT_EQ(CModbusFrame::BuildRequest(0x07, false, 0x63, 0x0A0B, 15, out), 17u);
    EXPECT_EQ(AsText(std::span(out).first(17)), ":07630A0B000F72\r\n");

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
        CheckCase{"rtu_good", true, kRtuAnswer, 11, ModbusFrameCheck::Good},
        CheckCase{"rtu_crc_low_byte", true, Changed(kRtuAnswer, 9, 0x48), 11,
                  ModbusFrameCheck::BadCrc},
        CheckCase{"rtu_crc_high_byte", true, Changed(kRtuAnswer, 10, 0xAC), 11,
                  ModbusFrameCheck::BadCrc},
        CheckCase{"rtu_data", true, Changed(kRtuAnswer, 4, 0x42), 11, ModbusFrameCheck::BadCrc},
        CheckCase{"rtu_too_short", true, kRtuAnswer, 3, ModbusFrameCheck::BadLength},
        CheckCase{"rtu_longer_than_bytes", true, kRtuAnswer, 12, ModbusFrameCheck::BadLength},
        CheckCase{"rtu_silent_line", true, Bytes(128, 0), 35, ModbusFrameCheck::BadCrc},
        CheckCase{"ascii_good", false, kAsciiBytes, 23, ModbusFrameCheck::Good},
        CheckCase{"ascii_lower_case", false, FromText(":110306ae4156524340cc\r\n"), 23,
                  ModbusFrameCheck::Good},
        CheckCase{"ascii_no_colon", false, Changed(kAsciiBytes, 0, ';'), 23,
                  ModbusFrameCheck::MissingStart},
        CheckCase{"ascii_no_cr", false, Changed(kAsciiBytes, 21, '\n'), 23,
                  ModbusFrameCheck::MissingEnd},
        CheckCase{"ascii_no_lf", false, Changed(kAsciiBytes, 22, '\r'), 23,
                  ModbusFrameCheck::MissingEnd},
        CheckCase{"ascii_not_hex", false, Changed(kAsciiBytes, 5, 'G'), 23,
                  ModbusFrameCheck::NotHex},
        CheckCase{"ascii_lrc_not_hex", false, Changed(kAsciiBytes, 20, 'x'), 23,
                  ModbusFrameCheck::NotHex},
        CheckCase{"ascii_lrc", false, Changed(kAsciiBytes, 20, 'D'), 23, ModbusFrameCheck::BadLrc},
        CheckCase{"ascii_data", false, Changed(kAsciiBytes, 7, '0'), 23, ModbusFrameCheck::BadLrc},
        CheckCase{"ascii_too_short", false, kAsciiBytes, 8, ModbusFrameCheck::BadLength},
        CheckCase{"ascii_longer_than_bytes", false, kAsciiBytes, 24, ModbusFrameCheck::BadLength},
        // Nothing arrived: a cleared buffer sums to an LRC of 0 and must not pass.
        CheckCase{"ascii_silent_line", false, Bytes(128, 0), 71, ModbusFrameCheck::MissingStart}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

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

TEST(ParseRequest, RoundTripsBuildRequestAndRejectsDamage) {
    ModbusRequest request;
    for (bool rtu : {true, false}) {
        ModbusBuffer out{};
        const size_t length = CModbusFrame::BuildRequest(0x2A, rtu, 0x63, 0x1234, 0xBEEF, out);
        ASSERT_EQ(CModbusFrame::ParseRequest(rtu, std::span(out).first(length), request),
                  ModbusFrameCheck::Good);
        EXPECT_EQ(
            std::tie(request.address, request.function, request.registerAddress, request.value),
            std::make_tuple(uint8_t{0x2A}, uint8_t{0x63}, uint16_t{0x1234}, uint16_t{0xBEEF}));
    }
    const Bytes rtu = {0x11, 0x03, 0x00, 0x6B, 0x00, 0x04, 0x76, 0x87};
    EXPECT_EQ(CModbusFrame::ParseRequest(true, std::span(rtu).first(7), request),
              ModbusFrameCheck::BadLength);
    EXPECT_EQ(CModbusFrame::ParseRequest(true, rtu, request), ModbusFrameCheck::BadCrc);
    EXPECT_EQ(CModbusFrame::ParseRequest(false, FromText(":FF0321100003CA\r"), request),
              ModbusFrameCheck::BadLength);
    EXPECT_EQ(CModbusFrame::ParseRequest(false, FromText("FF0321100003CA\r\n:"), request),
              ModbusFrameCheck::MissingStart);
    EXPECT_EQ(CModbusFrame::ParseRequest(false, FromText(":FF6321100003CA\r\n"), request),
              ModbusFrameCheck::BadLrc);
}

} // namespace
} // namespace corvid
