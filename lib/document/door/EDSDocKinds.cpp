#include "door/EDSDocKinds.h"

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"
#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"
#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace corvid {

namespace {

// "1A00" or "1a00sub3": one to four hex digits, then optionally "sub" and
// one or two more.
bool IsObjectSectionName(std::string_view name) {
    const auto hexDigits = [](std::string_view digits, size_t most) {
        return !digits.empty() && digits.size() <= most &&
               std::all_of(digits.begin(), digits.end(),
                           [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    };
    const size_t sub = ToLowerAscii(name).find("sub");
    if (sub == std::string_view::npos)
        return hexDigits(name, 4);
    return hexDigits(name.substr(0, sub), 4) && hexDigits(name.substr(sub + 3), 2);
}

bool IsCANopenSection(const std::string& name) {
    static const std::set<std::string> kFixed = {
        "fileinfo",         "deviceinfo",      "dummyusage",         "comments",
        "mandatoryobjects", "optionalobjects", "manufacturerobjects"};
    return kFixed.contains(ToLowerAscii(name)) || IsObjectSectionName(name);
}

bool HoldsFileOrDevice(const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return name == "File" || name == "Device"; });
}

} // namespace

bool HoldsSectionsOfKind(std::string_view text, EDSKind kind) {
    StripByteOrderMark(text);
    const CProfileText file(text);
    bool holds = false;
    WithKind(kind, [&]<typename Model>(std::type_identity<Model>) {
        holds = EDSDocKind<Model>::HoldsSections(file.SectionNames());
    });
    return holds;
}

const char* EDSKindName(EDSKind kind) {
    const char* name = "unknown";
    WithKind(kind,
             [&]<typename Model>(std::type_identity<Model>) { name = EDSDocKind<Model>::kName; });
    return name;
}

bool EDSDocKind<CCANopenEDS>::HoldsSections(const std::vector<std::string>& sectionNames) {
    return std::any_of(sectionNames.begin(), sectionNames.end(), IsCANopenSection);
}

void EDSDocKind<CCANopenEDS>::LoadText(CCANopenEDS& model, std::string_view text,
                                       const std::string& path) {
    LoadCANopenEDSText(model, text, path);
}

void EDSDocKind<CCANopenEDS>::WriteJson(CJsonWriter& out, const CCANopenEDS& model) {
    WriteCANopenJson(out, model);
}

bool EDSDocKind<CCANopenEDS>::Write(const CCANopenEDS& model, const std::string& path,
                                    std::string& error) {
    return WriteCANopenEDS(model, path, error);
}

std::string EDSDocKind<CCANopenEDS>::Format(const CCANopenEDS& model) {
    return FormatCANopenEDS(model);
}

bool EDSDocKind<CDeviceNetEDS>::HoldsSections(const std::vector<std::string>& sectionNames) {
    return HoldsFileOrDevice(sectionNames);
}

void EDSDocKind<CDeviceNetEDS>::LoadText(CDeviceNetEDS& model, std::string_view text,
                                         const std::string& path) {
    LoadDeviceNetEDSText(model, text, path);
}

void EDSDocKind<CDeviceNetEDS>::WriteJson(CJsonWriter& out, const CDeviceNetEDS& model) {
    WriteDeviceNetJson(out, model);
}

bool EDSDocKind<CDeviceNetEDS>::Write(const CDeviceNetEDS& model, const std::string& path,
                                      std::string& error) {
    return WriteDeviceNetEDS(model, path, error);
}

std::string EDSDocKind<CDeviceNetEDS>::Format(const CDeviceNetEDS& model) {
    return FormatDeviceNetEDS(model);
}

bool EDSDocKind<CEtherNetIPEDS>::HoldsSections(const std::vector<std::string>& sectionNames) {
    return HoldsFileOrDevice(sectionNames);
}

void EDSDocKind<CEtherNetIPEDS>::LoadText(CEtherNetIPEDS& model, std::string_view text,
                                          const std::string& path) {
    LoadEtherNetIPEDSText(model, text, path);
}

void EDSDocKind<CEtherNetIPEDS>::WriteJson(CJsonWriter& out, const CEtherNetIPEDS& model) {
    WriteEtherNetIPJson(out, model);
}

bool EDSDocKind<CEtherNetIPEDS>::Write(const CEtherNetIPEDS& model, const std::string& path,
                                       std::string& error) {
    return WriteEtherNetIPEDS(model, path, error);
}

std::string EDSDocKind<CEtherNetIPEDS>::Format(const CEtherNetIPEDS& model) {
    return FormatEtherNetIPEDS(model);
}

} // namespace corvid
