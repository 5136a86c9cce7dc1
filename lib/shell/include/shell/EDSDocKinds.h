#pragma once

// The registry of file kinds: what every front end and the document set need
// to know about each fieldbus: its kind, the wording of its open log line,
// its reader (from a path or from bytes), its writer (to a path or to
// bytes) and its JSON dump.
// Adding a fieldbus is one more entry here, one more list in CEDSDoc and one
// more alternative in LoadedEDSFile.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "dictionaries/KeptLayout.h"
#include "ethernetip/EtherNetIPModel.h"
#include "shell/EDSKind.h"
#include "shell/ModelJson.h"

#include <string>
#include <string_view>

namespace corvid {

template <typename Model> struct EDSDocKind;

template <> struct EDSDocKind<CCANopenEDS> {
    static constexpr EDSKind kKind = EDSKind::CANopen;
    static constexpr KeptLayoutKind kLayout = KeptLayoutKind::CANopen;
    static constexpr std::string_view kOpenedText = " is a CANopen EDS file.\r\n";
    static bool Load(CCANopenEDS& model, const std::string& path, std::string& error);
    static void LoadText(CCANopenEDS& model, std::string_view text, const std::string& path);
    static bool Write(const CCANopenEDS& model, const std::string& path, std::string& error);
    static std::string Format(const CCANopenEDS& model);
    static Json ToJson(const CCANopenEDS& model);
};

template <> struct EDSDocKind<CDeviceNetEDS> {
    static constexpr EDSKind kKind = EDSKind::DeviceNet;
    static constexpr KeptLayoutKind kLayout = KeptLayoutKind::DeviceNet;
    static constexpr std::string_view kOpenedText = " is a DeviceNet EDS file.\r\n";
    static bool Load(CDeviceNetEDS& model, const std::string& path, std::string& error);
    static void LoadText(CDeviceNetEDS& model, std::string_view text, const std::string& path);
    static bool Write(const CDeviceNetEDS& model, const std::string& path, std::string& error);
    static std::string Format(const CDeviceNetEDS& model);
    static Json ToJson(const CDeviceNetEDS& model);
};

template <> struct EDSDocKind<CEtherNetIPEDS> {
    static constexpr EDSKind kKind = EDSKind::EtherNetIP;
    static constexpr KeptLayoutKind kLayout = KeptLayoutKind::EtherNetIP;
    static constexpr std::string_view kOpenedText = " is an EtherNet/IP EDS file.\r\n";
    static bool Load(CEtherNetIPEDS& model, const std::string& path, std::string& error);
    static void LoadText(CEtherNetIPEDS& model, std::string_view text, const std::string& path);
    static bool Write(const CEtherNetIPEDS& model, const std::string& path, std::string& error);
    static std::string Format(const CEtherNetIPEDS& model);
    static Json ToJson(const CEtherNetIPEDS& model);
};

} // namespace corvid
