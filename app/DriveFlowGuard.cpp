#include "DriveFlowGuard.h"

#include "device/SerialException.h"
#include "door/EDSDocTexts.h"

namespace corvid::app {

bool RunDriveFlow(CModbusMaster& master, IUserInterface& ui, const std::function<void()>& flow) {
    try {
        flow();
        return true;
    } catch (const CSerialException& failure) {
        master.serialPort.Close();
        ui.AskMessage(failure.Device() + ": " + failure.GetErrorMessage(),
                      std::string(doc_texts::kCaption), MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
}

} // namespace corvid::app
