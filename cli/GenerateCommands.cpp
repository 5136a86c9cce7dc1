#include "GenerateCommands.h"

#include "CliCommon.h"
#include "CommandLineUserInterface.h"
#include "DriveLineOptions.h"
#include "FieldbusNames.h"
#include "PortChoice.h"

#include "device/SerialException.h"
#include "device/SerialFraming.h"
#include "dictionaries/TextEncoding.h"
#include "door/EDSDocKinds.h"
#include "generate/Catalogue.h"
#include "generate/ComportSettings.h"
#include "generate/NewFileFlows.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace corvid::cli {

namespace {

using Json = nlohmann::ordered_json;

struct GenerateOptions : DriveLineOptions {
    std::string fieldbus;
    std::string module;
    std::string device;
    std::string model;
    std::string out;
    bool json = false;
};

std::optional<EDSKind> ChosenKind(const std::string& fieldbus) {
    const auto found = kFieldbusChoices.find(fieldbus);
    return found == kFieldbusChoices.end() ? std::nullopt : std::optional(found->second);
}

CatalogueChoice ChoiceOf(const GenerateOptions& options) {
    return {*ChosenKind(options.fieldbus), options.module, options.device, options.model};
}

// SOURCE_DATE_EPOCH, when set, fixes the time stamped into generated files
// (in UTC), so a run can be repeated byte for byte; else the local time.
GenerationClock CommandLineClock() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0')
        return LocalTimeNow;
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*end != '\0') {
        PrintError("SOURCE_DATE_EPOCH is not a number of seconds; using the local time");
        return LocalTimeNow;
    }
    return [seconds] { return UtcTime(seconds); };
}

void PrintTree(const std::vector<CatalogueEntry>& entries) {
    std::optional<EDSKind> kind;
    std::string module;
    for (const CatalogueEntry& entry : entries) {
        if (entry.kind != kind) {
            std::cout << EDSKindName(entry.kind) << '\n';
            kind = entry.kind;
            module.clear();
        }
        if (entry.module != module) {
            std::cout << "  " << entry.module << '\n';
            module = entry.module;
        }
        std::cout << "    " << entry.device << (entry.driveMode ? " (drive)" : " (catalogue)")
                  << '\n';
        for (const std::string& model : entry.models)
            std::cout << "      " << model << '\n';
    }
}

int RunCatalogue(const GenerateOptions& options) {
    const std::vector<CatalogueEntry> entries =
        ReadCatalogue(options.fieldbus.empty() ? std::nullopt : ChosenKind(options.fieldbus));
    if (!options.json) {
        PrintTree(entries);
        return kExitOk;
    }
    Json out = Json::array();
    for (const CatalogueEntry& entry : entries) {
        Json models = Json::array();
        for (const std::string& model : entry.models)
            models.push_back(DecodeForDisplay(model));
        out.push_back(Json{{"fieldbus", FieldbusChoiceName(entry.kind)},
                           {"module", DecodeForDisplay(entry.module)},
                           {"device", DecodeForDisplay(entry.device)},
                           {"mode", entry.driveMode ? "drive" : "catalogue"},
                           {"models", models}});
    }
    std::cout << out.dump(2) << '\n';
    return kExitOk;
}

// Writes the last file of the document set's list of `Model`.
template <typename Model> int WriteNewest(const CEDSDoc& doc, const std::string& path) {
    std::string error;
    if (!EDSDocKind<Model>::Write(*doc.Files<Model>().back(), path, error)) {
        PrintError("cannot write " + path + ": " + error);
        return kExitFailure;
    }
    return kExitOk;
}

int WriteNewest(const CEDSDoc& doc, EDSKind kind, const std::string& path) {
    int code = kExitFailure;
    WithKind(kind, [&]<typename Model>(std::type_identity<Model>) {
        code = WriteNewest<Model>(doc, path);
    });
    return code;
}

