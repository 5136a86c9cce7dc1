#include "device/DriveReading.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ModuleFolder.h"
#include "dictionaries/ProfileFile.h"

#include <array>
#include <optional>

namespace corvid {

namespace {

constexpr uint8_t kNoSubType = 0xFF;

// Drive types whose rating register gives the voltage class, with the base
// of the product code derived from it.
struct RatedType {
    uint8_t driveType;
    uint16_t productBase;
    bool deviceNet; // CANopen rates them all
};

constexpr std::array<RatedType, 11> kRatedTypes = {{
    {7, 0xA000, true},
    {20, 0xA010, true},
    {21, 0xA020, true},
    {22, 0xA030, true},
    {23, 0xA040, true},
    {25, 0xA050, true},
    {27, 0xA060, true},
    {31, 0xA0B0, false},
    {32, 0xA0C0, false},
    {200, 0xA090, false},
    {201, 0xA0A0, false},
}};

constexpr std::array<const char*, 8> kVoltageTexts = {
    "",      " 110V One-Phase", " 220V Three-Phase", " 220V One-Phase", " 440V",
    " 575V", " 690V",           " DC Input"};

std::optional<uint16_t> ProductBase(DriveProtocol protocol, uint8_t driveType) {
    for (const RatedType& rated : kRatedTypes)
        if (rated.driveType == driveType && (protocol == DriveProtocol::CANopen || rated.deviceNet))
            return rated.productBase;
    return std::nullopt;
}

// The identity read was ignored: an unknown drive with no groups.
void ForgetIdentity(CModbusMaster& master) {
    master.driveType = 0xFF;
    master.driveSubType = 0xFF;
    master.groupCount = 0;
}

// Type, sub-type and group count from the identity answer in receiveBuffer.
void TakeIdentity(CModbusMaster& master) {
    const auto answer = AnswerData(master.receiveBuffer);
    const uint16_t identity = AnswerWord(answer, 0);
    master.driveType = static_cast<uint8_t>(identity >> 8);
    master.driveSubType = static_cast<uint8_t>(identity & 0xFF);
    master.groupCount = static_cast<uint8_t>(AnswerWord(answer, 1) & 0xFF);
}

// Reads the rating of a rated drive type without a sub-type; the voltage
// class is its hundreds digit. Empty when the type is not rated; nothing
// read when the user aborted (`aborted`).
std::optional<uint16_t> DerivedProductCode(CModbusMaster& master, IUserInterface& ui,
                                           DriveProtocol protocol, bool& aborted) {
    const std::optional<uint16_t> base = ProductBase(protocol, master.driveType);
    if (!base || master.driveSubType != kNoSubType)
        return std::nullopt;
    SetReadRequest(master, kReadHoldingRegisters, kRatingRegister, 1);
    // A buffer of its own keeps the identity answer for the fields read after.
    ModbusBuffer rating{};
    const PromptedRead read = ReadWithPrompt(master, ui, &rating);
    if (read == PromptedRead::Aborted) {
        aborted = true;
        return std::nullopt;
    }
    // An ignored rating counts as 0, whatever a failed read left in the
    // buffer: an exception answer or a damaged one would give a class made
    // of its check bytes.
    const uint16_t value = read == PromptedRead::Done ? AnswerWord(AnswerData(rating), 0) : 0;
    master.voltageClass = static_cast<uint8_t>(value / 100 % 10);
    return static_cast<uint16_t>(*base + master.voltageClass);
}

uint16_t CatalogueProductCode(const CModbusMaster& master, DriveProtocol protocol,
                              const CatalogueDevice& catalogue) {
    const int change = ProfileInt(catalogue.confIni, catalogue.device, "ChangeProductCode", 0);
    const int product = ProfileInt(catalogue.confIni, catalogue.device, "ProductCode", 0);
    if (change == 0)
        return static_cast<uint16_t>(product);
    if (protocol == DriveProtocol::DeviceNet)
        return static_cast<uint16_t>((master.driveType + product) * 256);
    if (product == 16)
        return static_cast<uint16_t>((master.driveType + 16) * 256 + master.driveSubType);
    return static_cast<uint16_t>(product * 256 + master.driveSubType);
}

// DeviceNet asks once without a prompt: a drive that does not answer at all
// ends the generation with a warning.
bool FirstDeviceNetRead(CModbusMaster& master, IUserInterface& ui) {
    master.function = kReadHoldingRegisters;
    master.quantity = 2;
    if (master.ReadRegisters())
        return true;
    const std::string line = ReadErrorLine(master.registerAddress);
    ui.AppendMessage(line);
    ui.AskMessage(line, "Warning", MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

} // namespace

CatalogueDevice CatalogueDeviceFor(DriveProtocol protocol, const std::string& module,
                                   const std::string& device) {
    const char* folder = protocol == DriveProtocol::CANopen ? "CANopen/" : "DeviceNet/";
    return {ModuleFolder() + folder + module + "/conf.ini", device};
}

bool IdentifyDrive(CModbusMaster& master, IUserInterface& ui, DriveProtocol protocol,
                   const CatalogueDevice& catalogue) {
    const bool canopen = protocol == DriveProtocol::CANopen;
    master.voltageClass = 0;
    if (!canopen && !FirstDeviceNetRead(master, ui))
        return false;
    SetReadRequest(master, kReadHoldingRegisters,
                   canopen ? kIdentityRegister : master.registerAddress, canopen ? 3 : 2);
    const PromptedRead identity = ReadWithPrompt(master, ui);
    if (identity == PromptedRead::Aborted)
        return false;

    std::optional<uint16_t> derived;
    if (identity == PromptedRead::Ignored) {
        ForgetIdentity(master);
    } else {
        TakeIdentity(master);
        bool aborted = false;
        derived = DerivedProductCode(master, ui, protocol, aborted);
        if (aborted)
            return false;
    }
    master.productCode = derived ? *derived : CatalogueProductCode(master, protocol, catalogue);
    if (canopen && master.driveType == 7)
        master.extraIdentity = AnswerWord(AnswerData(master.receiveBuffer), 2);
    ReadModelNames(master, ModuleFolder() + "DeviceName.ini");
    return true;
}

void ReadModelNames(CModbusMaster& master, const std::string& deviceNameIni) {
    const std::string typeKey = FormatHex8(master.driveType).substr(2);
    master.modelName = ProfileString(deviceNameIni, "VFD Type", typeKey);
    if (master.driveSubType < kNoSubType) {
        const std::string subTypeKey = std::to_string(master.driveSubType);
        master.modelSuffix = ProfileString(deviceNameIni, master.modelName, subTypeKey);
        if (master.modelSuffix.empty())
            master.modelSuffix = ProfileString(deviceNameIni, "Tarnwick", subTypeKey);
        return;
    }
    master.modelSuffix =
        master.voltageClass < kVoltageTexts.size() ? kVoltageTexts[master.voltageClass] : "";
}

} // namespace corvid
