// corvid-cli: the scriptable face of the Corvid core.

#include "CheckCommands.h"
#include "CliCommon.h"
#include "DeviceCommands.h"
#include "DocumentCommands.h"
#include "EditCommands.h"
#include "FileCommands.h"
#include "GenerateCommands.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <string>

namespace corvid::cli {

void PrintError(const std::string& text) {
    std::cerr << "corvid-cli: " << text << '\n';
}

} // namespace corvid::cli

int main(int argc, char** argv) {
    CLI::App app{"corvid-cli: read, convert and inspect EDS files; talk to drives; make new files "
                 "from the catalogue and from drives"};
    app.set_version_flag("--version", std::string("corvid-cli ") + CORVID_PROGRAM_VERSION);
    app.require_subcommand(1);
    int exitCode = corvid::cli::kExitOk;
    corvid::cli::RegisterFileCommands(app, exitCode);
    corvid::cli::RegisterDocumentCommands(app, exitCode);
    corvid::cli::RegisterEditCommands(app, exitCode);
    corvid::cli::RegisterCheckCommands(app, exitCode);
    corvid::cli::RegisterDeviceCommands(app, exitCode);
    corvid::cli::RegisterGenerateCommands(app, exitCode);
    CLI11_PARSE(app, argc, argv);
    // The work is done and every file written. std::exit flushes the streams
    // but leaves what the commands built (`app` holds the model of the file
    // read) to the system, which takes the memory back at once: a model of
    // tens of thousands of records took longer to free piece by piece.
    // LeakSanitizer still sees everything else: what `app` holds is
    // reachable from this frame.
    std::exit(exitCode);
}
