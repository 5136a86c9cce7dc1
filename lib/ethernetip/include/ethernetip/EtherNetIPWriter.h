#pragma once

#include "ethernetip/EtherNetIPModel.h"

#include <string>

namespace corvid {

// The whole file the model stands for, in the writer's fixed layout with
// CR LF line ends: the same model always gives the same bytes. Numbered
// entries are written under the numbers of their keys, and what the model
// kept beyond its fields goes back in its places (CKeptLinesWriter).
std::string FormatEtherNetIPEDS(const CEtherNetIPEDS& model);

// Replaces the file at `path` with the model, safely (see SaveFileReplacing).
// Returns false with the system's error text when it could not be written.
bool WriteEtherNetIPEDS(const CEtherNetIPEDS& model, const std::string& path, std::string& error);

} // namespace corvid
