#pragma once

#include <CLI/CLI.hpp>

namespace corvid::cli {

// corvid-cli edit: scripted changes through the editing view's rules.
void RegisterEditCommands(CLI::App& app, int& exitCode);

} // namespace corvid::cli
