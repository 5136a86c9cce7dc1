#include "DriveLineOptions.h"

#include "device/SerialFraming.h"

#include <vector>

namespace corvid::cli {

void AddLineOptions(CLI::App& command, DriveLineOptions& options) {
    command.add_option("--port", options.port, "Serial port: \"COM3\", \"3\" or a device path")
        ->required();
    command.add_option("--baud", options.baud, "Bit rate")->default_val(9600);
    std::vector<std::string> framings(kFramingTexts.begin(), kFramingTexts.end());
    command
        .add_option("--framing", options.framing, "Framing, e.g. \"8 N 2 RTU\", \"7 E 1 ASCII\"")
        ->default_val("8 N 2 RTU")
        ->check(CLI::IsMember(framings));
    command
        .add_option("--address", options.address,
                    "Modbus slave address (255: whatever address the drive has)")
        ->default_val(255)
        ->check(CLI::Range(0, 255));
}

void AddReadErrorOptions(CLI::App& command, DriveLineOptions& options) {
    command
        .add_option("--on-error", options.onError,
                    "Answer to a failed read: abort, ignore (go on with the fallback) or retry")
        ->default_val("abort")
        ->check(CLI::IsMember({"abort", "ignore", "retry"}));
    command.add_option("--retries", options.retries, "With --on-error retry: retries per read")
        ->default_val(3)
        ->check(CLI::NonNegativeNumber);
}

CommandLineUserInterface MakeUserInterface(const DriveLineOptions& options) {
    return CommandLineUserInterface(ReadErrorPolicyNamed(options.onError), options.retries);
}

} // namespace corvid::cli