int RunLoad(const GenerateOptions& options) {
    CommandLineUserInterface ui = MakeUserInterface(options);
    CEDSDoc doc(ui);
    const CatalogueChoice choice = ChoiceOf(options);
    if (!LoadFromCatalogue(doc, ui, choice))
        return kExitFailure;
    return WriteNewest(doc, choice.kind, options.out);
}

int RunGenerate(const GenerateOptions& options) {
    CommandLineUserInterface ui = MakeUserInterface(options);
    CEDSDoc doc(ui);
    const CatalogueChoice choice = ChoiceOf(options);
    if (!NeedsDrive(choice.kind, choice.module, choice.device)) {
        PrintError(std::string(CatalogueFolderName(choice.kind)) + "/" + choice.module + "/" +
                   choice.device +
                   " is no device of the catalogue that is generated from a drive "
                   "(see corvid-cli catalogue)");
        return kExitFailure;
    }
    const PortChoice port = ParsePort(options.port);
    const DriveLine line{port.number != 0 ? port.number : 1, port.device,
                         std::to_string(options.baud), options.framing,
                         static_cast<uint8_t>(options.address)};
    CModbusMaster master;
    if (!LoadFromDrive(doc, ui, master, choice, line, CommandLineClock())) {
        PrintError("no file was generated");
        return kExitFailure;
    }
    return WriteNewest(doc, choice.kind, options.out);
}

void AddCatalogueChoice(CLI::App& command, GenerateOptions& options,
                        std::initializer_list<std::string> fieldbuses) {
    command.add_option("--fieldbus", options.fieldbus, "Fieldbus")
        ->required()
        ->check(CLI::IsMember(std::vector<std::string>(fieldbuses)));
    command.add_option("--module", options.module, "Communication module (catalogue folder)")
        ->required();
    command.add_option("--device", options.device, "Device (folder in the module)")->required();
}

// A drive Load offers only the bit rates of the new-file dialog.
void AddDriveLine(CLI::App& command, GenerateOptions& options) {
    AddLineOptions(command, options);
    std::vector<std::string> rates(kBitRateTexts.begin(), kBitRateTexts.end());
    command.get_option("--baud")->check(CLI::IsMember(rates));
    AddReadErrorOptions(command, options);
}

} // namespace

void RegisterGenerateCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<GenerateOptions>();

    auto* catalogue = app.add_subcommand(
        "catalogue", "List the catalogue: modules, devices, their mode and models");
    catalogue->add_option("--fieldbus", options->fieldbus, "Only this fieldbus")
        ->check(CLI::IsMember({"canopen", "devicenet", "ethernetip"}));
    catalogue->add_flag("--json", options->json,
                        "A JSON list of {fieldbus, module, device, mode, models}");
    catalogue->callback([options, &exitCode] { exitCode = RunCatalogue(*options); });

    auto* load = app.add_subcommand(
        "load", "Load a model from the catalogue and write it as a new EDS file");
    AddCatalogueChoice(*load, *options, {"canopen", "devicenet", "ethernetip"});
    load->add_option("--model", options->model, "Model (a .dat file's name without extension)")
        ->required();
    load->add_option("--out", options->out, "File to write (replaced safely)")->required();
    load->callback([options, &exitCode] { exitCode = RunLoad(*options); });

    auto* generate = app.add_subcommand(
        "generate", "Generate a CANopen or DeviceNet EDS file from a drive: log lines and "
                    "progress on stderr");
    AddCatalogueChoice(*generate, *options, {"canopen", "devicenet"});
    AddDriveLine(*generate, *options);
    generate->add_option("--out", options->out, "File to write (replaced safely)")->required();
    generate->footer("The device must be a drive-mode device of the catalogue (corvid-cli "
                     "catalogue). SOURCE_DATE_EPOCH, when set, fixes the time written into the "
                     "file (UTC).");
    generate->callback(
        [options, &exitCode] { exitCode = Guarded([&] { return RunGenerate(*options); }); });
}

} // namespace corvid::cli
