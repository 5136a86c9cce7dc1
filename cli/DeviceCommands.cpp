#include "DeviceCommands.h"

#include "CliCommon.h"
#include "CommandLineUserInterface.h"
#include "DriveLineOptions.h"
#include "PortChoice.h"

#include "device/DriveReading.h"
#include "device/SerialException.h"
#include "device/SerialFraming.h"
#include "device/SerialPortNames.h"
#include "dictionaries/EDSTextHelper.h"
#include "generate/NewFileFlows.h"
#include "reports/ModelJson.h"

#include <iostream>
#include <memory>

namespace corvid::cli {

namespace {

struct DeviceOptions : DriveLineOptions {
    std::string registerText;
    int quantity = 1;
    int function = 3;
    std::string fieldbus = "canopen";
    std::string module;
    std::string device;
    bool scanPorts = false;
    bool scanAddress = false;
    bool scanSettings = false;
};

// The --register option; false after a message when it is no register.
bool ParseRegister(const std::string& text, uint16_t& value) {
    if ((!IsDecimal(text) && !IsHex(text)) || ParseNumber(text) > 0xFFFF) {
        PrintError("--register takes a number from 0 to 65535 (decimal or 0x hexadecimal)");
        return false;
    }
    value = static_cast<uint16_t>(ParseNumber(text));
    return true;
}

// The master with the command line's line settings, request address and port.
void Configure(CModbusMaster& master, const DeviceOptions& options, const PortChoice& port) {
    SerialFraming framing;
    ApplyFramingText(options.framing, framing);
    master.baud = options.baud;
    master.SetFraming(framing);
    master.address = static_cast<uint8_t>(options.address);
    if (port.number != 0)
        master.port = static_cast<uint8_t>(port.number);
}

DriveProtocol ProtocolOf(const DeviceOptions& options) {
    return options.fieldbus == "devicenet" ? DriveProtocol::DeviceNet : DriveProtocol::CANopen;
}

Json IdentityToJson(const CModbusMaster& master) {
    return Json{{"driveType", master.driveType},
                {"driveSubType", master.driveSubType},
                {"groupCount", master.groupCount},
                {"voltageClass", master.voltageClass},
                {"productCode", master.productCode},
                {"modelName", JsonText(master.modelName)},
                {"modelSuffix", JsonText(master.modelSuffix)},
                {"extraIdentity", master.extraIdentity}};
}

// Collects the walk as JSON, group by group.
class JsonGroupBuilder : public IDriveGroupBuilder {
public:
    Json groups = Json::array();

