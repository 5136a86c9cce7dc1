#pragma once

// Finds the line settings and slave address of an attached drive by trying
// them: ports, bit rates and framings, then addresses.

#include "device/ModbusMaster.h"
#include "dictionaries/UserInterface.h"

#include <functional>
#include <string>

namespace corvid {

struct AutoTestScan {
    bool ports = false;   // ports 1 to 16, else only the master's port
    bool address = false; // addresses 1 to 254 once a drive answers
    bool settings = true; // 6 bit rates by 9 framings, else the master's settings
    std::string device;   // when set, the one line tried instead of port numbers
};

// Runs the auto test on the master's request register (function 3, one
// register), asking address "testModbusID" of Configure.ini's "Comport"
// section until the address scan. Shows each trial through `showStatus`,
// pumps events after each, and stops at the next trial once
// master.stopRequested is set. True with the port open and the found
// settings in the master's fields.
bool AutoTest(CModbusMaster& master, IUserInterface& ui, const AutoTestScan& scan,
              const std::function<void(const std::string&)>& showStatus);

} // namespace corvid
