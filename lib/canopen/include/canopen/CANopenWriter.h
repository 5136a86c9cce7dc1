#pragma once

#include "canopen/CANopenModel.h"

#include <string>

namespace corvid {

// The whole file the model stands for, in the writer's fixed layout with
// CR LF line ends: the same model always gives the same bytes.
std::string FormatCANopenEDS(const CCANopenEDS& model);

// Replaces the file at `path` with the model, safely (see SaveFileReplacing).
// Returns false with the system's error text when it could not be written.
bool WriteCANopenEDS(const CCANopenEDS& model, const std::string& path, std::string& error);

} // namespace corvid