    void BeginGroup(uint8_t group, const std::string& name, bool nameIgnored) override {
        groups.push_back(Json{{"group", group},
                              {"name", JsonText(name)},
                              {"ignored", nameIgnored},
                              {"parameters", Json::array()}});
    }
    void AddParameter(const DriveParameter& parameter) override {
        groups.back()["parameters"].push_back(Json{{"register", parameter.registerAddress},
                                                   {"name", JsonText(parameter.name)},
                                                   {"minimum", parameter.minimum},
                                                   {"maximum", parameter.maximum},
                                                   {"default", parameter.defaultValue},
                                                   {"attribute", parameter.attribute},
                                                   {"ignored", parameter.ignored}});
    }
    void EndGroup(uint8_t) override {}
};

int RunReadRegisters(const DeviceOptions& options) {
    uint16_t first = 0;
    if (!ParseRegister(options.registerText, first))
        return kExitUnusable;
    const PortChoice port = ParsePort(options.port);
    CModbusMaster master;
    Configure(master, options, port);
    master.function = static_cast<uint8_t>(options.function);
    master.registerAddress = first;
    master.quantity = static_cast<uint16_t>(options.quantity);
    if (CModbusFrame::ExpectedResponseLength(master.rtu, master.function, master.quantity) >
        kModbusBufferSize) {
        PrintError("the answer to " + std::to_string(options.quantity) +
                   " registers does not fit the 128-byte buffer (at most 61 in RTU, 29 in "
                   "ASCII)");
        return kExitUnusable;
    }
    if (!OpenLine(master, port))
        return kExitFailure;
    CommandLineUserInterface ui = MakeUserInterface(options);
    if (ReadWithPrompt(master, ui) != PromptedRead::Done)
        return kExitFailure;
    const auto answer = AnswerData(std::span(master.receiveBuffer).first(master.expectedLength));
    for (int k = 0; k < options.quantity; ++k)
        std::cout << FormatHex16(static_cast<uint16_t>(first + k)) << ' '
                  << FormatHex16(AnswerWord(answer, static_cast<size_t>(k))) << '\n';
    return kExitOk;
}

// Opens the line and identifies the drive; false after a message when
// either fails.
bool OpenAndIdentify(CModbusMaster& master, IUserInterface& ui, const DeviceOptions& options) {
    const PortChoice port = ParsePort(options.port);
    Configure(master, options, port);
    master.registerAddress = kIdentityRegister;
    if (!OpenLine(master, port))
        return false;
    const DriveProtocol protocol = ProtocolOf(options);
    if (IdentifyDrive(master, ui, protocol,
                      CatalogueDeviceFor(protocol, options.module, options.device)))
        return true;
    PrintError("the drive could not be identified");
    return false;
}

int RunIdentify(const DeviceOptions& options) {
    CModbusMaster master;
    CommandLineUserInterface ui = MakeUserInterface(options);
    if (!OpenAndIdentify(master, ui, options))
        return kExitFailure;
    std::cout << IdentityToJson(master).dump(2) << '\n';
    return kExitOk;
}

int RunWalk(const DeviceOptions& options) {
    CModbusMaster master;
    CommandLineUserInterface ui = MakeUserInterface(options);
    if (!OpenAndIdentify(master, ui, options))
        return kExitFailure;
    JsonGroupBuilder builder;
    if (!WalkGroups(master, ui, builder)) {
        PrintError("the walk was aborted");
        return kExitFailure;
    }
    const Json out{{"identity", IdentityToJson(master)}, {"groups", builder.groups}};
    std::cout << out.dump(2) << '\n';
    return kExitOk;
}

int RunAutoTestCommand(const DeviceOptions& options) {
    const PortChoice port = ParsePort(options.port);
    AutoTestChoice choice;
    choice.line = {port.number != 0 ? port.number : 1, port.device, std::to_string(options.baud),
                   options.framing, static_cast<uint8_t>(options.address)};
    if (!options.registerText.empty()) {
        uint16_t testRegister = 0;
        if (!ParseRegister(options.registerText, testRegister))
            return kExitUnusable;
        choice.registerAddress = testRegister;
    }
    choice.scanPorts = options.scanPorts;
    choice.scanAddress = options.scanAddress;
    choice.scanSettings = options.scanSettings;
    CModbusMaster master;
    CommandLineUserInterface ui = MakeUserInterface(options);
    const std::optional<AutoTestFound> found = RunAutoTest(
        master, ui, choice, [](const std::string& status) { std::cerr << status << '\n'; });
    if (!found)
        return kExitFailure;
    const Json out{{"port", port.device.empty() ? PortName(found->port) : port.device},
                   {"device", found->device},
                   {"bitRate", ParseNumber(found->baudRate)},
                   {"framing", found->protocol},
                   {"address", found->address}};
    std::cout << out.dump(2) << '\n';
    return kExitOk;
}

void AddReadOptions(CLI::App& command, DeviceOptions& options) {
    AddLineOptions(command, options);
    AddReadErrorOptions(command, options);
}

void AddCatalogueOptions(CLI::App& command, DeviceOptions& options) {
    command.add_option("--fieldbus", options.fieldbus, "Fieldbus the drive is identified for")
        ->default_val("canopen")
        ->check(CLI::IsMember({"canopen", "devicenet"}));
    command.add_option("--module", options.module,
                       "Communication module: the catalogue folder whose conf.ini is read");
    command.add_option("--device", options.device, "Device: the section of that conf.ini");
}

} // namespace

void RegisterDeviceCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<DeviceOptions>();

    auto* read = app.add_subcommand("read-registers", "Read registers of a drive: one line each");
    AddReadOptions(*read, *options);
    read->add_option("--register", options->registerText, "First register")->required();
    read->add_option("--quantity", options->quantity, "Number of registers")
        ->default_val(1)
        ->check(CLI::Range(1, 125));
    read->add_option("--function", options->function, "Function code (3, or 0x63 = 99)")
        ->default_val(3)
        ->check(CLI::Range(1, 255));
    read->callback(
        [options, &exitCode] { exitCode = Guarded([&] { return RunReadRegisters(*options); }); });

    auto* identify = app.add_subcommand("identify", "Identify a drive: its identity as JSON");
    AddReadOptions(*identify, *options);
    AddCatalogueOptions(*identify, *options);
    identify->callback(
        [options, &exitCode] { exitCode = Guarded([&] { return RunIdentify(*options); }); });

    auto* walk = app.add_subcommand(
        "walk", "Identify a drive and read all its parameter groups: JSON on stdout, progress "
                "and log lines on stderr");
    AddReadOptions(*walk, *options);
    AddCatalogueOptions(*walk, *options);
    walk->callback([options, &exitCode] { exitCode = Guarded([&] { return RunWalk(*options); }); });

    auto* autotest = app.add_subcommand(
        "autotest", "Find the line settings and address of a drive: status lines on stderr, "
                    "the settings found as JSON");
    AddLineOptions(*autotest, *options);
    autotest->add_flag("--scan-ports", options->scanPorts, "Try ports COM1 to COM16");
    autotest->add_flag("--scan-address", options->scanAddress, "Then try addresses 1 to 254");
    autotest->add_flag("--scan-settings", options->scanSettings,
                       "Try 6 bit rates by 9 framings, else only --baud and --framing");
    autotest->add_option("--register", options->registerText,
                         "Register to read (default: testAdd of Configure.ini, else 0x2110)");
    autotest->callback(
        [options, &exitCode] { exitCode = Guarded([&] { return RunAutoTestCommand(*options); }); });
}

} // namespace corvid::cli
