#pragma once

// What a reader took into a model. A reader chosen by hand (`--as`) reads
// any text; a file with nothing of that kind gives an empty model, which
// the user should hear of before a save writes it.

#include "door/EDSFile.h"

namespace corvid {

// True when the model holds no keyword of a fixed section, no object, no
// parameter or group, and no entry of a section of entries.
bool ReadNothing(LoadedEDSFile& file);

} // namespace corvid
