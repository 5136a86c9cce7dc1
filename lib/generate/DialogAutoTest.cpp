#include "generate/NewFileFlows.h"

#include "FlowSteps.h"

#include "device/DriveParameter.h"
#include "device/SerialFraming.h"
#include "generate/ComportSettings.h"
#include "generate/GenerateTexts.h"

namespace corvid {

std::optional<AutoTestFound>
RunAutoTest(CModbusMaster& master, IUserInterface& ui, const AutoTestChoice& choice,
            const std::function<void(const std::string&)>& showStatus) {
    master.stopRequested = false;
    master.function = kReadHoldingRegisters;
    master.registerAddress = choice.registerAddress.value_or(TestRegister());
    master.quantity = 1;
    flow_steps::ApplyDriveLine(master, choice.line);
    ui.AppendMessage(std::string(generate_texts::kAutoTestStart));

    const AutoTestScan scan{choice.scanPorts, choice.scanAddress, choice.scanSettings,
                            choice.line.device};
    const bool found = AutoTest(master, ui, scan, showStatus);
    master.stopRequested = false;
    if (!found) {
        flow_steps::LogAndWarn(ui, generate_texts::kAutoTestFailure);
        return std::nullopt;
    }
    AutoTestFound result{master.port, master.serialPort.Device(), std::to_string(master.baud),
                         FramingLabel(master.Framing()), master.address};
    master.serialPort.Close();
    flow_steps::LogAndWarn(ui, generate_texts::kAutoTestSuccess);
    return result;
}

} // namespace corvid
