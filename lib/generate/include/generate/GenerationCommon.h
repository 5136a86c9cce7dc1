#pragma once

// What CANopen and DeviceNet generation share: the product text of the
// drive, the title of the new file, and the checks on a parameter's values.

#include "device/DriveParameter.h"
#include "device/ModbusMaster.h"

#include <string>
#include <string_view>

namespace corvid {

// The text with each run of blanks made one and none at either end: names
// pieced together from the drive's data and the catalogue (a voltage text
// begins with a blank) read as one name, in titles and file names alike.
std::string CollapseBlanks(std::string_view text);

// modelName + " " + modelSuffix, blanks collapsed.
std::string ProductText(const CModbusMaster& master);

// The product text with each of \ / : * ? " < > | replaced by a blank,
// blanks collapsed.
std::string SafeTitle(std::string text);

// Limits and default of the parameter are signed (the drive type honours
// attribute bit 7, and it is set).
bool IsSignedParameter(uint8_t driveType, const DriveParameter& parameter);

enum class LimitCheck { Good, MinimumAboveMaximum, DefaultOutside };

// Only the minimum is reported when it lies above the maximum.
LimitCheck CheckLimits(const DriveParameter& parameter);

// Puts a name between double quotes; a double quote inside (a name from a
// settings file) becomes an apostrophe, as the drive link does with names
// from the drive, so the file still reads back as written.
std::string QuotedName(const std::string& name);

} // namespace corvid
