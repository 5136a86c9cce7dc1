#pragma once

// What a CANopen object may hold: the values each data type takes, the
// order of limits and default, and the category an index belongs to. The
// cell commits, the New Object dialog, the edit command and the check all
// ask these rules, so a value is refused or accepted alike everywhere.

#include "canopen/CANopenModel.h"
#include "dictionaries/CheckFinding.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

enum class CANopenValueKind { Boolean, Integer, Real32, Real64, Text, AsWritten };

struct CANopenTypeRule {
    uint16_t index;
    const char* name;
    CANopenValueKind kind;
    unsigned bits; // integers only
    bool isSigned;
};

// The rule of a data type of the CANopen numbering, or null for an index
// that is none.
const CANopenTypeRule* FindCANopenTypeRule(uint16_t dataType);

// The captions of the three value fields, as pages and messages name them.
inline constexpr std::string_view kLowLimitLabel = "Low Limit";
inline constexpr std::string_view kHighLimitLabel = "High Limit";
inline constexpr std::string_view kDefaultValueLabel = "Default Value";

// Empty when `value` is something `dataType` holds (an empty value, and any
// value of an unknown type, too); otherwise why not, naming the field, the
// value and the type's range: "Default Value 70000 does not fit UNSIGNED16
// (0 to 65535)." Integer types take $NODEID, $NODEID+n and n+$NODEID.
std::string CANopenValueFault(std::string_view label, std::string_view value, uint16_t dataType);

// The faults of a record's three values against its data type, in the order
// Low Limit, High Limit, Default Value.
std::vector<std::string> CANopenRecordValueFaults(const CANopenObject& record);

// Empty when Low Limit <= Default Value <= High Limit holds (or cannot be
// told: a value missing, unreadable or relative to the node-ID); otherwise
// the warning.
std::string CANopenLimitOrderFault(const CANopenObject& record);

// The category an object of `index` belongs to: 0x1000, 0x1001 and 0x1018
// mandatory, 0x2000-0x5FFF manufacturer, the rest optional.
uint8_t CategoryOfIndex(uint16_t index);

// "MandatoryObjects", "OptionalObjects", "ManufacturerObjects".
const char* ObjectListName(uint8_t category);

// The access types an object may name.
bool IsCANopenAccessType(std::string_view accessType);

} // namespace corvid
