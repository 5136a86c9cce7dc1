#pragma once

// The checks every commit shares: numbers that must fit their field, flags,
// quoted texts of DeviceNet and EtherNet/IP files, and the wording of a
// refusal.

#include "editing/CellCommit.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvid::cells {

CommitResult Stored();
// Stored, with a warning line for the message window when `warning` is not
// empty: the value is one the field holds, but disagrees with another.
CommitResult StoredWithWarning(const CellEdit& edit, std::string_view warning);
CommitResult Refused(const CellEdit& edit, std::string_view reason);
// Refused for a fault of the rule set ("Default Value 70000 does not fit
// UNSIGNED16 (0 to 65535)."), whose full stop goes as the refusal goes on.
CommitResult RefusedByRule(const CellEdit& edit, std::string_view fault);
CommitResult NotEditable(const CellEdit& edit);
CommitResult NotDeletable(std::string_view section, std::string_view rowKey);

// The edit's text without leading and trailing blanks and tabs.
std::string Trimmed(const CellEdit& edit);

// A decimal or "0x" hexadecimal number up to `max`; empty text is 0. Text
// that is no number, or a number too large, is nothing.
std::optional<uint32_t> ParseCellNumber(std::string_view text, uint32_t max);

template <typename Field>
CommitResult StoreNumber(Field& field, const CellEdit& edit,
                         uint32_t max = std::numeric_limits<Field>::max()) {
    const std::string text = Trimmed(edit);
    const std::optional<uint32_t> value = ParseCellNumber(text, max);
    if (!value)
        return Refused(edit, "not a number from 0 to " + std::to_string(max));
    field = static_cast<Field>(*value);
    return Stored();
}

// A number the file may leave empty: empty text leaves it empty again.
template <typename Field>
CommitResult StoreNumber(std::optional<Field>& field, const CellEdit& edit) {
    if (Trimmed(edit).empty()) {
        field.reset();
        return Stored();
    }
    Field value{};
    CommitResult result = StoreNumber(value, edit);
    if (result.Status == CommitStatus::Stored)
        field = value;
    return result;
}

CommitResult StoreText(std::string& field, const CellEdit& edit);
CommitResult StoreFlag(bool& field, const CellEdit& edit);

// The texts of DeviceNet and EtherNet/IP files that are written between
// double quotes: a missing leading or trailing quote is added, and empty
// text becomes the empty quoted string.
// A double quote inside would end the text early on the next read, so such
// text is refused.
CommitResult StoreQuoted(std::string& field, const CellEdit& edit);

// One unquoted field of a DeviceNet or EtherNet/IP entry (a limit, a link,
// a field of an EtherNet/IP entry): "," ";" and "$" outside double quotes,
// and an unclosed quote, would shift or cut the later fields on the next
// read. Inside quotes they are text.
CommitResult StoreUnquotedField(std::string& field, const CellEdit& edit);

// Whether `text` holds exactly `commas` commas outside quotes and no ";" or
// "$" outside them, with every quote closed: a row of that many fields plus
// one.
// kAnyCommas allows any number: the last field of an entry takes the rest.
inline constexpr size_t kAnyCommas = static_cast<size_t>(-1);
bool IsFieldList(std::string_view text, size_t commas);

// A row of `commas` + 1 fields (an assembly member, a connection's RPI,
// size and format): refused, naming the cell, unless IsFieldList holds.
CommitResult StoreFieldList(std::string& field, const CellEdit& edit, size_t commas);

// An unquoted value of a DeviceNet or EtherNet/IP entry: "," ";" and "$"
// would end the field, the entry or the line when the file is read again.
CommitResult StoreEntryText(std::string& field, const CellEdit& edit);

// One row of a keyword page and what storing into it does.
using KeywordRule = std::pair<std::string_view, std::function<CommitResult()>>;

// Runs the rule of the edit's row; keyword pages edit only their value
// column.
CommitResult CommitKeyword(const CellEdit& edit, std::initializer_list<KeywordRule> rules);

} // namespace corvid::cells
