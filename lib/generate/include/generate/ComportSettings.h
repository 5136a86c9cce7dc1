#pragma once

// The serial settings the new-file dialog remembers in section "Comport" of
// Configure.ini: read when it starts, written by a Load from a drive.

#include "dictionaries/UserInterface.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvid {

// The bit rates a user chooses from, in list order.
inline constexpr std::array<std::string_view, 6> kBitRateTexts = {"4800",  "9600",  "19200",
                                                                  "38400", "57600", "115200"};

struct ComportSettings {
    int comName = 1;                    // port number; 0 or above 16 selects no list entry
    std::string baudRate = "9600";      // one of kBitRateTexts
    std::string protocol = "8 N 2 RTU"; // one of kFramingTexts
    int address = 255;
};

// The remembered settings. A bit rate or framing that is not one of the
// lists (a hand-edited "8N1"), or an address outside 0 to 255, falls back to
// its default with a log line saying so.
ComportSettings ReadComportSettings(IUserInterface& ui);

// Stores the four keys ("comName" only `withPort`: a line named by its device
// path has no port number); false with the system's error text when
// Configure.ini could not be written.
bool WriteComportSettings(const ComportSettings& settings, bool withPort, std::string& error);

// What the auto test asks: slave address "testModbusID" (default 255) and
// register "testAdd" (default 0x2110).
int TestModbusAddress();
uint16_t TestRegister();

// True when `text` is one of the bit-rate or framing list entries.
bool IsListedBitRate(std::string_view text);
bool IsListedFraming(std::string_view text);

} // namespace corvid
