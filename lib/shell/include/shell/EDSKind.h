#pragma once

#include <string>
#include <string_view>

namespace corvid {

// The fieldbus of an EDS file, numbered as the document set and the view
// number their lists.
enum class EDSKind { Unknown = -1, CANopen = 0, DeviceNet = 1, EtherNetIP = 2 };

// Decides the kind of the file at `path` from its name and section names.
// A name must end in ".eds" or ".EDS"; a file that cannot be read is Unknown.
EDSKind DetectEDSKind(const std::string& path);

// The same on bytes already read; `path` is used for the name rule only.
EDSKind DetectEDSKindText(const std::string& path, std::string_view text);

// "CANopen", "DeviceNet", "EtherNet/IP" or "unknown".
const char* EDSKindName(EDSKind kind);

} // namespace corvid
