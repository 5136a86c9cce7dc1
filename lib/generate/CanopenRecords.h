#pragma once

// The object and sub-index records CANopen generation makes, and the log
// lines of its checks.

#include "canopen/CANopenModel.h"
#include "device/DriveParameter.h"
#include "dictionaries/UserInterface.h"

#include <string>

namespace corvid::canopen_generation {

// Sub-index 0 takes one place: a group holds at most 254 parameters.
inline constexpr size_t kMaxGroupParameters = 254;

// A manufacturer RECORD object; its sub-indexes are added later.
CANopenObject GroupObject(uint16_t index, const std::string& name);

// One parameter as a VAR sub-index, with its values in decimal; a signed
// parameter is INTEGER16, any other UNSIGNED16.
CANopenObject ParameterRecord(uint16_t index, uint8_t subIndex, uint8_t driveType,
                              const DriveParameter& parameter, std::string accessType,
                              bool pdoMapping);

// The record of a block whose read the user chose to ignore.
CANopenObject IgnoredRecord(uint16_t index, uint8_t subIndex);

// "ro" when the attribute marks the parameter read-only, else "rw".
std::string AccessOf(const DriveParameter& parameter);

// Puts sub-index 0 "Number of entries" (value `highest`) first and gives
// the object its SubNumber: the records it now holds.
void FinishGroup(CANopenObject& group, unsigned highest);

// Logs the limit warning of a parameter, if any.
void LogLimitWarning(IUserInterface& ui, const CANopenObject& record,
                     const DriveParameter& parameter);

// "Load File:  Object 0x%X: %s\r\n": a record left out and why.
void LogLeftOut(IUserInterface& ui, uint16_t index, const std::string& why);

} // namespace corvid::canopen_generation
