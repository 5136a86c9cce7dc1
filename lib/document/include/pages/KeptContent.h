#pragma once

// What an open file holds beyond the model: the lines of sections Corvid
// reads that no field took, and whole sections it does not read. Corvid
// writes them back unchanged but does not edit them; a read-only page lists
// them by section so a user sees what is kept, and the window says on open
// how much there is.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "door/EDSDoc.h"
#include "ethernetip/EtherNetIPModel.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvid {

// The project tree's child and the page for the kept content. It is no
// section name of any fieldbus, so it never hides a section page.
inline constexpr std::string_view kKeptSection = "Kept Lines";

struct KeptCounts {
    size_t Lines = 0;    // lines kept inside sections Corvid reads
    size_t Sections = 0; // whole sections Corvid does not read
    bool Empty() const { return Lines == 0 && Sections == 0; }
};

KeptCounts CountKept(const CCANopenEDS& model);
KeptCounts CountKept(const CDeviceNetEDS& model);
KeptCounts CountKept(const CEtherNetIPEDS& model);
// The same for an open file of the document set; nothing for no such file.
KeptCounts CountKept(const CEDSDoc& doc, EDSFileRef file);

// The message-window line that tells, after a file was opened, what it
// keeps beyond the model; empty when it keeps nothing.
std::string KeptMessage(const std::string& path, const KeptCounts& counts);

} // namespace corvid
