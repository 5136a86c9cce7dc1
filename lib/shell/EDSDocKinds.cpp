#include "shell/EDSDocKinds.h"

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"
#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

namespace corvid {

bool EDSDocKind<CCANopenEDS>::Load(CCANopenEDS& model, const std::string& path,
                                   std::string& error) {
    return LoadCANopenEDS(model, path, error);
}

void EDSDocKind<CCANopenEDS>::LoadText(CCANopenEDS& model, std::string_view text,
                                       const std::string& path) {
    LoadCANopenEDSText(model, text, path);
}

Json EDSDocKind<CCANopenEDS>::ToJson(const CCANopenEDS& model) {
    return CANopenToJson(model);
}

bool EDSDocKind<CCANopenEDS>::Write(const CCANopenEDS& model, const std::string& path,
                                    std::string& error) {
    return WriteCANopenEDS(model, path, error);
}

std::string EDSDocKind<CCANopenEDS>::Format(const CCANopenEDS& model) {
    return FormatCANopenEDS(model);
}

bool EDSDocKind<CDeviceNetEDS>::Load(CDeviceNetEDS& model, const std::string& path,
                                     std::string& error) {
    return LoadDeviceNetEDS(model, path, error);
}

void EDSDocKind<CDeviceNetEDS>::LoadText(CDeviceNetEDS& model, std::string_view text,
                                         const std::string& path) {
    LoadDeviceNetEDSText(model, text, path);
}

Json EDSDocKind<CDeviceNetEDS>::ToJson(const CDeviceNetEDS& model) {
    return DeviceNetToJson(model);
}

bool EDSDocKind<CDeviceNetEDS>::Write(const CDeviceNetEDS& model, const std::string& path,
                                      std::string& error) {
    return WriteDeviceNetEDS(model, path, error);
}

std::string EDSDocKind<CDeviceNetEDS>::Format(const CDeviceNetEDS& model) {
    return FormatDeviceNetEDS(model);
}

bool EDSDocKind<CEtherNetIPEDS>::Load(CEtherNetIPEDS& model, const std::string& path,
                                      std::string& error) {
    return LoadEtherNetIPEDS(model, path, error);
}

void EDSDocKind<CEtherNetIPEDS>::LoadText(CEtherNetIPEDS& model, std::string_view text,
                                          const std::string& path) {
    LoadEtherNetIPEDSText(model, text, path);
}

Json EDSDocKind<CEtherNetIPEDS>::ToJson(const CEtherNetIPEDS& model) {
    return EtherNetIPToJson(model);
}

bool EDSDocKind<CEtherNetIPEDS>::Write(const CEtherNetIPEDS& model, const std::string& path,
                                       std::string& error) {
    return WriteEtherNetIPEDS(model, path, error);
}

std::string EDSDocKind<CEtherNetIPEDS>::Format(const CEtherNetIPEDS& model) {
    return FormatEtherNetIPEDS(model);
}

} // namespace corvid
