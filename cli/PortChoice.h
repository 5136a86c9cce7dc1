#pragma once

// How the drive commands name a serial line: "COM3" or "3" is port 3
// through the port mapping, anything else a device path.

#include "device/ModbusMaster.h"

#include <string>

namespace corvid::cli {

struct PortChoice {
    int number = 0;
    std::string device;
    std::string Name() const;
};

PortChoice ParsePort(const std::string& text);

// Opens the line with the master's settings; false after a message naming
// the line and the system's reason.
bool OpenLine(CModbusMaster& master, const PortChoice& port);

} // namespace corvid::cli
