#pragma once

#include <CLI/CLI.hpp>

namespace corvid::cli {

// check: the problems of EDS files, as text lines or JSON.
void RegisterCheckCommands(CLI::App& app, int& exitCode);

} // namespace corvid::cli
