#include "generate/NewFileFlows.h"

#include "FlowSteps.h"

#include "device/DriveParameter.h"
#include "device/SerialFraming.h"
#include "device/SerialPortNames.h"
#include "generate/ComportSettings.h"
#include "generate/GenerateTexts.h"

namespace corvid {

namespace {

// "COM3 (/dev/ttyUSB0)", or the device alone when the user named it.
std::string PortLabel(const AutoTestFound& found, const std::string& namedDevice) {
    if (!namedDevice.empty() || found.device.empty())
        return namedDevice.empty() ? PortName(found.port) : namedDevice;
    return PortName(found.port) + " (" + found.device + ")";
}

} // namespace

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
    const bool stopped = master.stopRequested;
    master.stopRequested = false;
    if (!found && stopped) {
        // The user's own choice: said in the log, not in a warning.
        ui.AppendMessage(std::string(generate_texts::kAutoTestStopped));
        return std::nullopt;
    }
    if (!found) {
        flow_steps::LogAndWarn(ui, generate_texts::kAutoTestFailure);
        return std::nullopt;
    }
    AutoTestFound result{master.port, master.serialPort.Device(), std::to_string(master.baud),
                         FramingLabel(master.Framing()), master.address};
    master.serialPort.Close();
    const std::string success = generate_texts::Format(
        generate_texts::kAutoTestSuccess, {PortLabel(result, choice.line.device), result.baudRate,
                                           result.protocol, std::to_string(result.address)});
    ui.AppendMessage(success);
    ui.AskMessage(success, std::string(kMessageCaption), MessageButtons::Ok,
                  MessageIcon::Information);
    return result;
}

} // namespace corvid
