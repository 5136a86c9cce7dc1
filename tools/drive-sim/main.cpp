// corvid-drive-sim: a motor drive on a pseudo-terminal, answering Modbus RTU
// or ASCII requests as the drive described by a JSON file would.

#include "DriveDescription.h"
#include "PseudoTerminal.h"
#include "SimulatedDrive.h"

#include "dictionaries/EDSTextHelper.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace corvid::sim {

namespace {

volatile std::sig_atomic_t gStopSignal = 0;

void OnStopSignal(int signal) {
    gStopSignal = signal;
}

struct Options {
    std::string driveFile;
    std::string link;
    int address = 0;
    uint32_t baud = 0;
    std::string framing;
    std::vector<std::string> silent;
    std::vector<std::string> exceptions;
    int damage = 0;
    int delayMs = 0;
    bool wireTime = false;
    bool strictAddress = false;
    bool verbose = false;
    bool stopWithInput = false;
};

// The signals that stop the simulator are blocked except while it waits, so
// a stop always ends a wait and never cuts a write in half.
class StopSignals {
public:
    StopSignals() {
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGINT, &action, nullptr);
        sigset_t stops;
        sigemptyset(&stops);
        sigaddset(&stops, SIGTERM);
        sigaddset(&stops, SIGINT);
        ::sigprocmask(SIG_BLOCK, &stops, &waiting_);
        sigdelset(&waiting_, SIGTERM);
        sigdelset(&waiting_, SIGINT);
    }
    const sigset_t* WhileWaiting() const { return &waiting_; }

private:
    sigset_t waiting_;
};

timespec ToTimespec(std::chrono::microseconds duration) {
    return {static_cast<time_t>(duration.count() / 1000000),
            static_cast<long>(duration.count() % 1000000 * 1000)};
}

// Waits for `duration` unless a stop signal comes first.
void Wait(std::chrono::microseconds duration, const StopSignals& signals) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (gStopSignal == 0) {
        const auto left = end - std::chrono::steady_clock::now();
        if (left <= std::chrono::microseconds(0))
            return;
        const timespec wait =
            ToTimespec(std::chrono::duration_cast<std::chrono::microseconds>(left));
        ::ppoll(nullptr, 0, &wait, signals.WhileWaiting());
    }
}

bool WriteAll(int descriptor, const std::vector<uint8_t>& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<size_t>(count);
    }
    return true;
}

// "REG" (always) or "REG:COUNT" (the first COUNT requests), REG decimal or 0x hexadecimal.
bool ParseFaultPlan(const std::vector<std::string>& texts, std::map<uint16_t, int>& plan) {
    for (const std::string& text : texts) {
        const size_t colon = text.find(':');
        const std::string registerText = text.substr(0, colon);
        if (!IsDecimal(registerText) && !IsHex(registerText))
            return false;
        int count = kAlways;
        if (colon != std::string::npos) {
            const std::string countText = text.substr(colon + 1);
            if (!IsDecimal(countText))
                return false;
            count = static_cast<int>(ParseNumber(countText));
        }
        plan[static_cast<uint16_t>(ParseNumber(registerText))] = count;
    }
    return true;
}

// The description with the command line's overrides applied.
bool LoadDrive(const Options& options, DriveDescription& drive) {
    std::string error;
    if (!LoadDriveDescription(options.driveFile, drive, error)) {
        std::cerr << "corvid-drive-sim: " << error << '\n';
        return false;
    }
    if (options.address != 0)
        drive.address = static_cast<uint8_t>(options.address);
    if (options.baud != 0)
        drive.line.bitRate = options.baud;
    if (!options.framing.empty())
        ApplyFramingText(options.framing, drive.line.framing);
    return true;
}

// Removes the link on every way out, so a stopped simulator leaves no
// dangling name behind.
class Link {
public:
    bool Make(const std::string& path, const std::string& target) {
        std::error_code error;
        if (std::filesystem::is_symlink(path, error))
            std::filesystem::remove(path, error);
        std::filesystem::create_symlink(target, path, error);
        if (error) {
            std::cerr << "corvid-drive-sim: " << path << ": " << error.message() << '\n';
            return false;
        }
        path_ = path;
        return true;
    }
    ~Link() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }

private:
    std::string path_;
};

// Reads what waits on standard input; true at its end.
bool InputEnded() {
    std::array<char, 256> ignored{};
    return ::read(STDIN_FILENO, ignored.data(), ignored.size()) <= 0;
}

