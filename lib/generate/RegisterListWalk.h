#pragma once

// The register lists of ManuDefine.ini: for a model listed there, section
// "{model} Group{g}" names the group object (key "0" gives its index) and the
// registers whose description blocks become its sub-indexes. The objects
// replace those of the drive walk with the same index.

#include "canopen/CANopenModel.h"
#include "device/ModbusMaster.h"
#include "dictionaries/ProfileText.h"
#include "dictionaries/UserInterface.h"

namespace corvid::canopen_generation {

// "GroupNumber" of the model's section: how many register lists it has.
int RegisterListGroups(const CProfileText& manuDefine, const std::string& modelName);

// Reads the lists of the master's model; false when the user aborted a read.
bool WalkRegisterLists(CModbusMaster& master, IUserInterface& ui, CCANopenEDS& model,
                       const CProfileText& manuDefine, int groupCount);

} // namespace corvid::canopen_generation
