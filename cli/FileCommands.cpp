#include "FileCommands.h"

#include "CliCommon.h"
#include "EDSFileLoad.h"

#include <iostream>
#include <memory>

namespace corvid::cli {

namespace {

struct FileOptions {
    std::vector<std::string> files;
    std::string input;
    std::string output;
    std::string as; // empty: detect
    SaveLayout layout = SaveLayout::Corvid;
    // The file resave or dump read, left for the process's end to take
    // back (see main).
    std::unique_ptr<LoadedEDSFile> loaded;
};

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

int RunResave(FileOptions& options) {
    auto& loaded = options.loaded = std::make_unique<LoadedEDSFile>();
    // Corvid's layout is written from the model alone: the text read is let
    // go before the text written is built, so the file is not held twice.
    const bool keepText = options.layout == SaveLayout::Kept;
    if (const int code = LoadEDSFileFrom(options.input, options.as, *loaded, keepText);
        code != kExitOk)
        return code;
    size_t changedLines = 0;
    return SaveEDSFileTo(*loaded, options.output, options.layout, changedLines);
}

int RunDump(FileOptions& options) {
    auto& loaded = options.loaded = std::make_unique<LoadedEDSFile>();
    if (const int code = LoadEDSFileFrom(options.input, options.as, *loaded); code != kExitOk)
        return code;
    WriteEDSFileJson(std::cout, *loaded);
    std::cout << '\n';
    // A full disk or a closed pipe must not pass for a whole dump.
    if (!std::cout.flush()) {
        PrintError(options.input + ": the dump could not be written");
        return kExitFailure;
    }
    return kExitOk;
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
    AddAsOption(*resave, options->as);
    AddLayoutOption(*resave, options->layout,
                    "corvid (default): the writer's own layout; kept: the file's own layout, "
                    "byte for byte as read");
    resave->callback([options, &exitCode] { exitCode = RunResave(*options); });

    auto* dump = app.add_subcommand("dump", "Print the model read from an EDS file as JSON");
    dump->add_option("FILE", options->input, "EDS file")->required();
    AddAsOption(*dump, options->as);
    dump->callback([options, &exitCode] { exitCode = RunDump(*options); });
}

} // namespace corvid::cli
