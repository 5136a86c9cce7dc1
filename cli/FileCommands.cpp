#include "FileCommands.h"

#include "CliCommon.h"

#include "dictionaries/FileIO.h"
#include "shell/EDSFile.h"

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

// The kind chosen with --as, or the detected one.
EDSKind KindFor(const std::string& path, const std::string& text, const std::string& as) {
    if (!as.empty())
        return kKindChoices.at(as);
    return DetectEDSKindText(path, text);
}

// Reads `path` with the reader of its kind. Returns an exit code.
int Load(const std::string& path, const std::string& as, LoadedEDSFile& loaded) {
    std::string text;
    std::string error;
    if (!ReadWholeFile(path, text, error)) {
        PrintError(path + ": unreadable: " + error);
        return kExitFailure;
    }
    const EDSKind kind = KindFor(path, text, as);
    if (!as.empty() && !HoldsSectionsOfKind(text, kind))
        PrintError(path + ": nothing of the " + EDSKindName(kind) +
                   " kind in it; the model read is empty");
    if (LoadEDSFileText(loaded, kind, text, path))
        return kExitOk;
    PrintError(path + ": not an EDS file of a known kind (use --as to choose a reader)");
    return kExitUnusable;
}

// A file that cannot be read is named with the reason, not passed off as
// one of no known kind.
int RunKind(const FileOptions& options) {
    int code = kExitOk;
    for (const std::string& file : options.files) {
        std::string error;
        const EDSKind kind = DetectEDSKind(file, error);
        if (!error.empty()) {
            std::cout << file << ": unreadable: " << error << '\n';
            code = kExitFailure;
        } else {
            std::cout << file << ": " << EDSKindName(kind) << '\n';
        }
    }
    return code;
}

int RunResave(const FileOptions& options) {
    auto loaded = std::make_unique<LoadedEDSFile>();
    if (const int code = Load(options.input, options.as, *loaded); code != kExitOk)
        return code;
    std::string error;
    if (!WriteEDSFile(*loaded, options.output, error)) {
        PrintError(options.output + ": " + error);
        return kExitFailure;
    }
    return kExitOk;
}

int RunDump(const FileOptions& options) {
    auto loaded = std::make_unique<LoadedEDSFile>();
    if (const int code = Load(options.input, options.as, *loaded); code != kExitOk)
        return code;
    std::cout << EDSFileToJson(*loaded).dump(2) << '\n';
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
