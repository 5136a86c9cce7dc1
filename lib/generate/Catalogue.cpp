#include "generate/Catalogue.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ModuleFolder.h"
#include "dictionaries/ProfileFile.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace corvid {

namespace {

namespace fs = std::filesystem;

// Names of the entries of `folder` that `keep` accepts, sorted; an
// unreadable or missing folder has none.
template <typename Keep> std::vector<std::string> EntryNames(const std::string& folder, Keep keep) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (std::optional<std::string> name = keep(*it))
            names.push_back(std::move(*name));
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> SubFolders(const std::string& folder) {
    return EntryNames(folder, [](const fs::directory_entry& entry) -> std::optional<std::string> {
        std::error_code error;
        if (!entry.is_directory(error))
            return std::nullopt;
        return entry.path().filename().string();
    });
}

} // namespace

std::string_view CatalogueFolderName(EDSKind kind) {
    // The catalogue's own folder names, in the order of EDSKind.
    static constexpr std::array<std::string_view, 3> kFolders = {"CANopen", "DeviceNet",
                                                                 "EtherNetIP"};
    const auto slot = static_cast<size_t>(kind);
    return slot < kFolders.size() ? kFolders[slot] : std::string_view();
}

std::string CatalogueFolder(EDSKind kind) {
    return ModuleFolder() + std::string(CatalogueFolderName(kind)) + "/";
}

std::string ModuleFolderPath(EDSKind kind, const std::string& module) {
    return CatalogueFolder(kind) + module + "/";
}

std::string DeviceFolderPath(EDSKind kind, const std::string& module, const std::string& device) {
    return ModuleFolderPath(kind, module) + device + "/";
}

std::vector<std::string> CatalogueModules(EDSKind kind) {
    return SubFolders(CatalogueFolder(kind));
}

std::vector<std::string> CatalogueDevices(EDSKind kind, const std::string& module) {
    return SubFolders(ModuleFolderPath(kind, module));
}

std::vector<std::string> CatalogueModels(EDSKind kind, const std::string& module,
                                         const std::string& device) {
    return EntryNames(DeviceFolderPath(kind, module, device),
                      [](const fs::directory_entry& entry) -> std::optional<std::string> {
                          std::error_code error;
                          if (!entry.is_regular_file(error) ||
                              !EqualsNoCase(entry.path().extension().string(), ".dat"))
                              return std::nullopt;
                          return entry.path().stem().string();
                      });
}

std::string ModuleConfIni(EDSKind kind, const std::string& module) {
    return ModuleFolderPath(kind, module) + "conf.ini";
}

bool NeedsDrive(EDSKind kind, const std::string& module, const std::string& device) {
    return ProfileInt(ModuleConfIni(kind, module), device, "NeedCom", 0) != 0;
}

std::string CatalogueModelPath(EDSKind kind, const std::string& module, const std::string& device,
                               const std::string& model) {
    return DeviceFolderPath(kind, module, device) + model + ".dat";
}

std::vector<CatalogueEntry> ReadCatalogue(std::optional<EDSKind> kind) {
    std::vector<EDSKind> kinds = {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP};
    if (kind)
        kinds = {*kind};
    std::vector<CatalogueEntry> entries;
    for (const EDSKind k : kinds) {
        for (const std::string& module : CatalogueModules(k)) {
            for (const std::string& device : CatalogueDevices(k, module)) {
                CatalogueEntry entry{k, module, device, NeedsDrive(k, module, device), {}};
                if (!entry.driveMode)
                    entry.models = CatalogueModels(k, module, device);
                entries.push_back(std::move(entry));
            }
        }
    }
    return entries;
}

} // namespace corvid
