#pragma once

// The registers a drive serves, laid out as the program reads them:
// identity at 0x2110, rating at 0x2153, the group table at (G + 1) * 256 + i,
// group names at 0x3100 + i, and description blocks at i * 256 + j.

#include "DriveDescription.h"
#include "device/DriveParameter.h"

#include <cstdint>
#include <map>
#include <vector>

namespace corvid::sim {

// Modbus exception codes a drive answers with.
inline constexpr uint8_t kIllegalFunction = 1;
inline constexpr uint8_t kIllegalDataAddress = 2;
inline constexpr uint8_t kIllegalDataValue = 3;
inline constexpr uint8_t kServerDeviceFailure = 4;

// What a read gives: the register words, or an exception code.
struct RegisterRead {
    uint8_t exception = 0; // 0: `words` holds the answer
    std::vector<uint16_t> words;
};

class CDriveRegisters {
public:
    explicit CDriveRegisters(const DriveDescription& drive);

    RegisterRead Read(uint8_t function, uint16_t first, uint16_t quantity) const;

private:
    // Description blocks and names overlap one register further on each, so
    // they are served by their first register, not from the plain map.
    const std::vector<uint16_t>* BlockAt(uint16_t first) const;
    const std::vector<uint16_t>* NameAt(uint16_t first) const;

    uint8_t driveType_;
    std::map<uint16_t, uint16_t> plain_;
    std::map<uint16_t, std::vector<uint16_t>> blocks_;
    std::map<uint16_t, std::vector<uint16_t>> names_;
};

// 16 bytes of a name as 8 registers, high byte first, padded with NUL.
std::vector<uint16_t> NameRegisters(const std::string& name);

} // namespace corvid::sim
