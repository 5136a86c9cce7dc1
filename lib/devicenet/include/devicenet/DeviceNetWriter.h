#pragma once

#include "devicenet/DeviceNetModel.h"

#include <string>

namespace corvid {

// The whole file the model stands for, in the writer's fixed layout with
// CR LF line ends: the same model always gives the same bytes. Parameters
// are written under their numbers (ParamNumbers), and what the model kept
// beyond its fields goes back in its places (CKeptLinesWriter).
std::string FormatDeviceNetEDS(const CDeviceNetEDS& model);

// Replaces the file at `path` with the model, safely (see SaveFileReplacing).
// Returns false with the system's error text when it could not be written.
bool WriteDeviceNetEDS(const CDeviceNetEDS& model, const std::string& path, std::string& error);

} // namespace corvid
