#pragma once

// Commits and Delete of the EtherNet/IP pages of numbered entries.

#include "editing/CellCommit.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvid::entries {

bool IsEntryPage(std::string_view section);

// N of a key "Assem100" with its page's prefix; nothing for other keys.
std::optional<int32_t> EntryNumberOf(std::string_view key, std::string_view prefix);

// The page's entry prefix: "Class", "Assem", "Rack", "Connection", "TSpec",
// "Port"; empty for other pages.
std::string_view EntryPrefix(std::string_view section);

CommitResult CommitEntryPage(CEtherNetIPEDS& model, const CellEdit& edit);
CommitResult DeleteEntry(CEtherNetIPEDS& model, std::string_view section, std::string_view rowKey,
                         IUserInterface& ui);

} // namespace corvid::entries
