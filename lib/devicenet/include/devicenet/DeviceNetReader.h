#pragma once

#include "devicenet/DeviceNetModel.h"
#include "devicenet/EDSLineScanner.h"
#include "dictionaries/ReaderDiagnostics.h"

#include <string>
#include <string_view>

namespace corvid {

// Fills an empty model from a DeviceNet EDS file. The header takes the path
// first. Returns false with the system's error text when the file cannot be
// read; the model then holds nothing else. Entries and sections the reader
// does not read are kept as written (Kept), and noted in `diagnostics` when
// given; it never fails otherwise.
bool LoadDeviceNetEDS(CDeviceNetEDS& model, const std::string& path, std::string& error,
                      ReaderDiagnostics* diagnostics = nullptr);

// The same from the file's bytes; `path` is remembered as the model's path.
void LoadDeviceNetEDSText(CDeviceNetEDS& model, std::string_view text, const std::string& path,
                          ReaderDiagnostics* diagnostics = nullptr);

// The [IO_Info] section reader, callable on its own (generation reads the
// catalogue's IO_Info file with it, starting from an empty current line):
// lines in front of the "[IO_Info]" header are passed over, and reading
// stops at the next section header or the end of the text, with
// `currentLine` holding that header.
SectionEnd ReadIOInfoSection(CDeviceNetEDS& model, std::string& currentLine, CEDSLineSource& source,
                             ReaderDiagnostics* diagnostics = nullptr);

} // namespace corvid
