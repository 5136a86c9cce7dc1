#include "generate/ComportSettings.h"

#include "device/DriveParameter.h"
#include "device/SerialFraming.h"
#include "dictionaries/ConfigureFile.h"
#include "generate/GenerateTexts.h"

#include <algorithm>

namespace corvid {

namespace {

constexpr const char* kSection = "Comport";

template <typename List> bool Listed(const List& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

} // namespace

bool IsListedBitRate(std::string_view text) {
    return Listed(kBitRateTexts, text);
}

bool IsListedFraming(std::string_view text) {
    return Listed(kFramingTexts, text);
}

ComportSettings ReadComportSettings(IUserInterface& ui) {
    using generate_texts::Format;
    const ComportSettings defaults;
    ComportSettings settings;
    settings.comName = ConfigureInt(kSection, "comName", defaults.comName);
    settings.baudRate = ConfigureString(kSection, "baudRate", defaults.baudRate);
    settings.protocol = ConfigureString(kSection, "protocol", defaults.protocol);
    settings.address = ConfigureInt(kSection, "address", defaults.address);
    if (!IsListedBitRate(settings.baudRate)) {
        ui.AppendMessage(Format(generate_texts::kBadBitRate, {settings.baudRate}));
        settings.baudRate = defaults.baudRate;
    }
    if (!IsListedFraming(settings.protocol)) {
        ui.AppendMessage(Format(generate_texts::kBadFraming, {settings.protocol}));
        settings.protocol = defaults.protocol;
    }
    if (settings.address < 0 || settings.address > 255) {
        ui.AppendMessage(Format(generate_texts::kBadAddress, {std::to_string(settings.address)}));
        settings.address = defaults.address;
    }
    return settings;
}

bool WriteComportSettings(const ComportSettings& settings, bool withPort, std::string& error) {
    if (withPort &&
        !WriteConfigureString(kSection, "comName", std::to_string(settings.comName), error))
        return false;
    return WriteConfigureString(kSection, "baudRate", settings.baudRate, error) &&
           WriteConfigureString(kSection, "protocol", settings.protocol, error) &&
           WriteConfigureString(kSection, "address", std::to_string(settings.address), error);
}

int TestModbusAddress() {
    return ConfigureInt(kSection, "testModbusID", 255);
}

uint16_t TestRegister() {
    return static_cast<uint16_t>(ConfigureInt(kSection, "testAdd", kIdentityRegister));
}

} // namespace corvid
