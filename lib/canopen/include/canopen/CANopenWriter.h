#pragma once

#include "canopen/CANopenModel.h"

#include <string>

namespace corvid {

// The whole file the model stands for, in the writer's fixed layout with
// CR LF line ends: the same model always gives the same bytes.
std::string FormatCANopenEDS(const CCANopenEDS& model);

// One part of the file as the whole render writes it, without the unknown
// sections the file kept behind it: an object with its sub-indexes, or a
// keyword section, of a model read from a file. A save that knows which
// parts changed renders only those.
std::string FormatCANopenObjectSections(const CANopenObject& object);
std::string FormatCANopenSection(const CANopenFileInfo& record);
std::string FormatCANopenSection(const CANopenDeviceInfo& record);
std::string FormatCANopenSection(const CANopenDummyUsage& record);
std::string FormatCANopenSection(const CANopenComments& record);

// Replaces the file at `path` with the model, safely (see SaveFileReplacing).
// Returns false with the system's error text when it could not be written.
bool WriteCANopenEDS(const CCANopenEDS& model, const std::string& path, std::string& error);

} // namespace corvid
