#pragma once

// One EDS file read with the reader of its kind, outside the document set:
// what the command line resaves and dumps. Every operation goes through the
// registry of file kinds, so no front end switches on the kind itself.

#include "door/EDSDocKinds.h"

#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace corvid {

struct LoadedEDSFile {
    std::variant<std::monostate, CCANopenEDS, CDeviceNetEDS, CEtherNetIPEDS> model;

    EDSKind Kind() const;
};

// Reads `text` with the reader of `kind` into `file`. False, leaving `file`
// empty, when `kind` is Unknown.
bool LoadEDSFileText(LoadedEDSFile& file, EDSKind kind, std::string_view text,
                     const std::string& path);

// Writes the file with the writer of its kind; false with the reason.
bool WriteEDSFile(const LoadedEDSFile& file, const std::string& path, std::string& error);

// Keeps `text`, the bytes the file was read from, with its model, so that
// WriteEDSFileKept keeps its layout.
void KeepSourceText(LoadedEDSFile& file, std::string text);

// Writes the file in its own layout (see KeptSave.h), stamped with the time
// of SaveTimeNow when it changed; false with the reason.
bool WriteEDSFileKept(LoadedEDSFile& file, const std::string& path, size_t& changedLines,
                      std::string& error);

// The file as JSON, {"kind", "header", then the model's sections}, written
// to `out` as the model is walked; no line end after it.
void WriteEDSFileJson(std::ostream& out, const LoadedEDSFile& file);

} // namespace corvid
