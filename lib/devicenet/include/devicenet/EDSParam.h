#pragma once

// The parameter record that DeviceNet and EtherNet/IP descriptions share,
// and the [ParamClass] record both models carry. A parameter keeps the
// number of its ParamN key, because assemblies, connections and link paths
// name parameters by it; what refers to a parameter inside the model
// (enumeration strings, group membership) lives inside it and is written
// under that number.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvid {

// Descriptor bits of CEDSParam::Descriptor; bit 7 and the high byte, which
// the editors do not use, are kept as read.
inline constexpr uint8_t kDescSettablePath = 0x01;
inline constexpr uint8_t kDescEnumStrings = 0x02;
inline constexpr uint8_t kDescScaling = 0x04;
inline constexpr uint8_t kDescScalingLinks = 0x08;
inline constexpr uint8_t kDescReadOnly = 0x10;
inline constexpr uint8_t kDescMonitor = 0x20;
inline constexpr uint8_t kDescExtendedPrecision = 0x40;

// One ParamN entry. Texts are held exactly as the file writes them, double
// quotes included; Minimum, Maximum and Default stay text so values of any
// data type pass through unchanged. A numeric field the file left empty has
// no value: empty scaling fields stand for 1, 1, 1 and 0 to the tools that
// read the file, and an empty precision for none, so an empty field is
// written empty again rather than as 0. A parameter Corvid makes starts
// with every field but the precision given.
struct CEDSParam {
    // The numbers stand together in front of the texts, so the record has
    // no padding between them.
    uint8_t Reserved = 0;
    std::optional<uint8_t> PathSize = 0;
    uint16_t Descriptor = 0;
    uint8_t DataType = 0;
    uint8_t DataSize = 0;
    std::optional<uint16_t> Multiplier = 0;
    std::optional<uint16_t> Divider = 0;
    std::optional<uint16_t> Base = 0;
    std::optional<int16_t> Offset = 0;
    std::optional<uint8_t> Precision;
    uint8_t Group = 0; // position in the group names, from 1; 0: no group
    // N of the ParamN key; 0 for a parameter that has none yet (see
    // ParamNumbers).
    uint32_t Number = 0;
    std::string LinkPath;
    std::string ParameterName;
    std::string UnitsStr;
    std::string HelpStr;
    std::string Minimum;
    std::string Maximum;
    std::string Default;
    std::string MultiplierLink;
    std::string DivisorLink;
    std::string BaseLink;
    std::string OffsetLink;
    // The [EnumPar] strings in order; none when the parameter has no
    // enumeration.
    std::optional<std::vector<std::string>> EnumStrings;

    bool operator==(const CEDSParam&) const = default;
};

// A numeric field in decimal, or empty when it has no value, as the writer,
// the pages and the dialog show it.
template <typename Number> std::string DecimalOrEmpty(const std::optional<Number>& value) {
    return value ? std::to_string(*value) : std::string();
}

// The parameters of a description, in file order. The records stand in the
// list itself: a file holds thousands, and a heap block of its own for each
// cost more to make and free than moving the records when the list grows.
// A pointer or reference to one lasts only until the next insert or removal.
using CEDSParamList = std::vector<CEDSParam>;

// The number each parameter is written under, in list order: its Number,
// or, when that is 0 or was taken by a parameter in front of it, the next
// free number. Parameters that were never numbered thus count 1, 2, 3 ...
std::vector<uint32_t> ParamNumbers(const CEDSParamList& params);

// The number for a parameter added now: one above the highest in use.
uint32_t NextFreeParamNumber(const CEDSParamList& params);

// The [ParamClass] section. The writer writes it only when SectionName is
// exactly "ParamClass".
struct EDSParamClassSection {
    std::string SectionName;
    uint16_t MaxInst = 0;
    uint16_t Descriptor = 0;
    uint16_t CfgAssembly = 0;

    bool operator==(const EDSParamClassSection&) const = default;
};

} // namespace corvid
