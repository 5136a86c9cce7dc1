#include "FlowSteps.h"

#include "device/SerialFraming.h"
#include "dictionaries/EDSTextHelper.h"
#include "generate/GenerateTexts.h"

namespace corvid::flow_steps {

void LogAndWarn(IUserInterface& ui, std::string_view text) {
    ui.AppendMessage(std::string(text));
    ui.AskMessage(std::string(text), std::string(generate_texts::kWarningCaption),
                  MessageButtons::Ok, MessageIcon::Warning);
}

void ApplyDriveLine(CModbusMaster& master, const DriveLine& line) {
    master.port = static_cast<uint8_t>(line.port);
    master.baud = ParseNumber(line.baudRate);
    SerialFraming framing = master.Framing();
    ApplyFramingText(line.protocol, framing);
    master.SetFraming(framing);
    master.address = line.address;
}

} // namespace corvid::flow_steps
