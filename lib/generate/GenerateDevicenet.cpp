#include "generate/DevicenetGeneration.h"

#include "DevicenetDriveBuilder.h"
#include "FlowSteps.h"

#include "device/DriveReading.h"
#include "devicenet/DeviceNetReader.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ModuleFolder.h"
#include "dictionaries/ProfileFile.h"
#include "generate/Catalogue.h"
#include "generate/GenerateTexts.h"
#include "generate/GenerationCommon.h"

namespace corvid {

namespace {

constexpr int kDefaultClass = 15;
constexpr int kUnsetRevision = 255;

uint8_t ClassId(const std::string& module, uint8_t driveType) {
    return static_cast<uint8_t>(ProfileInt(ModuleFolder() + "ClassID.ini", module,
                                           std::to_string(driveType), kDefaultClass));
}

// Reads a catalogue file of the device after logging it. A file that cannot
// be read is reported with the system's reason and generation goes on
// without it.
template <typename Use> void ReadDeviceFile(IUserInterface& ui, const std::string& path, Use use) {
    using generate_texts::Format;
    ui.AppendMessage(Format(generate_texts::kReadingFrom, {path}));
    std::string text;
    std::string error;
    if (ReadWholeFile(path, text, error)) {
        use(text);
        return;
    }
    flow_steps::LogAndWarn(ui, Format(generate_texts::kCannotRead, {path, error}));
}

void ReadIOInfo(CDeviceNetEDS& model, std::string_view text) {
    CEDSLineSource source(text);
    std::string line;
    ReadIOInfoSection(model, line, source);
}

uint8_t Revision(const std::string& confIni, const std::string& device, const char* key) {
    const int value = ProfileInt(confIni, device, key, kUnsetRevision);
    return static_cast<uint8_t>(value == kUnsetRevision ? 1 : value);
}

void FillSections(CDeviceNetEDS& model, const CModbusMaster& master, const GenerationTime& now) {
    const std::string product = ProductText(master);
    model.ParamClassSection.SectionName = "ParamClass";
    model.ParamClassSection.MaxInst = static_cast<uint16_t>(model.ParamCount());
    model.ParamClassSection.Descriptor = 3;
    model.ParamClassSection.CfgAssembly = 0;

    model.Header.PathName.clear();
    model.Header.SavePathName.clear();
    model.Header.Flags = 0;
    model.Header.Title = SafeTitle(product);

    DeviceNetFileSection& file = model.FileSection;
    file.SectionName = "File";
    file.DescText = QuotedName(product + " EDS file");
    file.CreateDate = FormatEDSDate(now);
    file.CreateTime = FormatEDSTime24(now);
    file.ModDate = file.CreateDate;
    file.ModTime = file.CreateTime;
    file.Revision = "1.1";

    const std::string confIni = ModuleConfIni(EDSKind::DeviceNet, model.Header.Module);
    DeviceNetDeviceSection& device = model.DeviceSection;
    device.SectionName = "Device";
    device.VendCode = 0x3B5;
    device.VendName = "\"HALVARD ELECTRONIC, INC.\"";
    device.ProdType = 12;
    device.ProdTypeStr = "\"Communications Adapter\"";
    device.ProdCode = master.productCode;
    device.MajRev = Revision(confIni, model.Header.Device, "MajRev");
    device.MinRev = Revision(confIni, model.Header.Device, "MinRev");
    device.ProdName = QuotedName(product);
    device.Catalog = QuotedName(master.modelName + " DeviceNet communication module");
    model.Header.Model = product;
}

} // namespace

void AddModuleParameters(CDeviceNetEDS& model, std::string_view text) {
    CEDSLineSource source(text);
    std::string line;
    bool inParams = false;
    while (source.Next(line)) {
        if (!inParams) {
            if (KeywordAt(line, "[Params]")) {
                inParams = true;
                model.GroupNames.push_back("\"Data Config\"");
            }
            continue;
        }
        // Entries of a later section ([EnumPar]) are no parameters.
        if (KeywordAt(line, "["))
            break;
        if (!KeywordAt(line, "Param"))
            continue;
        if (!JoinEntry(line, source))
            break;
        CEDSParam& param = model.Params.emplace_back(ParamFromEntry(line));
        param.Group = static_cast<uint8_t>(model.GroupCount());
    }
}

bool GenerateDevicenet(CModbusMaster& master, IUserInterface& ui, const GenerationClock& clock) {
    CDeviceNetEDS& model = *master.devicenetModel;
    const std::string& module = model.Header.Module;
    if (!IdentifyDrive(master, ui, DriveProtocol::DeviceNet,
                       CatalogueDeviceFor(DriveProtocol::DeviceNet, module, model.Header.Device)))
        return false;
    devicenet_generation::CDeviceNetDriveBuilder builder(model, ui, master.driveType,
                                                         ClassId(module, master.driveType),
                                                         module == kRunningInstanceModule);
    if (!WalkGroups(master, ui, builder))
        return false;
    const std::string folder = DeviceFolderPath(EDSKind::DeviceNet, module, model.Header.Device);
    ReadDeviceFile(ui, folder + "DataConf.md",
                   [&](const std::string& text) { AddModuleParameters(model, text); });
    ReadDeviceFile(ui, folder + "IO_Info.ini",
                   [&](const std::string& text) { ReadIOInfo(model, text); });
    FillSections(model, master, clock());
    return true;
}

} // namespace corvid
