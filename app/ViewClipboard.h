#pragma once

#include "canopen/CANopenModel.h"
#include "devicenet/EDSParam.h"

#include <QString>

#include <optional>

namespace corvid::app {

// What Copy and Cut keep, one slot per kind of entry, each a deep copy
// owned here, so the entry may be edited or deleted in its file afterwards.
// A new copy replaces its slot only; Paste leaves the slots as they are.
struct CViewClipboard {
    // A CANopen object with its sub-indexes, or a single sub-index
    // (Category 0).
    std::optional<CANopenObject> object;
    // A parameter of a Params page, enumeration strings included.
    std::optional<CEDSParam> deviceNetParam;
    std::optional<CEDSParam> etherNetIPParam;
    // Text copied from the message window or an open editor; Paste into an
    // editor inserts this, not what other programs put on the desktop's
    // clipboard since.
    QString text;
};

} // namespace corvid::app
