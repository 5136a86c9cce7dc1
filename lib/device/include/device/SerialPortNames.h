#pragma once

// How a port number ("COM%d") names a serial device on Linux.

#include <string>
#include <vector>

namespace corvid {

// "COM%d": how the program names port `port`, and its key in section
// "SerialPorts".
std::string PortName(int port);

// The serial devices present in `deviceFolder`, in the order ttyUSB*, ttyACM*,
// ttyS*, and in number order inside each kind (ttyS2 before ttyS10).
std::vector<std::string> ListSerialDevices(const std::string& deviceFolder = "/dev");

// The device of port `port` (1 and up): key "COM%d" of section "SerialPorts"
// in the settings file `configureIni` when present, else the port-th device
// of ListSerialDevices. Empty when there is none.
std::string SerialDevicePath(int port, const std::string& configureIni,
                             const std::string& deviceFolder = "/dev");

// The same with Configure.ini (see ConfigureFile.h).
std::string SerialDevicePath(int port);

} // namespace corvid