void Serve(CPseudoTerminal& terminal, CSimulatedDrive& drive, const Options& options,
           const StopSignals& signals) {
    // Idle, the terminal is released for the next master now and then: one
    // that opened it and left without a word is not seen otherwise.
    const timespec idle = ToTimespec(std::chrono::seconds(1));
    std::array<uint8_t, 512> bytes{};
    while (gStopSignal == 0) {
        // Standard input is watched only with --stop-with-input (-1 is skipped).
        std::array<pollfd, 2> watched = {
            pollfd{terminal.Descriptor(), POLLIN, 0},
            pollfd{options.stopWithInput ? STDIN_FILENO : -1, POLLIN, 0}};
        const timespec gap = ToTimespec(drive.FrameGap());
        const int ready = ::ppoll(watched.data(), watched.size(),
                                  drive.HasPartialFrame() ? &gap : &idle, signals.WhileWaiting());
        if (ready < 0)
            continue; // a signal: the loop condition decides
        if (watched[1].revents != 0 && InputEnded())
            return;
        terminal.ReleaseExclusive();
        if (ready == 0) {
            drive.LineQuiet();
            continue;
        }
        if ((watched[0].revents & POLLIN) == 0)
            continue;
        const ssize_t count = ::read(terminal.Descriptor(), bytes.data(), bytes.size());
        if (count <= 0)
            continue;
        const std::optional<SerialLineSettings> applied = terminal.AppliedSettings();
        if (!applied) {
            if (options.verbose)
                std::cerr << "line settings unreadable or unknown: bytes dropped\n";
            continue;
        }
        for (const Exchange& exchange :
             drive.Receive({bytes.data(), static_cast<size_t>(count)}, *applied)) {
            if (options.verbose)
                std::cerr << exchange.note << '\n';
            if (exchange.answer.empty())
                continue;
            auto hold = std::chrono::microseconds(std::chrono::milliseconds(options.delayMs));
            if (options.wireTime)
                hold += drive.LineTime(exchange.requestLength + exchange.answer.size());
            Wait(hold, signals);
            if (gStopSignal != 0)
                return;
            WriteAll(terminal.Descriptor(), exchange.answer);
        }
    }
}

int Run(const Options& options) {
    DriveDescription description;
    if (!LoadDrive(options, description))
        return 1;
    TroubleOptions trouble;
    trouble.damaged = options.damage;
    trouble.strictAddress = options.strictAddress;
    if (!ParseFaultPlan(options.silent, trouble.silent) ||
        !ParseFaultPlan(options.exceptions, trouble.exceptions)) {
        std::cerr << "corvid-drive-sim: --silent and --exception take REG or REG:COUNT\n";
        return 1;
    }
    const StopSignals signals;
    CPseudoTerminal terminal;
    std::string error;
    if (!terminal.Open(error)) {
        std::cerr << "corvid-drive-sim: " << error << '\n';
        return 1;
    }
    Link link;
    if (!options.link.empty() && !link.Make(options.link, terminal.Path()))
        return 1;
    // The first line tells whoever started the simulator where to connect.
    std::cout << terminal.Path() << std::endl;
    if (options.verbose)
        std::cerr << "drive at address " << int(description.address) << ", "
                  << description.line.bitRate << " " << FramingLabel(description.line.framing)
                  << '\n';
    CSimulatedDrive drive(description, trouble);
    Serve(terminal, drive, options, signals);
    return 0;
}

} // namespace

} // namespace corvid::sim

int main(int argc, char** argv) {
    using corvid::sim::Options;
    Options options;
    CLI::App app{
        "corvid-drive-sim: a motor drive on a pseudo-terminal for corvid and corvid-cli.\n"
        "Prints the path of the terminal to open as its first line, then answers Modbus\n"
        "requests (function 3, and 0x63 for description blocks) as the drive in DRIVE_FILE\n"
        "until SIGTERM or SIGINT. It answers only when the master set the line to the\n"
        "drive's own bit rate, data bits, parity and stop bits, in the drive's framing,\n"
        "and only to the drive's address or to 255 (whichever drive is on the line).\n"
        "A pseudo-terminal forces 8 data bits and no parity into its c_cflag; parity\n"
        "and 7 data bits are seen through the INPCK and ISTRIP input flags, which\n"
        "Corvid's serial port sets with them.\n"
        "REG is decimal or 0x hexadecimal; REG:COUNT limits a fault to the first COUNT\n"
        "requests for that register."};
    app.set_version_flag("--version", std::string("corvid-drive-sim ") + CORVID_PROGRAM_VERSION);
    app.add_option("DRIVE_FILE", options.driveFile, "Drive description (JSON)")
        ->required()
        ->check(CLI::ExistingFile);
    app.add_option("--link", options.link,
                   "Also make a symbolic link PATH to the terminal (removed on exit)");
    app.add_option("--address", options.address, "Answer as this address instead (1 to 247)")
        ->check(CLI::Range(1, 247));
    app.add_option("--baud", options.baud, "Use this bit rate instead")
        ->check(CLI::Range(50, 4000000));
    app.add_option("--framing", options.framing, "Use this framing instead, e.g. \"8 E 1 RTU\"")
        ->check(CLI::IsMember(
            std::vector<std::string>(corvid::kFramingTexts.begin(), corvid::kFramingTexts.end())));
    app.add_option("--silent", options.silent, "Do not answer requests for REG[:COUNT]");
    app.add_option("--exception", options.exceptions,
                   "Answer requests for REG[:COUNT] with exception 4 (device failure)");
    app.add_option("--damage", options.damage,
                   "Send the first N answers with a damaged CRC (RTU) or LRC (ASCII)")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--delay", options.delayMs, "Wait MS milliseconds before each answer")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--wire-time", options.wireTime,
                 "Hold each answer for the time the request and the answer take on a real "
                 "line at the drive's bit rate and framing");
    app.add_flag("--strict-address", options.strictAddress,
                 "Answer only the drive's own address, not 255");
    app.add_flag("--verbose", options.verbose, "Log each request and what became of it on stderr");
    app.add_flag("--stop-with-input", options.stopWithInput,
                 "Also stop when standard input ends, so a harness that dies leaves no "
                 "simulator behind");
    CLI11_PARSE(app, argc, argv);
    return corvid::sim::Run(options);
}
