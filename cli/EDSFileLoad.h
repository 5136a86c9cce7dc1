#pragma once

// Reading the EDS file a command works on, and the options that say how it
// is read (--as) and written (--layout), shared by resave, dump and edit.

#include "door/EDSFile.h"

#include <CLI/CLI.hpp>

#include <string>

namespace corvid::cli {

enum class SaveLayout { Kept, Corvid };

// The kind chosen with `as` ("canopen", ...), said when the text holds
// nothing of it, or else the detected one.
EDSKind ChosenKind(const std::string& path, const std::string& text, const std::string& as);

// Reads `path` with the reader of the kind chosen with `as` (empty: the
// detected kind), keeping its bytes for a save in its own layout unless
// `keepText` is false. Returns an exit code.
int LoadEDSFileFrom(const std::string& path, const std::string& as, LoadedEDSFile& loaded,
                    bool keepText = true);

// Writes in the chosen layout. `changedLines` is set by a kept-layout save.
int SaveEDSFileTo(LoadedEDSFile& loaded, const std::string& path, SaveLayout layout,
                  size_t& changedLines);

void AddAsOption(CLI::App& command, std::string& as);
void AddLayoutOption(CLI::App& command, SaveLayout& layout, const std::string& help);

} // namespace corvid::cli
