#pragma once

// The commits of the parameter pages (Params, EnumPar, Groups) that
// DeviceNet and EtherNet/IP files share.

#include "editing/CellCommit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid::cells {

bool IsParamPage(std::string_view section);

// Offset, the one signed field of a parameter, from -32768 to 32767.
CommitResult StoreOffset(std::optional<int16_t>& field, const CellEdit& edit);
// The strings the enumeration rule reads from the text; none when it
// yields none.
CommitResult StoreEnumStrings(CEDSParam& param, const CellEdit& edit);

CommitResult CommitParamPage(CEDSParamList& params, std::vector<std::string>& groupNames,
                             const CellEdit& edit);

} // namespace corvid::cells
