#pragma once

// What a drive tells about itself in its description blocks and group
// names: the registers it keeps them in, and the records decoded from the
// bytes of an answer. Generators get these records; nothing here talks to
// the line. The simulated drive serves the same layout.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace corvid {

// Words in one parameter description block, and characters in a parameter
// or group name (two per register, high byte first).
inline constexpr uint16_t kParameterBlockWords = 15;
inline constexpr uint16_t kGroupNameRegisters = 8;
inline constexpr size_t kDriveNameLength = 16;

// Function codes a drive is read with: holding registers, and the drive's
// own code for description blocks.
inline constexpr uint8_t kReadHoldingRegisters = 3;
inline constexpr uint8_t kReadDescriptionBlock = 0x63;

// The identity words: type (high byte) and sub-type, the group count, and
// one more word some drive types use.
inline constexpr uint16_t kIdentityRegister = 0x2110;
// The rating, whose hundreds digit is the voltage class.
inline constexpr uint16_t kRatingRegister = 0x2153;
// The name of group i is at kGroupNameRegister + i.
inline constexpr uint16_t kGroupNameRegister = 0x3100;

// The group table entry of group i (its parameter count less one) for a
// drive with `groupCount` groups.
constexpr uint16_t GroupTableRegister(unsigned groupCount, unsigned group) {
    return static_cast<uint16_t>((groupCount + 1) * 256 + group);
}

// The register, and the description block, of parameter j of group i.
constexpr uint16_t ParameterRegister(unsigned group, unsigned index) {
    return static_cast<uint16_t>(group * 256 + index);
}

// Words of a description block, by position; the name fills the last
// kDriveNameLength / 2 words.
inline constexpr size_t kBlockWordMaximum = 1;
inline constexpr size_t kBlockWordMinimum = 2;
inline constexpr size_t kBlockWordAttribute = 3;
inline constexpr size_t kBlockWordDefault = 4;
inline constexpr size_t kBlockWordName = 5;

// Attribute word bits.
inline constexpr uint16_t kAttributeReadOnly = 0x0008;
inline constexpr uint16_t kAttributeSigned = 0x0080;

// One parameter j of group i as the drive describes it.
struct DriveParameter {
    uint8_t group = 0;
    uint8_t index = 0;
    uint16_t registerAddress = 0; // group * 256 + index
    std::string name;
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t defaultValue = 0;
    uint16_t attribute = 0;
    bool ignored = false; // the user chose Ignore when its block could not be read
};

// The drive types (1, 6, 7) whose description blocks are read as plain
// registers with function 3; every other type is asked with function 0x63.
bool ReadsBlocksWithFunction3(uint8_t driveType);

// The drive types whose attribute bit 7 makes limits and default signed.
bool HonoursSignedAttribute(uint8_t driveType);

// The part of an answer frame that its byte count (byte 2) covers, with the
// address, function and byte count in front: never more than `frame` holds,
// whatever count a drive sends.
std::span<const uint8_t> AnswerData(std::span<const uint8_t> frame);

// Word k of an answer: bytes 3 + 2k (high) and 4 + 2k (low), after the
// address, function and byte count. 0 when the answer does not hold it.
uint16_t AnswerWord(std::span<const uint8_t> answer, size_t k);

// A name as a drive sends it, made safe for the files generated from it: it
// ends at the first NUL, control characters are dropped, and a double quote
// becomes an apostrophe (EDS files quote names with double quotes).
std::string CleanDriveName(std::span<const uint8_t> bytes);

// The name held in `registers` words of an answer, starting at word `first`;
// what the answer does not hold is left out.
std::string AnswerName(std::span<const uint8_t> answer, size_t first, size_t registers);

// Decodes the description block in `answer` (binary, as the master leaves it
// in both framings) into `parameter`: limits, attribute, default and name;
// words the answer does not hold read as 0. Group, index, register and the
// ignored flag are the caller's.
void DecodeParameterBlock(uint8_t driveType, std::span<const uint8_t> answer,
                          DriveParameter& parameter);

} // namespace corvid
