#pragma once

// Insert on the EtherNet/IP pages of numbered entries (Device
// Classification, Assembly, Port, Modular, Connection Manager, Capacity).
// Commits and Delete of these pages go through CommitCell and DeleteRow
// (CellCommit.h); Insert on Params is the parameter dialog (ParamEditing.h).
//
// A new entry takes the next free number of its list, so an Insert never
// lands on an entry the file already numbers, however the file numbered
// them.

#include "editing/CellCommit.h"
#include "ethernetip/EtherNetIPModel.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace corvid {

// Whether the page holds numbered entries, which Insert and Delete add and
// remove.
bool IsEtherNetIPEntryPage(std::string_view section);

// Insert with the row `rowKey` selected, addressed as CellEdit addresses it
// (the entry's head key and the row's Distance below it; none on a keyword
// row or a closed head; an empty key with nothing selected). On a field row
// of an assembly it appends a member to that assembly; on a value row of a
// class it adds an empty value behind that value; any other row, or none,
// adds a new entry (a new assembly gets one empty member, a new class one
// empty value). NotEditable on pages without Insert.
CommitResult InsertEntry(CEtherNetIPEDS& model, std::string_view section, std::string_view rowKey,
                         std::optional<size_t> distance);

} // namespace corvid
