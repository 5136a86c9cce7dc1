#pragma once

#include <CLI/CLI.hpp>

namespace corvid::cli {

// open: commands that run the document set's flows.
void RegisterDocumentCommands(CLI::App& app, int& exitCode);

} // namespace corvid::cli
