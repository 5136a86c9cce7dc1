#pragma once

#include "dictionaries/ReaderDiagnostics.h"
#include "ethernetip/EtherNetIPModel.h"

#include <string>
#include <string_view>

namespace corvid {

// Fills an empty model from an EtherNet/IP EDS file's bytes; `path` is
// remembered as the model's path. Never fails as such: entries and sections
// it does not read, and lines in front of the first section, are kept as
// written (Kept), a number that cannot be read is 0, and an entry cut off
// by the end of the text is dropped. What was kept or dropped is noted in
// `diagnostics` when given.
void LoadEtherNetIPEDSText(CEtherNetIPEDS& model, std::string_view text, const std::string& path,
                           ReaderDiagnostics* diagnostics = nullptr);

// The same from the file at `path`. Returns false with the system's error
// text when the file cannot be read; the model then holds only its header.
bool LoadEtherNetIPEDS(CEtherNetIPEDS& model, const std::string& path, std::string& error,
                       ReaderDiagnostics* diagnostics = nullptr);

} // namespace corvid
