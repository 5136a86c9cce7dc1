#pragma once

// A drive on a serial line: gathers request frames from the bytes it
// receives, answers those meant for it, and makes the trouble it was asked
// to make. Timing (delays, the time bytes take on the line) is the caller's.

#include "DriveDescription.h"
#include "DriveRegisters.h"
#include "device/ModbusFrame.h"
#include "device/SerialLineSettings.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace corvid::sim {

// Requests, counted by their first register, that are to go wrong.
inline constexpr int kAlways = -1;

struct TroubleOptions {
    std::map<uint16_t, int> silent;     // register -> requests left unanswered (kAlways: all)
    std::map<uint16_t, int> exceptions; // register -> requests left answered with exception 4
    int damaged = 0;                    // answers, from the first, sent with a broken CRC or LRC
    bool strictAddress = false;         // answer only the own address, not also 255
};

// One request gathered from the line and what became of it.
struct Exchange {
    size_t requestLength = 0;
    std::vector<uint8_t> answer; // empty: nothing is sent
    std::string note;            // one line for the log
};

class CSimulatedDrive {
public:
    CSimulatedDrive(const DriveDescription& drive, const TroubleOptions& trouble);

    // Takes bytes from the line; `applied` is how the master set the line up.
    // Requests sent with other settings are noise to this drive.
    std::vector<Exchange> Receive(std::span<const uint8_t> bytes,
                                  const SerialLineSettings& applied);

    // The line has been quiet for a frame gap: bytes still waiting form no
    // request and are dropped.
    void LineQuiet();
    bool HasPartialFrame() const { return !pending_.empty(); }

    // The silence after which an RTU frame is over: 3.5 characters, at
    // least 2 ms so a busy machine does not split frames.
    std::chrono::microseconds FrameGap() const;

    // The time `characters` characters take on the line at the drive's settings.
    std::chrono::microseconds LineTime(size_t characters) const;

    const DriveDescription& Drive() const { return drive_; }

private:
    std::vector<Exchange> TakeRtuFrames(const SerialLineSettings& applied);
    std::vector<Exchange> TakeAsciiFrames(const SerialLineSettings& applied);
    // A whole frame as it came, or a request already parsed from one.
    Exchange Answer(std::span<const uint8_t> frame, const SerialLineSettings& applied);
    Exchange Answer(const ModbusRequest& request, size_t requestLength,
                    const SerialLineSettings& applied);
    // True when a planned fault for `registerAddress` in `plan` applies now.
    static bool TakeFault(std::map<uint16_t, int>& plan, uint16_t registerAddress);
    void Damage(std::vector<uint8_t>& answer) const;

    DriveDescription drive_;
    TroubleOptions trouble_;
    CDriveRegisters registers_;
    std::vector<uint8_t> pending_;
};

} // namespace corvid::sim
