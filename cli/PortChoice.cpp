#include "PortChoice.h"

#include "CliCommon.h"

#include "device/SerialPortNames.h"
#include "dictionaries/EDSTextHelper.h"

#include <cstring>

namespace corvid::cli {

std::string PortChoice::Name() const {
    return device.empty() ? PortName(number) : device;
}

PortChoice ParsePort(const std::string& text) {
    const std::string digits =
        text.size() > 3 && EqualsNoCase(text.substr(0, 3), "COM") ? text.substr(3) : text;
    if (IsDecimal(digits) && ParseNumber(digits) >= 1 && ParseNumber(digits) <= 255)
        return {static_cast<int>(ParseNumber(digits)), {}};
    return {0, text};
}

bool OpenLine(CModbusMaster& master, const PortChoice& port) {
    if (port.device.empty() ? master.OpenPort() : master.OpenPort(port.device))
        return true;
    const int error = master.serialPort.OpenError();
    PrintError("cannot open " + port.Name() +
               (master.serialPort.Device().empty() || !port.device.empty()
                    ? ""
                    : " (" + master.serialPort.Device() + ")") +
               (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
    return false;
}

} // namespace corvid::cli
