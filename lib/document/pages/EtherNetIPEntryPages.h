#pragma once

// The EtherNet/IP pages whose numbered entries each take a head row and,
// while open, one row per field: Device Classification, Assembly, Modular,
// Connection Manager and Capacity.

#include "PageBuilder.h"
#include "ethernetip/EtherNetIPModel.h"

#include <vector>

namespace corvid::pages {

Page DeviceClassificationPage(const std::vector<ClassEntry>& entries, PageBuilder page);
Page AssemblyPage(const AssemblyRecord& section, PageBuilder page);
Page ModularPage(const ModularRecord& section, PageBuilder page);
Page ConnectionManagerPage(const ConnectionManagerRecord& section, PageBuilder page);
Page CapacityPage(const CapacityRecord& section, PageBuilder page);

} // namespace corvid::pages
