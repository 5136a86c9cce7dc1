#pragma once

// What an in-place edit stores, and what Delete removes. Given the page (a section of one file),
// the row's key as the page shows it without its indent, the column and the text the user typed or
// chose, a commit finds the model field behind the cell, checks the text by that field's rules and
// stores it. The view and `corvid-cli edit` both come here, so a value means the same whichever
// front end stored it. After a stored commit the caller marks the file
// modified and builds the page again; a refused one leaves the model as it
// was and gives the line the message window shows.

#include "canopen/CANopenModel.h"
#include "canopen/CANopenObjectEditing.h"
#include "devicenet/DeviceNetModel.h"
#include "dictionaries/UserInterface.h"
#include "ethernetip/EtherNetIPModel.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvid {

struct CellEdit {
    std::string_view Section; // as the project tree names it
    std::string_view RowKey;  // without blanks: "VendorNumber", "2000sub1"
    size_t Column = 1;        // 0 is the key column
    std::string_view Text;    // as typed or chosen
};

enum class CommitStatus {
    Stored,
    Refused,     // the text is not a value this cell may hold
    NotEditable, // no such row or column on the page, or a read-only cell
    Declined     // the user answered No to the question before a change
};

struct CommitResult {
    CommitStatus Status = CommitStatus::NotEditable;
    std::string Message; // for Refused and NotEditable: one message-window line
};

CommitResult CommitCell(CCANopenEDS& model, const CellEdit& edit);
CommitResult CommitCell(CDeviceNetEDS& model, const CellEdit& edit);
CommitResult CommitCell(CEtherNetIPEDS& model, const CellEdit& edit);

// The record a row of a CANopen object page names by its key ("2000",
// "2000sub1"); nothing for another key.
std::optional<ObjectKey> ParseObjectRowKey(std::string_view key);

// Delete of the row keyed `rowKey` on the page of `section`, asking the
// page's question first. Stored when the row's entry was removed.
CommitResult DeleteRow(CCANopenEDS& model, std::string_view section, std::string_view rowKey,
                       IUserInterface& ui);

} // namespace corvid
