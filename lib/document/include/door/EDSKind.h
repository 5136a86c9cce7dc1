#pragma once

#include <string>
#include <string_view>

namespace corvid {

// The fieldbus of an EDS file, numbered as the document set and the view
// number their lists.
enum class EDSKind { Unknown = -1, CANopen = 0, DeviceNet = 1, EtherNetIP = 2 };

// Decides the kind of the file at `path` from its name and section names.
// A name must end in ".eds" or ".EDS". A file that cannot be read is Unknown
// with the system's reason in `error`, which is otherwise left empty, so a
// caller can tell a missing file from one of no known kind.
EDSKind DetectEDSKind(const std::string& path, std::string& error);

// The same on bytes already read; `path` is used for the name rule only. A
// byte-order mark in front of the first section is looked past.
EDSKind DetectEDSKindText(const std::string& path, std::string_view text);

// Whether the text holds any section a reader of `kind` reads: for CANopen
// a fixed section, an object list or an object section; for DeviceNet and
// EtherNet/IP [File] or [Device]. A reader chosen by hand can so tell the
// user that it found nothing of its kind.
bool HoldsSectionsOfKind(std::string_view text, EDSKind kind);

// "CANopen", "DeviceNet", "EtherNet/IP" or "unknown". This and
// HoldsSectionsOfKind are answered by the registry of file kinds
// (EDSDocKinds.h).
const char* EDSKindName(EDSKind kind);

} // namespace corvid
