#pragma once

// What a DeviceNet or EtherNet/IP parameter may hold: Min, Max and Default
// fit its data type and stand in order, DataSize follows a type of fixed
// size, PathSize counts the link path's bytes, and the enumerated-strings
// bit comes with an enumeration. The Params page's cells, the Insert
// parameter dialog and the check all ask these rules.

#include "devicenet/EDSParam.h"
#include "dictionaries/CheckFinding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

enum class CIPValueKind { Integer, Real, AsWritten };

struct CIPTypeRule {
    uint8_t code;
    const char* name;
    CIPValueKind kind;
    unsigned size; // bytes; 0 for a type of no fixed size
    bool isSigned;
};

// The rule of a data type code of either numbering (the parameter object's
// own codes up to 150, the CIP elementary types above), or null.
const CIPTypeRule* FindCIPTypeRule(uint8_t dataType);

// The DataSize a type of fixed size needs, or 0.
uint8_t CIPFixedDataSize(uint8_t dataType);

// Empty when `value` (as the file writes it; empty for none) fits the data
// type; otherwise why not: "Maximum 300 does not fit USINT (0 to 255)."
std::string CIPValueFault(std::string_view label, std::string_view value, uint8_t dataType);

// The number of bytes a link path writes ("20 04 24 01" is 4), or none when
// it names parameters or holds anything but hex bytes.
std::optional<size_t> LinkPathBytes(std::string_view linkPath);

// The faults of Minimum, Maximum and Default: values that do not fit the
// data type (errors), or out of order (warnings).
std::vector<RuleFault> CIPParamValueFaults(const CEDSParam& param);

// Every fault of one parameter: values that do not fit (errors), Min above
// Default or Max, a DataSize or PathSize that disagrees, an enumerated-
// strings bit without an enumeration (warnings).
std::vector<RuleFault> CIPParamFaults(const CEDSParam& param);

} // namespace corvid
