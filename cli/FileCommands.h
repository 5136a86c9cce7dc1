#pragma once

#include <CLI/CLI.hpp>

namespace corvid::cli {

// kind, resave, dump: commands on EDS files.
void RegisterFileCommands(CLI::App& app, int& exitCode);

} // namespace corvid::cli
