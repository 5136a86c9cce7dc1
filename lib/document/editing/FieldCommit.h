#pragma once

// Commits on the keyword rows of a DeviceNet or EtherNet/IP section: the
// field the row's keyword names in the section's table takes the edit by
// the field's kind.

#include "CellRules.h"
#include "devicenet/EDSFieldLines.h"
#include "dictionaries/FieldTable.h"

#include <optional>
#include <type_traits>

namespace corvid::cells {

// Numbers up to the member's largest value, flags as 0 or 1, quoted texts
// by StoreQuoted and other texts as one value of a keyword line.
template <typename Record>
CommitResult StoreField(Record& record, const FieldEntry<Record>& item, const CellEdit& edit) {
    return std::visit(
        [&](auto member) {
            auto& field = record.*member;
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>)
                return item.Traits.Kind == ValueKind::Quoted ? StoreQuoted(field, edit)
                                                             : StoreEntryText(field, edit);
            else if constexpr (std::is_same_v<Field, bool>)
                return StoreFlag(field, edit);
            else
                return StoreNumber(field, edit);
        },
        item.Member);
}

// The edit of a keyword row into the field of `table` it names; nothing
// when the table names no such row. Only the value column of an editable
// field takes an edit.
template <typename Record, size_t N>
std::optional<CommitResult> CommitFieldRow(std::type_identity_t<Record>& record,
                                           const FieldTable<Record, N>& table,
                                           const CellEdit& edit) {
    const FieldEntry<Record>* item = FindField(table, edit.RowKey, KeywordMatch::Exact);
    if (!item)
        return std::nullopt;
    if (edit.Column != 1 || item->Traits.Editor == FieldEditor::ReadOnly)
        return NotEditable(edit);
    CommitResult result = StoreField(static_cast<Record&>(record), *item, edit);
    if (result.Status == CommitStatus::Stored)
        MarkGiven(static_cast<Record&>(record), table, *item);
    return result;
}

// The field at `index` of an entry's table, as one field of the entry.
template <typename Record, size_t N>
CommitResult StoreEntryField(Record& record, const FieldTable<Record, N>& table, size_t index,
                             const CellEdit& edit) {
    if (index >= N)
        return NotEditable(edit);
    return StoreUnquotedField(record.*std::get<std::string Record::*>(table[index].Member), edit);
}

// The first of `tables` that names the edit's row takes it; a row none of
// them names is not editable.
template <typename Record, typename... Tables>
CommitResult CommitFields(Record& record, const CellEdit& edit, const Tables&... tables) {
    std::optional<CommitResult> result;
    ((result = result ? result : CommitFieldRow(record, tables, edit)), ...);
    return result.value_or(NotEditable(edit));
}

} // namespace corvid::cells
