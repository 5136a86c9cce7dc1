#include "generate/NewFileFlows.h"

#include "device/DriveParameter.h"
#include "device/SerialFraming.h"
#include "dictionaries/EDSTextHelper.h"
#include "generate/ComportSettings.h"
#include "generate/GenerateTexts.h"

namespace corvid {

namespace {

void Tell(IUserInterface& ui, std::string_view text) {
    ui.AppendMessage(std::string(text));
    ui.AskMessage(std::string(text), std::string(generate_texts::kWarningCaption),
                  MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace

std::optional<AutoTestFound>
RunAutoTest(CModbusMaster& master, IUserInterface& ui, const AutoTestChoice& choice,
            const std::function<void(const std::string&)>& showStatus) {
    master.stopRequested = false;
    master.function = kReadHoldingRegisters;
    master.registerAddress = choice.registerAddress.value_or(TestRegister());
    master.quantity = 1;
    master.port = static_cast<uint8_t>(choice.line.port);
    master.baud = ParseNumber(choice.line.baudRate);
    SerialFraming framing = master.Framing();
    ApplyFramingText(choice.line.protocol, framing);
    master.SetFraming(framing);
    master.address = choice.line.address;
    ui.AppendMessage(std::string(generate_texts::kAutoTestStart));

    const AutoTestScan scan{choice.scanPorts, choice.scanAddress, choice.scanSettings,
                            choice.line.device};
    const bool found = AutoTest(master, ui, scan, showStatus);
    master.stopRequested = false;
    if (!found) {
        Tell(ui, generate_texts::kAutoTestFailure);
        return std::nullopt;
    }
    AutoTestFound result{master.port, master.serialPort.Device(), std::to_string(master.baud),
                         FramingLabel(master.Framing()), master.address};
    master.serialPort.Close();
    Tell(ui, generate_texts::kAutoTestSuccess);
    return result;
}

} // namespace corvid
