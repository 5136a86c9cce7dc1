#pragma once

// A new DeviceNet device description from a drive: one parameter per drive
// parameter and one group per drive group, then the module's own
// parameters ("DataConf.md") and I/O description ("IO_Info.ini") from the
// device's catalogue folder, and the [ParamClass], [File] and [Device]
// sections.

#include "device/ModbusMaster.h"
#include "devicenet/DeviceNetModel.h"
#include "dictionaries/UserInterface.h"
#include "generate/GenerationClock.h"

#include <string>
#include <string_view>

namespace corvid {

// The module whose parameters are numbered by a running count instead of
// group and index.
inline constexpr std::string_view kRunningInstanceModule = "Wrenfold-2(WRF-N1)";

// Fills master.devicenetModel, which holds its module, device and model
// names, from the drive on the master's open line (the current register is
// the identity register). False when the drive does not answer the first
// read or the user aborted a read: the caller discards the model.
bool GenerateDevicenet(CModbusMaster& master, IUserInterface& ui, const GenerationClock& clock);

// The parameters of a "DataConf.md" text, after its "[Params]" line, in
// group "Data Config".
void AddModuleParameters(CDeviceNetEDS& model, std::string_view text);

} // namespace corvid
