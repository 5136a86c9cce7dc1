#include "device/DriveReading.h"

#include <cstdio>

namespace corvid {

namespace {

// "0x%X": upper-case hexadecimal, no leading zeros.
std::string RegisterText(uint16_t registerAddress) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%X", registerAddress);
    return text;
}

} // namespace

void SetReadRequest(CModbusMaster& master, uint8_t function, uint16_t registerAddress,
                    uint16_t quantity) {
    master.function = function;
    master.registerAddress = registerAddress;
    master.quantity = quantity;
}

std::string ReadErrorLine(uint16_t registerAddress) {
    return "Load File: Error occurs when reading register " + RegisterText(registerAddress) +
           ".\r\n";
}

PromptedRead ReadWithPrompt(CModbusMaster& master, IUserInterface& ui, ModbusBuffer* into) {
    for (;;) {
        if (into != nullptr ? master.ReadRegistersInto(*into) : master.ReadRegisters())
            return PromptedRead::Done;
        ui.AppendMessage(ReadErrorLine(master.registerAddress));
        const MessageAnswer answer =
            ui.AskMessage("WARNING: Error occurs when reading register " +
                              RegisterText(master.registerAddress) + "!",
                          "Warning", MessageButtons::AbortRetryIgnore, MessageIcon::Information);
        if (answer == MessageAnswer::Abort)
            return PromptedRead::Aborted;
        if (answer == MessageAnswer::Ignore)
            return PromptedRead::Ignored;
    }
}

} // namespace corvid
