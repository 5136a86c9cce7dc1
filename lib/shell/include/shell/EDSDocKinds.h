#pragma once

// What the document set needs to know about each fieldbus: its kind, the
// wording of its open log line, and its reader and writer. Adding a fieldbus
// to the document set is one more entry here and one more list in CEDSDoc.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"
#include "shell/EDSKind.h"

#include <string>
#include <string_view>

namespace corvid {

template <typename Model> struct EDSDocKind;

template <> struct EDSDocKind<CCANopenEDS> {
    static constexpr EDSKind kKind = EDSKind::CANopen;
    static constexpr std::string_view kOpenedText = " is a CANopen EDS file.\r\n";
    static bool Load(CCANopenEDS& model, const std::string& path, std::string& error);
    static bool Write(const CCANopenEDS& model, const std::string& path, std::string& error);
};

template <> struct EDSDocKind<CDeviceNetEDS> {
    static constexpr EDSKind kKind = EDSKind::DeviceNet;
    static constexpr std::string_view kOpenedText = " is a DeviceNet EDS file.\r\n";
    static bool Load(CDeviceNetEDS& model, const std::string& path, std::string& error);
    static bool Write(const CDeviceNetEDS& model, const std::string& path, std::string& error);
};

template <> struct EDSDocKind<CEtherNetIPEDS> {
    static constexpr EDSKind kKind = EDSKind::EtherNetIP;
    static constexpr std::string_view kOpenedText = " is an EtherNet/IP EDS file.\r\n";
    static bool Load(CEtherNetIPEDS& model, const std::string& path, std::string& error);
    static bool Write(const CEtherNetIPEDS& model, const std::string& path, std::string& error);
};

} // namespace corvid
