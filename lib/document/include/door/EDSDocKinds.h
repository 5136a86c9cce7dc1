#pragma once

// The registry of file kinds: what every front end and the document set need
// to know about each fieldbus: its kind and name, the wording of its open log
// line, which sections its reader reads, its reader (from bytes), its writer (to a
// path or to bytes) and its JSON dump. Adding a fieldbus is one more entry here, one more
// model in EDSModels and one more alternative in LoadedEDSFile; code that
// acts on a kind it holds as a value goes through WithKind instead of a
// switch of its own.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "dictionaries/CheckFinding.h"
#include "dictionaries/KeptLayout.h"
#include "door/EDSKind.h"
#include "ethernetip/EtherNetIPModel.h"
#include "reports/ModelJson.h"

#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

namespace corvid {

template <typename Model> struct EDSDocKind;

template <> struct EDSDocKind<CCANopenEDS> {
    static constexpr EDSKind kKind = EDSKind::CANopen;
    static constexpr const LayoutDialect& kLayout = kCANopenLayout;
    static constexpr const char* kName = "CANopen";
    static constexpr std::string_view kOpenedText = " is a CANopen EDS file.\r\n";
    // A fixed section, an object list or an object section.
    static bool HoldsSections(const std::vector<std::string>& sectionNames);
    static void LoadText(CCANopenEDS& model, std::string_view text, const std::string& path);
    static bool Write(const CCANopenEDS& model, const std::string& path, std::string& error);
    static std::string Format(const CCANopenEDS& model);
    // The model's sections as members of the JSON object open in `out`.
    static void WriteJson(CJsonWriter& out, const CCANopenEDS& model);
    // The check of a file's text by this kind's rules (EDSCheck.cpp).
    static CheckFindings Check(std::string_view text, const std::string& path);
};

template <> struct EDSDocKind<CDeviceNetEDS> {
    static constexpr EDSKind kKind = EDSKind::DeviceNet;
    static constexpr const LayoutDialect& kLayout = kDeviceNetLayout;
    static constexpr const char* kName = "DeviceNet";
    static constexpr std::string_view kOpenedText = " is a DeviceNet EDS file.\r\n";
    // [File] or [Device].
    static bool HoldsSections(const std::vector<std::string>& sectionNames);
    static void LoadText(CDeviceNetEDS& model, std::string_view text, const std::string& path);
    static bool Write(const CDeviceNetEDS& model, const std::string& path, std::string& error);
    static std::string Format(const CDeviceNetEDS& model);
    // The model's sections as members of the JSON object open in `out`.
    static void WriteJson(CJsonWriter& out, const CDeviceNetEDS& model);
    // The check of a file's text by this kind's rules (EDSCheck.cpp).
    static CheckFindings Check(std::string_view text, const std::string& path);
};

template <> struct EDSDocKind<CEtherNetIPEDS> {
    static constexpr EDSKind kKind = EDSKind::EtherNetIP;
    static constexpr const LayoutDialect& kLayout = kEtherNetIPLayout;
    static constexpr const char* kName = "EtherNet/IP";
    static constexpr std::string_view kOpenedText = " is an EtherNet/IP EDS file.\r\n";
    // [File] or [Device].
    static bool HoldsSections(const std::vector<std::string>& sectionNames);
    static void LoadText(CEtherNetIPEDS& model, std::string_view text, const std::string& path);
    static bool Write(const CEtherNetIPEDS& model, const std::string& path, std::string& error);
    static std::string Format(const CEtherNetIPEDS& model);
    // The model's sections as members of the JSON object open in `out`.
    static void WriteJson(CJsonWriter& out, const CEtherNetIPEDS& model);
    // The check of a file's text by this kind's rules (EDSCheck.cpp).
    static CheckFindings Check(std::string_view text, const std::string& path);
};

// Every model of the registry, in the order of EDSKind.
using EDSModels = std::tuple<CCANopenEDS, CDeviceNetEDS, CEtherNetIPEDS>;

// Calls f(std::type_identity<Model>{}) with the model of `kind`; false,
// without a call, for Unknown.
template <typename F> bool WithKind(EDSKind kind, F&& f) {
    return [&]<typename... Model>(std::type_identity<std::tuple<Model...>>) {
        return (
            (EDSDocKind<Model>::kKind == kind ? (f(std::type_identity<Model>{}), true) : false) ||
            ...);
    }(std::type_identity<EDSModels>{});
}

} // namespace corvid
