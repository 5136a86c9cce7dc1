#pragma once

#include <CLI/CLI.hpp>

namespace corvid::cli {

// read-registers, identify, walk, autotest: commands that talk to a drive.
void RegisterDeviceCommands(CLI::App& app, int& exitCode);

} // namespace corvid::cli
