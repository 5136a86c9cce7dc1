#pragma once

// The serial line and read-failure options every drive command shares.

#include "CliCommon.h"
#include "CommandLineUserInterface.h"

#include "device/SerialException.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>

namespace corvid::cli {

struct DriveLineOptions {
    std::string port;
    uint32_t baud = 9600;
    std::string framing = "8 N 2 RTU";
    int address = 255;
    std::string onError = "abort";
    int retries = 3;
};

// --port, --baud, --framing, --address.
void AddLineOptions(CLI::App& command, DriveLineOptions& options);

// --on-error and --retries.
void AddReadErrorOptions(CLI::App& command, DriveLineOptions& options);

// Read failures answered as --on-error and --retries say.
CommandLineUserInterface MakeUserInterface(const DriveLineOptions& options);

// A serial failure ends the command with the system's description of it.
template <typename Run> int Guarded(Run run) {
    try {
        return run();
    } catch (const CSerialException& failure) {
        PrintError(failure.Device() + ": " + failure.GetErrorMessage());
        return kExitFailure;
    }
}

} // namespace corvid::cli
