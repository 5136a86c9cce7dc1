#include "EDSFileLoad.h"

#include "CliCommon.h"
#include "FieldbusNames.h"
#include "LargeFileHeap.h"

#include "dictionaries/FileIO.h"
#include "door/ModelRead.h"

#include <filesystem>
#include <map>

namespace corvid::cli {

EDSKind ChosenKind(const std::string& path, const std::string& text, const std::string& as) {
    if (as.empty())
        return DetectEDSKindText(path, text);
    return kFieldbusChoices.at(as);
}

int LoadEDSFileFrom(const std::string& path, const std::string& as, LoadedEDSFile& loaded,
                    bool keepText) {
    std::error_code unknownSize;
    const auto size = std::filesystem::file_size(path, unknownSize);
    if (!unknownSize)
        PrepareHeapFor(size);
    std::string text;
    std::string error;
    if (!ReadWholeFile(path, text, error)) {
        PrintError(path + ": unreadable: " + error);
        return kExitFailure;
    }
    const EDSKind kind = ChosenKind(path, text, as);
    if (!LoadEDSFileText(loaded, kind, text, path)) {
        PrintError(path + ": not an EDS file of a known kind (use --as to choose a reader)");
        return kExitUnusable;
    }
    // Detection found the kind by what it read; a reader chosen by hand may
    // have found nothing.
    if (!as.empty() && ReadNothing(loaded))
        PrintError(path + ": nothing of the " + std::string(EDSKindName(kind)) +
                   " kind in it; the model read is empty");
    if (keepText)
        KeepSourceText(loaded, std::move(text));
    return kExitOk;
}

int SaveEDSFileTo(LoadedEDSFile& loaded, const std::string& path, SaveLayout layout,
                  size_t& changedLines) {
    std::string error;
    const bool written = layout == SaveLayout::Kept
                             ? WriteEDSFileKept(loaded, path, changedLines, error)
                             : WriteEDSFile(loaded, path, error);
    if (written)
        return kExitOk;
    PrintError(path + ": " + error);
    return kExitFailure;
}

void AddAsOption(CLI::App& command, std::string& as) {
    command
        .add_option("--as", as,
                    "Read with this reader whatever detection says (for example a CANopen file "
                    "without [FileInfo])")
        ->check(CLI::IsMember({"canopen", "devicenet", "ethernetip"}));
}

void AddLayoutOption(CLI::App& command, SaveLayout& layout, const std::string& help) {
    const std::map<std::string, SaveLayout> names{{"kept", SaveLayout::Kept},
                                                  {"corvid", SaveLayout::Corvid}};
    command.add_option("--layout", layout, help)
        ->transform(CLI::CheckedTransformer(names, CLI::ignore_case));
}

} // namespace corvid::cli
