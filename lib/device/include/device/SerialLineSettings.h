#pragma once

// The line settings a serial port is opened with, as codes that the rest of
// the system stores and passes along, and how they map onto termios.

#include <cstdint>
#include <optional>
#include <termios.h>

namespace corvid {

inline constexpr uint8_t kParityNone = 0;
inline constexpr uint8_t kParityOdd = 1;
inline constexpr uint8_t kParityEven = 2;
inline constexpr uint8_t kParityMark = 3;
inline constexpr uint8_t kParitySpace = 4;

inline constexpr uint8_t kStopBitsOne = 0;
inline constexpr uint8_t kStopBitsOneAndHalf = 1; // cannot be set on Linux
inline constexpr uint8_t kStopBitsTwo = 2;

inline constexpr uint8_t kFlowNone = 0;
inline constexpr uint8_t kFlowCtsRts = 1;
inline constexpr uint8_t kFlowCtsDtr = 2; // the DTR/DSR modes cannot be set on Linux
inline constexpr uint8_t kFlowDsrRts = 3;
inline constexpr uint8_t kFlowDsrDtr = 4;
inline constexpr uint8_t kFlowXonXoff = 5;

struct SerialLineSettings {
    uint32_t baud = 9600;
    uint8_t parity = kParityNone;
    uint8_t dataBits = 8;
    uint8_t stopBits = kStopBitsOne;
    uint8_t flowControl = kFlowNone;

    bool operator==(const SerialLineSettings&) const = default;
};

// Puts `attributes` into raw mode with these settings; every field the
// settings do not name keeps its value. False, with `attributes` unchanged,
// when Linux cannot express them: a bit rate without a termios constant, data
// bits outside 5 to 8, one and a half stop bits, a DTR/DSR flow control, an
// unknown code.
//
// Besides the c_cflag bits, parity sets INPCK and 7 or fewer data bits set
// ISTRIP: a pseudo-terminal forces 8 data bits and no parity into c_cflag,
// and these input flags let the far end of one still see what was asked.
bool ApplyLineSettings(const SerialLineSettings& settings, termios& attributes);

// The settings `attributes` express, as ApplyLineSettings wrote them; empty
// when the bit rate has no number here.
std::optional<SerialLineSettings> LineSettingsFromTermios(const termios& attributes);

} // namespace corvid
