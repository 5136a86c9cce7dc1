#pragma once

#include "canopen/CANopenModel.h"
#include "dictionaries/ReaderDiagnostics.h"

#include <string>
#include <string_view>

namespace corvid {

// Fills an empty model from a CANopen EDS file. Returns false with the
// system's error text when the file cannot be read; the model is then empty.
// A file that lacks sections leaves those parts at their initial values.
// Keywords and section names match regardless of letter case. Lines and
// sections the model has no field for are kept as written (and noted in
// `diagnostics` when given), except comment lines outside object sections.
bool LoadCANopenEDS(CCANopenEDS& model, const std::string& path, std::string& error,
                    ReaderDiagnostics* diagnostics = nullptr);

// The same from the file's bytes; `path` is remembered as the model's path.
void LoadCANopenEDSText(CCANopenEDS& model, std::string_view text, const std::string& path,
                        ReaderDiagnostics* diagnostics = nullptr);

} // namespace corvid
