#pragma once

// Modbus frames as they travel on the serial line, in RTU framing (binary,
// CRC-16 low byte first) and ASCII framing (":", hexadecimal text, LRC,
// CR LF). The codec holds no state; the master builds requests and checks
// answers with it, the simulated drive parses requests and builds answers.
// Every function takes the room it may use as a span and never reads or
// writes past it, whatever length a caller or a drive asks for.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvid {

// Size of the master's send and receive buffers; no frame it handles is longer.
inline constexpr size_t kModbusBufferSize = 128;
using ModbusBuffer = std::array<uint8_t, kModbusBufferSize>;

// Length of a request to read or write registers: RTU bytes, ASCII characters.
inline constexpr size_t kRtuRequestLength = 8;
inline constexpr size_t kAsciiRequestLength = 17;

// Set in the function code of an answer that reports a Modbus exception.
inline constexpr uint8_t kModbusExceptionFlag = 0x80;

// Result of checking one frame, in the order the checks are made.
enum class ModbusFrameCheck : uint8_t {
    Good,
    BadLength,    // shorter than the smallest frame, or longer than the bytes at hand
    MissingStart, // ASCII: the first character is not ":"
    MissingEnd,   // ASCII: the frame does not end in CR LF
    NotHex,       // ASCII: a character between ":" and CR LF is not a hexadecimal digit
    BadCrc,       // RTU: the last two bytes are not the CRC-16 of the others
    BadLrc,       // ASCII: the last pair is not the LRC of the others
};

// One short English phrase per result, for logs and tools.
std::string_view ModbusFrameCheckText(ModbusFrameCheck check);

// A request as the slave sees it: who is asked, what, and the register and
// value (or quantity) fields.
struct ModbusRequest {
    uint8_t address = 0;
    uint8_t function = 0;
    uint16_t registerAddress = 0;
    uint16_t value = 0;
};

class CModbusFrame {
public:
    // 0 to 15 give "0" to "9" and "A" to "F"; anything else gives the character 0.
    static char NibbleToHex(uint8_t nibble);
    // "0" to "9", "a" to "f", "A" to "F" give 0 to 15; anything else gives 0.
    static uint8_t HexToNibble(uint8_t character);
    static bool IsHexDigit(uint8_t character);

    // CRC-16 with start value 0xFFFF and polynomial 0xA001 (reflected);
    // sent low byte first.
    static uint16_t Crc16(std::span<const uint8_t> bytes);
    // Two's complement of the byte sum modulo 256.
    static uint8_t Lrc(std::span<const uint8_t> bytes);

    // The request frame for `function` with its register and value (or
    // quantity) fields: 8 bytes in RTU, 17 characters in ASCII. Returns its
    // length, or 0 when `out` cannot hold it.
    static size_t BuildRequest(uint8_t address, bool rtu, uint8_t function,
                               uint16_t registerAddress, uint16_t value, std::span<uint8_t> out);

    // Bytes (RTU) or characters (ASCII) of the answer to a request with this
    // function code and quantity. Not cut to any buffer: callers compare it
    // with the room they have.
    static size_t ExpectedResponseLength(bool rtu, uint8_t function, uint16_t quantity);

    // The checks of an answer of `length` bytes at the start of `frame`.
    static ModbusFrameCheck CheckAnswer(bool rtu, size_t length, std::span<const uint8_t> frame);
    static bool CheckResponse(bool rtu, size_t length, std::span<const uint8_t> frame) {
        return CheckAnswer(rtu, length, frame) == ModbusFrameCheck::Good;
    }

    // The binary bytes of an ASCII frame: one from each pair of characters
    // starting at position 1 ("A" and "B" give 0xAB), up to the last whole
    // pair of `text` and as many as `out` holds. The bytes of a whole answer
    // are address, function, data..., LRC and one made from CR LF. Returns
    // the number written.
    static size_t DecodeHexPairs(std::span<const uint8_t> text, std::span<uint8_t> out);

    // The slave's side: an answer from `address` with `function` and
    // `payload` (for function 3 the byte count and the register bytes; for an
    // exception answer the exception code, with kModbusExceptionFlag in
    // `function`). Returns its length, or 0 when `out` cannot hold it.
    static size_t BuildAnswer(uint8_t address, bool rtu, uint8_t function,
                              std::span<const uint8_t> payload, std::span<uint8_t> out);

    // The slave's side: reads a whole request frame (8 bytes in RTU, 17
    // characters in ASCII) into `request` when it checks good.
    static ModbusFrameCheck ParseRequest(bool rtu, std::span<const uint8_t> frame,
                                         ModbusRequest& request);
};

} // namespace corvid
