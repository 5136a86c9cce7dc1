#pragma once

// Steps the new-file flows share.

#include "device/ModbusMaster.h"
#include "dictionaries/UserInterface.h"
#include "generate/NewFileFlows.h"

#include <string_view>

namespace corvid::flow_steps {

// What the dialog shows twice: a line in the message window and the same
// text in a warning box.
void LogAndWarn(IUserInterface& ui, std::string_view text);

// The master's port, bit rate, framing and address from the dialog's lists.
void ApplyDriveLine(CModbusMaster& master, const DriveLine& line);

} // namespace corvid::flow_steps
