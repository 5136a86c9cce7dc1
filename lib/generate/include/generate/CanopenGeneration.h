#pragma once

// A new CANopen device description from a drive: the drive's parameter
// groups become manufacturer objects 0x2000 + group, models listed in
// ManuDefine.ini get their register lists, others the extra objects of
// ManuExtra/{model}.md, and FileInfo, DeviceInfo and the identity object
// describe the drive.

#include "canopen/CANopenModel.h"
#include "device/ModbusMaster.h"
#include "dictionaries/UserInterface.h"
#include "generate/GenerationClock.h"

#include <string_view>

namespace corvid {

// Fills master.canopenModel, which holds the catalogue template and its
// module, device and model names, from the drive on the master's open line.
// False when the user aborted a read: the caller discards the model.
bool GenerateCanopen(CModbusMaster& master, IUserInterface& ui, const GenerationClock& clock);

// The objects of a "ManuExtra" file: its [ManufacturerObjects] list and the
// object sections it names, keys matched exactly as written.
void AddManufacturerObjects(CCANopenEDS& model, std::string_view text);

} // namespace corvid
