#pragma once

// The framing of a serial line as the program names it: texts such as
// "8 E 1 RTU" (data bits, parity, stop bits, Modbus framing).

#include "device/SerialLineSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvid {

// Parity and stop bits are the serial port's codes.
struct SerialFraming {
    uint8_t dataBits = 8;
    uint8_t parity = kParityNone;
    uint8_t stopBits = kStopBitsTwo;
    bool rtu = true;
    bool operator==(const SerialFraming&) const = default;
};

// The framings a user chooses from, in list order.
inline constexpr std::array<std::string_view, 9> kFramingTexts = {
    "7 N 2 ASCII", "7 E 1 ASCII", "7 O 1 ASCII", "8 N 2 ASCII", "8 E 1 ASCII",
    "8 O 1 ASCII", "8 N 2 RTU",   "8 E 1 RTU",   "8 O 1 RTU"};

// Reads a framing text by position: character 0 is the data-bit count,
// character 2 the parity ("N", "E", "O"), character 4 the stop bits ("1",
// "2"); a parity or stop-bit character of any other kind leaves that setting
// as it was. RTU when the text contains "RTU", else ASCII.
void ApplyFramingText(std::string_view text, SerialFraming& framing);

// The label the auto test shows and the lists select: data bits, then
// " N 2", " O 1" or " E 1" by parity, then " RTU" or " ASCII".
std::string FramingLabel(const SerialFraming& framing);

} // namespace corvid
