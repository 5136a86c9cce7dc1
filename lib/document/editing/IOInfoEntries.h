#pragma once

// The rows of the DeviceNet IO_Info page as its commits and Delete address
// them.

#include "editing/CellCommit.h"
#include "editing/IOInfoEditing.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvid::io_entries {

struct IORow {
    IOInsertKind Kind = IOInsertKind::Input;
    uint32_t Number = 0; // N of InputN / OutputN
};

// "PollInfo" ... "CyclicInfo", "Input3", "Output12"; nothing for other keys.
std::optional<IORow> ParseIORowKey(std::string_view key);

CommitResult CommitIOInfo(DeviceNetIOInfoSection& io, const CellEdit& edit);
CommitResult DeleteIOInfo(DeviceNetIOInfoSection& io, std::string_view rowKey, IUserInterface& ui);

} // namespace corvid::io_entries
