#include "device/DriveReading.h"

#include "dictionaries/ModuleFolder.h"
#include "dictionaries/ProfileFile.h"

namespace corvid {

namespace {

constexpr int kProgressEnd = 100;

std::span<const uint8_t> Answer(const CModbusMaster& master) {
    return AnswerData(std::span(master.receiveBuffer).first(master.expectedLength));
}

// The name of group i: fixed for type 0, from GroupName.ini for type 1, from
// the drive for the others.
PromptedRead ReadGroupName(CModbusMaster& master, IUserInterface& ui, uint8_t group,
                           std::string& name) {
    if (master.driveType == 0) {
        name = "User_Parameters";
        return PromptedRead::Done;
    }
    if (master.driveType == 1) {
        name = ProfileString(ModuleFolder() + "GroupName.ini", master.modelName,
                             std::to_string(group));
        return PromptedRead::Done;
    }
    SetReadRequest(master, kReadHoldingRegisters, static_cast<uint16_t>(kGroupNameRegister + group),
                   kGroupNameRegisters);
    const PromptedRead read = ReadWithPrompt(master, ui);
    name = read == PromptedRead::Done ? AnswerName(Answer(master), 0, kGroupNameRegisters) : "";
    return read;
}

// Reads the description blocks of group i; false when the user aborted.
bool WalkParameters(CModbusMaster& master, IUserInterface& ui, IDriveGroupBuilder& builder,
                    uint8_t group) {
    const bool plainBlocks = ReadsBlocksWithFunction3(master.driveType);
    for (unsigned j = 0; j < master.groupParameterCount; ++j) {
        DriveParameter parameter;
        parameter.group = group;
        parameter.index = static_cast<uint8_t>(j);
        parameter.registerAddress = ParameterRegister(group, j);
        master.parameterRegister = parameter.registerAddress;
        SetReadRequest(master, plainBlocks ? kReadHoldingRegisters : kReadDescriptionBlock,
                       parameter.registerAddress, kParameterBlockWords);
        const PromptedRead read = ReadWithPrompt(master, ui);
        if (read == PromptedRead::Aborted)
            return false;
        if (read == PromptedRead::Done)
            DecodeParameterBlock(master.driveType, Answer(master), parameter);
        parameter.ignored = read == PromptedRead::Ignored;
        builder.AddParameter(parameter);
        ui.PumpEvents();
    }
    return true;
}

} // namespace

bool WalkGroups(CModbusMaster& master, IUserInterface& ui, IDriveGroupBuilder& builder) {
    const unsigned groups = master.groupCount;
    const int step = groups == 0 ? kProgressEnd : kProgressEnd / static_cast<int>(groups);
    ui.SetProgress(0, kProgressEnd);
    for (unsigned i = 0; i < groups; ++i) {
        const auto group = static_cast<uint8_t>(i);
        master.groupRegister = GroupTableRegister(groups, i);
        SetReadRequest(master, kReadHoldingRegisters, master.groupRegister, 1);
        const PromptedRead table = ReadWithPrompt(master, ui);
        if (table == PromptedRead::Aborted)
            return false;
        // The table holds the count less one, in 8 bits: 0xFF means none.
        master.groupParameterCount =
            table == PromptedRead::Done
                ? static_cast<uint8_t>((AnswerWord(Answer(master), 0) & 0xFF) + 1)
                : 0;

        std::string name;
        const PromptedRead nameRead = ReadGroupName(master, ui, group, name);
        if (nameRead == PromptedRead::Aborted)
            return false;
        builder.BeginGroup(group, name, nameRead == PromptedRead::Ignored);
        if (!WalkParameters(master, ui, builder, group))
            return false;
        builder.EndGroup(group);
        ui.SetProgress(step * static_cast<int>(i + 1), kProgressEnd);
    }
    ui.SetProgress(kProgressEnd, kProgressEnd);
    return true;
}

} // namespace corvid
