#include "generate/NewFileFlows.h"

#include "FlowSteps.h"

#include "canopen/CANopenReader.h"
#include "device/DriveParameter.h"
#include "dictionaries/ConfigureFile.h"
#include "dictionaries/FileIO.h"
#include "generate/CanopenGeneration.h"
#include "generate/Catalogue.h"
#include "generate/ComportSettings.h"
#include "generate/DevicenetGeneration.h"
#include "generate/GenerateTexts.h"

namespace corvid {

namespace {

using generate_texts::Format;

using flow_steps::LogAndWarn;

void ConfigureMaster(CModbusMaster& master, const DriveLine& line) {
    master.serialPort.Close();
    flow_steps::ApplyDriveLine(master, line);
    master.function = kReadHoldingRegisters;
    master.quantity = 1;
    master.registerAddress = kIdentityRegister;
}

bool OpenAndProbe(CModbusMaster& master, IUserInterface& ui, const DriveLine& line) {
    const bool opened = line.device.empty() ? master.OpenPort() : master.OpenPort(line.device);
    if (!opened) {
        LogAndWarn(ui, generate_texts::kOpenPortFailure);
        return false;
    }
    if (!master.Probe()) {
        LogAndWarn(ui, generate_texts::kConnectFailure);
        return false;
    }
    return true;
}

// The dialog saves the address as 255 whatever it asked. A device path has
// no port number to remember.
void RememberSettings(IUserInterface& ui, const DriveLine& line) {
    const ComportSettings settings{line.port, line.baudRate, line.protocol, 255};
    std::string error;
    if (!WriteComportSettings(settings, line.device.empty(), error))
        ui.AppendMessage(Format(generate_texts::kConfigureNotSaved, {ConfigureWritePath(), error}));
}

template <typename Model> void NameModel(Model& model, const CatalogueChoice& choice) {
    model.Header.Module = choice.module;
    model.Header.Device = choice.device;
    model.Header.Model = choice.model;
}

bool GenerateCANopenFile(CEDSDoc& doc, IUserInterface& ui, CModbusMaster& master,
                         const CatalogueChoice& choice, const GenerationClock& clock) {
    ui.AppendMessage(std::string(generate_texts::kLoadingCANopen));
    const std::string templatePath =
        DeviceFolderPath(EDSKind::CANopen, choice.module, choice.device) + "conf.ini";
    ui.AppendMessage(Format(generate_texts::kReadingFrom, {templatePath}));
    std::string text;
    std::string error;
    // Without its template the file would lack every communication object.
    if (!ReadWholeFile(templatePath, text, error)) {
        LogAndWarn(ui, Format(generate_texts::kCannotRead, {templatePath, error}));
        return false;
    }
    auto model = std::make_unique<CCANopenEDS>();
    LoadCANopenEDSText(*model, text, templatePath);
    flow_steps::ForgetWhatTheFileGave(*model);
    NameModel(*model, choice);
    // The template gives the communication objects; the drive's own come next.
    std::erase_if(model->Objects, [](const CANopenObject& object) {
        return object.Category == kCategoryManufacturer;
    });
    ui.AppendMessage(std::string(generate_texts::kReadingDrive));
    master.canopenModel = model.get();
    const bool generated = GenerateCanopen(master, ui, clock);
    master.canopenModel = nullptr;
    if (!generated)
        return false;
    doc.AddNewFile(std::move(model));
    return true;
}

bool GenerateDeviceNetFile(CEDSDoc& doc, IUserInterface& ui, CModbusMaster& master,
                           const CatalogueChoice& choice, const GenerationClock& clock) {
    ui.AppendMessage(std::string(generate_texts::kLoadingDeviceNet));
    auto model = std::make_unique<CDeviceNetEDS>();
    NameModel(*model, choice);
    ui.AppendMessage(std::string(generate_texts::kReadingDrive));
    master.devicenetModel = model.get();
    const bool generated = GenerateDevicenet(master, ui, clock);
    master.devicenetModel = nullptr;
    if (!generated)
        return false;
    doc.AddNewFile(std::move(model));
    return true;
}

} // namespace

bool LoadFromDrive(CEDSDoc& doc, IUserInterface& ui, CModbusMaster& master,
                   const CatalogueChoice& choice, const DriveLine& line,
                   const GenerationClock& clock) {
    // Nothing generates an EtherNet/IP file: say so rather than close with
    // no document.
    if (choice.kind != EDSKind::CANopen && choice.kind != EDSKind::DeviceNet) {
        ui.AppendMessage(std::string(generate_texts::kNoEtherNetIPGeneration));
        return false;
    }
    ConfigureMaster(master, line);
    if (!OpenAndProbe(master, ui, line))
        return false;
    RememberSettings(ui, line);
    return choice.kind == EDSKind::CANopen ? GenerateCANopenFile(doc, ui, master, choice, clock)
                                           : GenerateDeviceNetFile(doc, ui, master, choice, clock);
}

} // namespace corvid
