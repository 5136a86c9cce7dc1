#pragma once

#include "canopen/CANopenModel.h"

#include <string>
#include <string_view>

namespace corvid {

// Fills an empty model from a CANopen EDS file. Never fails as such: a file
// that cannot be read, or lacks sections, leaves those parts at their
// initial values. Comments, unknown keywords and unknown sections are not
// kept. Keywords and section names match regardless of letter case.
void LoadCANopenEDS(CCANopenEDS& model, const std::string& path);

// The same from the file's bytes; `path` is remembered as the model's path.
void LoadCANopenEDSText(CCANopenEDS& model, std::string_view text, const std::string& path);

} // namespace corvid
