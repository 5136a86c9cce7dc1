#pragma once

#include <CLI/CLI.hpp>

namespace corvid::cli {

// catalogue, load, generate: new files from the catalogue and from a drive.
void RegisterGenerateCommands(CLI::App& app, int& exitCode);

} // namespace corvid::cli
