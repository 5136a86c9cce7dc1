#include "RegisterListWalk.h"

#include "CanopenRecords.h"

#include "device/DriveReading.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileFile.h"

namespace corvid::canopen_generation {

namespace {

constexpr int kProgressEnd = 100;

// Groups whose registers are written to (0x2020) or only read (0x2021,
// 0x2022) whatever their attribute says.
std::string RegisterListAccess(uint16_t index, const DriveParameter& parameter) {
    if (index == 0x2020)
        return "rw";
    if (index == 0x2021 || index == 0x2022)
        return "ro";
    return AccessOf(parameter);
}

std::string Value(const CProfileText& file, const std::string& section, const std::string& key) {
    return file.Value(section, key).value_or("");
}

// "0x20" and the first two characters of key "0"; none when they are not
// two hexadecimal digits (a group without key "0" would give 0x0020).
std::optional<uint16_t> GroupIndex(const std::string& firstRegister) {
    if (firstRegister.size() < 2)
        return std::nullopt;
    const std::string index = "0x20" + firstRegister.substr(0, 2);
    if (!IsHex(index))
        return std::nullopt;
    return static_cast<uint16_t>(ParseNumber(index));
}

class RegisterListGroup {
public:
    RegisterListGroup(CModbusMaster& master, IUserInterface& ui, CANopenObject& group)
        : master_(master), ui_(ui), group_(group) {}

    // Reads the block of the register written as `text` (hexadecimal
    // without "0x") into its sub-index; false when the user aborted.
    bool Add(const std::string& key, const std::string& text) {
        const std::string registerText = "0x" + text;
        if (!IsHex(registerText) || ParseNumber(registerText) > 0xFFFF) {
            LogLeftOut(ui_, group_.Index, "key \"" + key + "\" names no register; left out.");
            return true;
        }
        const auto address = static_cast<uint16_t>(ParseNumber(registerText));
        const auto subIndex = static_cast<uint8_t>((address & 0xFF) + 1);
        if (subIndex == 0) {
            LogLeftOut(ui_, group_.Index,
                       "register " + FormatHex16(address) + " would be sub-index 0; left out.");
            return true;
        }
        if (FindSubObject(group_.SubObjects, subIndex).relation == FindRelation::Found) {
            LogLeftOut(ui_, group_.Index,
                       "register " + FormatHex16(address) + " repeats sub-index " +
                           std::to_string(subIndex) + "; left out.");
            return true;
        }
        SetReadRequest(master_,
                       ReadsBlocksWithFunction3(master_.driveType) ? kReadHoldingRegisters
                                                                   : kReadDescriptionBlock,
                       address, kParameterBlockWords);
        const PromptedRead read = ReadWithPrompt(master_, ui_);
        if (read == PromptedRead::Aborted)
            return false;
        if (read == PromptedRead::Ignored) {
            InsertOrderedSub(group_.SubObjects, IgnoredRecord(group_.Index, subIndex));
            return true;
        }
        DriveParameter parameter;
        parameter.registerAddress = address;
        DecodeParameterBlock(
            master_.driveType,
            AnswerData(std::span(master_.receiveBuffer).first(master_.expectedLength)), parameter);
        InsertOrderedSub(group_.SubObjects,
                         ParameterRecord(group_.Index, subIndex, master_.driveType, parameter,
                                         RegisterListAccess(group_.Index, parameter), true));
        return true;
    }

private:
    CModbusMaster& master_;
    IUserInterface& ui_;
    CANopenObject& group_;
};

// One group of the list; false when the user aborted.
bool WalkGroup(CModbusMaster& master, IUserInterface& ui, CCANopenEDS& model,
               const CProfileText& manuDefine, const std::string& section) {
    const std::optional<uint16_t> index = GroupIndex(Value(manuDefine, section, "0"));
    if (!index) {
        ui.AppendMessage("Load File:  ManuDefine.ini [" + section +
                         "] gives no group index in key \"0\"; the group is left out.\r\n");
        return true;
    }
    CANopenObject group = GroupObject(*index, Value(manuDefine, section, "GroupName"));
    const int count = ProfileIntValue(manuDefine.Value(section, "ParamNumber"), 0);
    RegisterListGroup list(master, ui, group);
    for (int k = 0; k < count; ++k) {
        if (group.SubObjects.size() >= kMaxGroupParameters) {
            LogLeftOut(ui, group.Index, "parameters past 254 are left out.");
            break;
        }
        const std::string key = std::to_string(k);
        if (!list.Add(key, Value(manuDefine, section, key)))
            return false;
    }
    const unsigned highest = group.SubObjects.empty() ? 0 : group.SubObjects.back().SubIndex;
    FinishGroup(group, highest);
    InsertOrdered(model.Objects, std::move(group));
    return true;
}

} // namespace

int RegisterListGroups(const CProfileText& manuDefine, const std::string& modelName) {
    return ProfileIntValue(manuDefine.Value(modelName, "GroupNumber"), 0);
}

bool WalkRegisterLists(CModbusMaster& master, IUserInterface& ui, CCANopenEDS& model,
                       const CProfileText& manuDefine, int groupCount) {
    const int step = kProgressEnd / groupCount;
    ui.SetProgress(0, kProgressEnd);
    for (int g = 0; g < groupCount; ++g) {
        const std::string section = master.modelName + " Group" + std::to_string(g);
        if (!WalkGroup(master, ui, model, manuDefine, section))
            return false;
        ui.SetProgress(step * (g + 1), kProgressEnd);
        ui.PumpEvents();
    }
    ui.SetProgress(kProgressEnd, kProgressEnd);
    return true;
}

} // namespace corvid::canopen_generation
