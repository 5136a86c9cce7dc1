#include "device/ModbusFrame.h"

#include <algorithm>

namespace corvid {

namespace {

// Address and function code in front of every message; the message is what
// the CRC or the LRC covers.
constexpr size_t kHeaderLength = 2;

// RTU: the message in binary, then its CRC-16, low byte first.
struct RtuFraming {
    static constexpr size_t kSmallestFrame = kHeaderLength + 2;

    static size_t Encode(std::span<const uint8_t> message, std::span<uint8_t> out) {
        const size_t length = message.size() + 2;
        if (length > out.size())
            return 0;
        std::copy(message.begin(), message.end(), out.begin());
        const uint16_t crc = CModbusFrame::Crc16(message);
        out[message.size()] = static_cast<uint8_t>(crc & 0xFF);
        out[message.size() + 1] = static_cast<uint8_t>(crc >> 8);
        return length;
    }

    static ModbusFrameCheck Check(size_t length, std::span<const uint8_t> frame) {
        const uint16_t crc = CModbusFrame::Crc16(frame.first(length - 2));
        if (frame[length - 2] != (crc & 0xFF) || frame[length - 1] != (crc >> 8))
            return ModbusFrameCheck::BadCrc;
        return ModbusFrameCheck::Good;
    }

    // The message bytes of a checked frame: all but the CRC.
    static size_t Message(std::span<const uint8_t> frame, std::span<uint8_t> out) {
        const size_t length = std::min(frame.size() - 2, out.size());
        std::copy_n(frame.begin(), length, out.begin());
        return length;
    }
};

// ASCII: ":", the message and its LRC as upper-case hexadecimal pairs, CR LF.
struct AsciiFraming {
    static constexpr size_t kSmallestFrame = 1 + 2 * (kHeaderLength + 1) + 2;

    static size_t Encode(std::span<const uint8_t> message, std::span<uint8_t> out) {
        const size_t length = 1 + 2 * (message.size() + 1) + 2;
        if (length > out.size())
            return 0;
        size_t at = 0;
        out[at++] = ':';
        auto putPair = [&](uint8_t byte) {
            out[at++] = static_cast<uint8_t>(CModbusFrame::NibbleToHex(byte >> 4));
            out[at++] = static_cast<uint8_t>(CModbusFrame::NibbleToHex(byte & 0x0F));
        };
        for (uint8_t byte : message)
            putPair(byte);
        putPair(CModbusFrame::Lrc(message));
        out[at++] = '\r';
        out[at++] = '\n';
        return at;
    }

    // The message is decoded from the pairs in front of the LRC pair, which
    // sits just before CR LF.
    static ModbusFrameCheck Check(size_t length, std::span<const uint8_t> frame) {
        if (frame[0] != ':')
            return ModbusFrameCheck::MissingStart;
        if (frame[length - 2] != '\r' || frame[length - 1] != '\n')
            return ModbusFrameCheck::MissingEnd;
        const auto text = frame.subspan(1, length - 3);
        if (!std::all_of(text.begin(), text.end(), CModbusFrame::IsHexDigit))
            return ModbusFrameCheck::NotHex;
        ModbusBuffer message{};
        const size_t count = CModbusFrame::DecodeHexPairs(frame.first(length - 4), message);
        const uint8_t sent = Pair(frame[length - 4], frame[length - 3]);
        if (CModbusFrame::Lrc(std::span(message).first(count)) != sent)
            return ModbusFrameCheck::BadLrc;
        return ModbusFrameCheck::Good;
    }

    static size_t Message(std::span<const uint8_t> frame, std::span<uint8_t> out) {
        return CModbusFrame::DecodeHexPairs(frame.first(frame.size() - 4), out);
    }

