#include "FileCommands.h"

#include "CliCommon.h"
#include "ModelJson.h"

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"
#include "dictionaries/FileIO.h"
#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"
#include "shell/EDSKind.h"

#include <iostream>
#include <map>
#include <memory>

namespace corvid::cli {

namespace {

const std::map<std::string, EDSKind> kKindChoices = {
    {"canopen", EDSKind::CANopen},
    {"devicenet", EDSKind::DeviceNet},
    {"ethernetip", EDSKind::EtherNetIP},
};

struct FileOptions {
    std::vector<std::string> files;
    std::string input;
    std::string output;
    std::string as; // empty: detect
};

// A file read with the reader of one kind, ready to be written or dumped.
struct LoadedFile {
    EDSKind kind = EDSKind::Unknown;
    CCANopenEDS canopen;
    CDeviceNetEDS devicenet;
    CEtherNetIPEDS ethernetip;
};

// The kind chosen with --as, or the detected one.
EDSKind KindFor(const std::string& path, const std::string& text, const std::string& as) {
    if (!as.empty())
        return kKindChoices.at(as);
    return DetectEDSKindText(path, text);
}

// Reads `path` with the reader of its kind. Returns an exit code.
int Load(const std::string& path, const std::string& as, LoadedFile& loaded) {
    std::string text;
    std::string error;
    if (!ReadWholeFile(path, text, error)) {
        PrintError(path + ": " + error);
        return kExitFailure;
    }
    loaded.kind = KindFor(path, text, as);
    switch (loaded.kind) {
    case EDSKind::CANopen:
        LoadCANopenEDSText(loaded.canopen, text, path);
        return kExitOk;
    case EDSKind::DeviceNet:
        LoadDeviceNetEDSText(loaded.devicenet, text, path);
        return kExitOk;
    case EDSKind::EtherNetIP:
        LoadEtherNetIPEDSText(loaded.ethernetip, text, path);
        return kExitOk;
    case EDSKind::Unknown:
        break;
    }
    PrintError(path + ": not an EDS file of a known kind (use --as to choose a reader)");
    return kExitUnusable;
}

bool Write(const LoadedFile& loaded, const std::string& path, std::string& error) {
    switch (loaded.kind) {
    case EDSKind::CANopen:
        return WriteCANopenEDS(loaded.canopen, path, error);
    case EDSKind::DeviceNet:
        return WriteDeviceNetEDS(loaded.devicenet, path, error);
    case EDSKind::EtherNetIP:
        return WriteEtherNetIPEDS(loaded.ethernetip, path, error);
    default:
        error = "no writer for this kind";
        return false;
    }
}

Json ToJson(const LoadedFile& loaded) {
    Json out{{"kind", EDSKindName(loaded.kind)}};
    switch (loaded.kind) {
    case EDSKind::CANopen:
        out["header"] = HeaderToJson(loaded.canopen.Header);
        out.update(CANopenToJson(loaded.canopen));
        break;
    case EDSKind::DeviceNet:
        out["header"] = HeaderToJson(loaded.devicenet.Header);
        out.update(DeviceNetToJson(loaded.devicenet));
        break;
    case EDSKind::EtherNetIP:
        out["header"] = HeaderToJson(loaded.ethernetip.Header);
        out.update(EtherNetIPToJson(loaded.ethernetip));
        break;
    default:
        break;
    }
    return out;
}

int RunKind(const FileOptions& options) {
    for (const std::string& file : options.files)
        std::cout << file << ": " << EDSKindName(DetectEDSKind(file)) << '\n';
    return kExitOk;
}

int RunResave(const FileOptions& options) {
    auto loaded = std::make_unique<LoadedFile>();
    if (const int code = Load(options.input, options.as, *loaded); code != kExitOk)
        return code;
    std::string error;
    if (!Write(*loaded, options.output, error)) {
        PrintError(options.output + ": " + error);
        return kExitFailure;
    }
    return kExitOk;
}

int RunDump(const FileOptions& options) {
    auto loaded = std::make_unique<LoadedFile>();
    if (const int code = Load(options.input, options.as, *loaded); code != kExitOk)
        return code;
    std::cout << ToJson(*loaded).dump(2) << '\n';
    return kExitOk;
}

void AddAsOption(CLI::App& command, FileOptions& options) {
    command
        .add_option("--as", options.as,
                    "Read with this reader whatever detection says (for example a CANopen file "
                    "without [FileInfo])")
        ->check(CLI::IsMember({"canopen", "devicenet", "ethernetip"}));
}

} // namespace

void RegisterFileCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<FileOptions>();

    auto* kind = app.add_subcommand("kind", "Print the fieldbus of each EDS file");
    kind->add_option("FILE", options->files, "EDS files")->required();
    kind->callback([options, &exitCode] { exitCode = RunKind(*options); });

    auto* resave = app.add_subcommand(
        "resave", "Read an EDS file with the reader of its kind and write it with the writer");
    resave->add_option("IN", options->input, "File to read")->required();
    resave->add_option("OUT", options->output, "File to write (replaced safely)")->required();
    AddAsOption(*resave, *options);
    resave->callback([options, &exitCode] { exitCode = RunResave(*options); });

    auto* dump = app.add_subcommand("dump", "Print the model read from an EDS file as JSON");
    dump->add_option("FILE", options->input, "EDS file")->required();
    AddAsOption(*dump, *options);
    dump->callback([options, &exitCode] { exitCode = RunDump(*options); });
}

} // namespace corvid::cli
