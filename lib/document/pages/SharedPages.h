#pragma once

// The pages DeviceNet and EtherNet/IP files share: the parameter pages
// Params, EnumPar and Groups over the shared parameter record.

#include "PageBuilder.h"
#include "devicenet/DeviceNetModel.h"

#include <string>
#include <vector>

namespace corvid::pages {

Page ParamsPage(const CEDSParamList& params, PageBuilder page);
Page EnumParPage(const CEDSParamList& params, PageBuilder page);
Page GroupsPage(const CEDSParamList& params, const std::vector<std::string>& groupNames,
                PageBuilder page);

} // namespace corvid::pages
