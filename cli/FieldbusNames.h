#pragma once

// The fieldbus names the commands take (--as, --fieldbus) and print.

#include "door/EDSKind.h"

#include <map>
#include <string>

namespace corvid::cli {

inline const std::map<std::string, EDSKind> kFieldbusChoices = {
    {"canopen", EDSKind::CANopen},
    {"devicenet", EDSKind::DeviceNet},
    {"ethernetip", EDSKind::EtherNetIP},
};

// "canopen", "devicenet" or "ethernetip".
inline std::string FieldbusChoiceName(EDSKind kind) {
    for (const auto& [name, k] : kFieldbusChoices)
        if (k == kind)
            return name;
    return "unknown";
}

} // namespace corvid::cli
