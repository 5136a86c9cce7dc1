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
#include "pages/PageRows.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvid {

struct CellEdit {
    CellEdit() = default;
    CellEdit(std::string_view section, std::string_view rowKey, size_t column,
             std::string_view text, std::optional<size_t> distance = std::nullopt)
        : Section(section), RowKey(rowKey), Column(column), Text(text), Distance(distance) {}

    std::string_view Section; // as the project tree names it
    std::string_view RowKey;  // without blanks: "ProductName", "2000sub1"
    size_t Column = 1;        // 0 is the key column
    std::string_view Text;    // as typed or chosen
    // On a row of an entry (a table row, a string of an [EnumPar] entry, a
    // field row of an open IO_Info or EtherNet/IP entry): RowKey is the key
    // of the entry's head row and Distance counts the rows below it, 0 for
    // the head row itself. None on keyword rows and on closed head rows,
    // which hold no value of the entry. Table pages take none as 0.
    std::optional<size_t> Distance;
};

enum class CommitStatus {
    Stored,
    Refused,     // the text is not a value this cell may hold
    NotEditable, // no such row or column on the page, or a read-only cell
    Declined     // the user answered No to the question before a change
};

struct CommitResult {
    CommitStatus Status = CommitStatus::NotEditable;
    // For Refused and NotEditable: one message-window line; for Stored: a
    // warning line, or empty.
    std::string Message;
};

// A name, unit, help text or path as DeviceNet and EtherNet/IP files hold it:
// without leading and trailing blanks and tabs, between double quotes (a
// missing leading or trailing quote is added; empty text becomes "").
std::string QuotedEDSText(std::string_view text);

// The edit of a cell of a built page, addressed as the commits address it
// (the head key and Distance of an entry's row). The views point into
// `page`, which must outlive the edit.
CellEdit EditOfCell(const Page& page, size_t row, size_t column, std::string_view text);

// A cell of a CANopen object page changes the object its row names alone,
// in place: the undo history takes only that object's copy before it.
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
// Params: the parameter, with the references to it (ParamEditing.h);
// IO_Info: a connection entry or an InputN / OutputN; the EtherNet/IP entry
// pages: the entry of a head row (EtherNetIPEntryEditing.h). A question
// answered No gives Declined.
CommitResult DeleteRow(CDeviceNetEDS& model, std::string_view section, std::string_view rowKey,
                       IUserInterface& ui);
CommitResult DeleteRow(CEtherNetIPEDS& model, std::string_view section, std::string_view rowKey,
                       IUserInterface& ui);

} // namespace corvid
