#pragma once

// A simulated drive as a JSON file describes it: who it is on the line, how
// the line is set, its identity and its parameter groups.

#include "device/SerialFraming.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvid::sim {

struct SimParameter {
    std::string name; // at most 16 bytes, sent as they are
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t defaultValue = 0;
    uint16_t attribute = 0;
};

struct SimGroup {
    std::string name;
    std::vector<SimParameter> parameters;
};

// Bit rate and framing of the line.
struct LineSettings {
    uint32_t bitRate = 9600;
    SerialFraming framing;
    bool operator==(const LineSettings&) const = default;
};

struct DriveDescription {
    uint8_t address = 1;
    LineSettings line;
    uint8_t driveType = 0;
    uint8_t driveSubType = 0xFF;
    uint16_t extraIdentity = 0;
    std::optional<uint16_t> rating; // register 0x2153, absent when the drive has none
    std::vector<SimGroup> groups;
};

// Groups a drive may have: more would put the group table and the names on
// registers the identity and the names already use.
inline constexpr size_t kMaxSimGroups = 32;
// Parameters a group may have: the group table holds the count less one in
// one byte, and 256 would read back as 0.
inline constexpr size_t kMaxSimParameters = 255;

// Reads a description from JSON text. On failure returns false with a
// message that names the member at fault.
bool ParseDriveDescription(const std::string& text, DriveDescription& drive, std::string& error);
bool LoadDriveDescription(const std::string& path, DriveDescription& drive, std::string& error);

} // namespace corvid::sim