    static uint8_t Pair(uint8_t high, uint8_t low) {
        return static_cast<uint8_t>(CModbusFrame::HexToNibble(high) << 4 |
                                    CModbusFrame::HexToNibble(low));
    }
};

template <typename Framing>
size_t EncodeMessage(uint8_t address, uint8_t function, std::span<const uint8_t> body,
                     std::span<uint8_t> out) {
    ModbusBuffer message{};
    if (kHeaderLength + body.size() > message.size())
        return 0;
    message[0] = address;
    message[1] = function;
    std::copy(body.begin(), body.end(), message.begin() + kHeaderLength);
    return Framing::Encode(std::span(message).first(kHeaderLength + body.size()), out);
}

template <typename Framing>
ModbusFrameCheck CheckFrame(size_t length, std::span<const uint8_t> frame) {
    if (length < Framing::kSmallestFrame || length > frame.size())
        return ModbusFrameCheck::BadLength;
    return Framing::Check(length, frame);
}

template <typename Framing>
ModbusFrameCheck ParseRequestFrame(std::span<const uint8_t> frame, size_t requestLength,
                                   ModbusRequest& request) {
    if (frame.size() != requestLength)
        return ModbusFrameCheck::BadLength;
    const ModbusFrameCheck check = Framing::Check(frame.size(), frame);
    if (check != ModbusFrameCheck::Good)
        return check;
    std::array<uint8_t, 6> message{};
    Framing::Message(frame, message);
    request.address = message[0];
    request.function = message[1];
    request.registerAddress = static_cast<uint16_t>(message[2] << 8 | message[3]);
    request.value = static_cast<uint16_t>(message[4] << 8 | message[5]);
    return ModbusFrameCheck::Good;
}

} // namespace

std::string_view ModbusFrameCheckText(ModbusFrameCheck check) {
    switch (check) {
    case ModbusFrameCheck::Good:
        return "good frame";
    case ModbusFrameCheck::BadLength:
        return "frame length out of range";
    case ModbusFrameCheck::MissingStart:
        return "frame does not start with ':'";
    case ModbusFrameCheck::MissingEnd:
        return "frame does not end with CR LF";
    case ModbusFrameCheck::NotHex:
        return "frame holds a character that is not a hexadecimal digit";
    case ModbusFrameCheck::BadCrc:
        return "CRC mismatch";
    case ModbusFrameCheck::BadLrc:
        return "LRC mismatch";
    }
    return "unknown frame check";
}

char CModbusFrame::NibbleToHex(uint8_t nibble) {
    if (nibble < 10)
        return static_cast<char>('0' + nibble);
    if (nibble < 16)
        return static_cast<char>('A' + nibble - 10);
    return '\0';
}

uint8_t CModbusFrame::HexToNibble(uint8_t character) {
    if (character >= '0' && character <= '9')
        return static_cast<uint8_t>(character - '0');
    if (character >= 'a' && character <= 'f')
        return static_cast<uint8_t>(character - 'a' + 10);
    if (character >= 'A' && character <= 'F')
        return static_cast<uint8_t>(character - 'A' + 10);
    return 0;
}

bool CModbusFrame::IsHexDigit(uint8_t character) {
    return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f') ||
           (character >= 'A' && character <= 'F');
}

uint16_t CModbusFrame::Crc16(std::span<const uint8_t> bytes) {
    uint16_t crc = 0xFFFF;
    for (uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001)
                            : static_cast<uint16_t>(crc >> 1);
    }
    return crc;
}

uint8_t CModbusFrame::Lrc(std::span<const uint8_t> bytes) {
    uint8_t sum = 0;
    for (uint8_t byte : bytes)
        sum = static_cast<uint8_t>(sum + byte);
    return static_cast<uint8_t>(~sum + 1);
}

size_t CModbusFrame::BuildRequest(uint8_t address, bool rtu, uint8_t function,
                                  uint16_t registerAddress, uint16_t value,
                                  std::span<uint8_t> out) {
    const std::array<uint8_t, 4> body = {
        static_cast<uint8_t>(registerAddress >> 8), static_cast<uint8_t>(registerAddress & 0xFF),
        static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value & 0xFF)};
    return rtu ? EncodeMessage<RtuFraming>(address, function, body, out)
               : EncodeMessage<AsciiFraming>(address, function, body, out);
}

size_t CModbusFrame::ExpectedResponseLength(bool rtu, uint8_t function, uint16_t quantity) {
    const size_t q = quantity;
    switch (function) {
    case 1:
    case 2: {
        const size_t coilBytes = (q + 7) / 8;
        return rtu ? coilBytes + 5 : 2 * coilBytes + 11;
    }
    case 3:
    case 0x63:
    case 0x67:
        return rtu ? 2 * q + 5 : 4 * q + 11;
    case 5:
    case 6:
    case 15:
    case 16:
        return rtu ? kRtuRequestLength : kAsciiRequestLength;
    default:
        return 100;
    }
}

ModbusFrameCheck CModbusFrame::CheckAnswer(bool rtu, size_t length,
                                           std::span<const uint8_t> frame) {
    return rtu ? CheckFrame<RtuFraming>(length, frame) : CheckFrame<AsciiFraming>(length, frame);
}

size_t CModbusFrame::DecodeHexPairs(std::span<const uint8_t> text, std::span<uint8_t> out) {
    size_t count = 0;
    for (size_t i = 1; i + 1 < text.size() && count < out.size(); i += 2)
        out[count++] = AsciiFraming::Pair(text[i], text[i + 1]);
    return count;
}

size_t CModbusFrame::BuildAnswer(uint8_t address, bool rtu, uint8_t function,
                                 std::span<const uint8_t> payload, std::span<uint8_t> out) {
    return rtu ? EncodeMessage<RtuFraming>(address, function, payload, out)
               : EncodeMessage<AsciiFraming>(address, function, payload, out);
}

ModbusFrameCheck CModbusFrame::ParseRequest(bool rtu, std::span<const uint8_t> frame,
                                            ModbusRequest& request) {
    return rtu ? ParseRequestFrame<RtuFraming>(frame, kRtuRequestLength, request)
               : ParseRequestFrame<AsciiFraming>(frame, kAsciiRequestLength, request);
}

} // namespace corvid
