#include "device/SerialPortNames.h"

#include "dictionaries/ConfigureFile.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <utility>

namespace corvid {

std::string PortName(int port) {
    return "COM" + std::to_string(port);
}

std::vector<std::string> ListSerialDevices(const std::string& deviceFolder) {
    constexpr std::array<std::string_view, 3> kPrefixes = {"ttyUSB", "ttyACM", "ttyS"};
    std::vector<std::string> devices;
    std::error_code error;
    for (std::string_view prefix : kPrefixes) {
        std::vector<std::pair<uint32_t, std::string>> found;
        for (const auto& entry : std::filesystem::directory_iterator(deviceFolder, error)) {
            const std::string name = entry.path().filename().string();
            if (name.size() <= prefix.size() || !name.starts_with(prefix))
                continue;
            const std::string_view number = std::string_view(name).substr(prefix.size());
            if (IsDecimal(number))
                found.emplace_back(ParseNumber(number), entry.path().string());
        }
        std::sort(found.begin(), found.end());
        for (auto& [number, path] : found)
            devices.push_back(std::move(path));
    }
    return devices;
}

std::string SerialDevicePath(int port, const std::string& configureIni,
                             const std::string& deviceFolder) {
    if (port < 1)
        return {};
    std::string configured = ProfileString(configureIni, "SerialPorts", PortName(port));
    TrimBlanks(configured);
    if (!configured.empty())
        return configured;
    const std::vector<std::string> devices = ListSerialDevices(deviceFolder);
    return static_cast<size_t>(port) <= devices.size() ? devices[port - 1] : std::string();
}

std::string SerialDevicePath(int port) {
    return SerialDevicePath(port, ConfigureFileWithKey("SerialPorts", PortName(port)));
}

} // namespace corvid
