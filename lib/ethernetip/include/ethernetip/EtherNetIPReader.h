#pragma once

#include "dictionaries/ReaderDiagnostics.h"
#include "ethernetip/EtherNetIPModel.h"

#include <string>
#include <string_view>

namespace corvid {

// Fills an empty model from an EtherNet/IP EDS file's bytes; `path` is
// remembered as the model's path. Never fails as such: unknown sections and
// keywords and lines before the first known section are passed over, a
// number that cannot be read is 0, and an entry cut off by the end of the
// text is dropped. What was passed over is noted in `diagnostics` when given.
void LoadEtherNetIPEDSText(CEtherNetIPEDS& model, std::string_view text, const std::string& path,
                           ReaderDiagnostics* diagnostics = nullptr);

// The same from the file at `path`. Returns false with the system's error
// text when the file cannot be read; the model then holds only its header.
bool LoadEtherNetIPEDS(CEtherNetIPEDS& model, const std::string& path, std::string& error);

} // namespace corvid
