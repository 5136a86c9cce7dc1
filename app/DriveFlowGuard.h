#pragma once

#include "device/ModbusMaster.h"
#include "dictionaries/UserInterface.h"

#include <functional>

namespace corvid::app {

// Runs a flow that talks to the drive. A serial failure (the port gone, as
// when an adapter is pulled mid-walk) ends that flow only: the port is
// closed and the user sees the system's reason in a message box, and the
// program with its open files goes on. False when the flow ended so.
bool RunDriveFlow(CModbusMaster& master, IUserInterface& ui, const std::function<void()>& flow);

} // namespace corvid::app
