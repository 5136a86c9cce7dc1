#pragma once

// The catalogue beside the program: one folder per fieldbus ("CANopen",
// "DeviceNet", "EtherNetIP"), in it one folder per communication module with
// a conf.ini, in that one folder per device. A device whose conf.ini section
// says "NeedCom" (not 0) is generated from a drive; any other offers the
// ready-made EDS files ("*.dat") of its folder as models.

#include "door/EDSKind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

// "CANopen", "DeviceNet" or "EtherNetIP"; empty for Unknown.
std::string_view CatalogueFolderName(EDSKind kind);

// The folders, each ending in "/".
std::string CatalogueFolder(EDSKind kind);
std::string ModuleFolderPath(EDSKind kind, const std::string& module);
std::string DeviceFolderPath(EDSKind kind, const std::string& module, const std::string& device);

// Sub-folder names in name order; empty when the folder is missing.
std::vector<std::string> CatalogueModules(EDSKind kind);
std::vector<std::string> CatalogueDevices(EDSKind kind, const std::string& module);
// Names of the device's "*.dat" files without extension, in name order.
std::vector<std::string> CatalogueModels(EDSKind kind, const std::string& module,
                                         const std::string& device);

// {module}/conf.ini, and whether the device is generated from a drive: key
// "NeedCom" of the device's section, missing counting as 0.
std::string ModuleConfIni(EDSKind kind, const std::string& module);
bool NeedsDrive(EDSKind kind, const std::string& module, const std::string& device);

// {protocol}/{module}/{device}/{model}.dat
std::string CatalogueModelPath(EDSKind kind, const std::string& module, const std::string& device,
                               const std::string& model);

// One device of the catalogue: drive mode, or catalogue mode with its models.
struct CatalogueEntry {
    EDSKind kind = EDSKind::Unknown;
    std::string module;
    std::string device;
    bool driveMode = false;
    std::vector<std::string> models; // empty in drive mode
};

// Every device of one fieldbus, or of all three (CANopen, DeviceNet,
// EtherNet/IP) when none is given, by module and device name.
std::vector<CatalogueEntry> ReadCatalogue(std::optional<EDSKind> kind = std::nullopt);

} // namespace corvid
