#pragma once

#include "dictionaries/CheckFinding.h"
#include "dictionaries/ReaderDiagnostics.h"

#include <string>
#include <string_view>

namespace corvid {

enum class CIPFileKind { DeviceNet, EtherNetIP };

// Every problem of a DeviceNet or EtherNet/IP EDS file, each at the line its
// entry begins on, in line order: keys [File] and [Device] require, numbers
// written as text, duplicate sections, entries and keys, parameters whose
// values, sizes or enumeration disagree with their data type, and entries
// that name a ParamN or AssemN the file does not have. What the reader kept
// without understanding (`kept`, from the reader of the file's kind) comes
// as notes.
CheckFindings CheckCIPText(std::string_view text, const std::string& path, CIPFileKind kind,
                           const ReaderDiagnostics& kept);

} // namespace corvid
