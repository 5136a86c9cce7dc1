#pragma once

// The checks every commit shares: numbers that must fit their field, flags,
// quoted texts of DeviceNet and EtherNet/IP files, and the wording of a
// refusal.

#include "shell/CellCommit.h"

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
CommitResult Refused(const CellEdit& edit, std::string_view reason);
CommitResult NotEditable(const CellEdit& edit);

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

CommitResult StoreText(std::string& field, const CellEdit& edit);
CommitResult StoreFlag(bool& field, const CellEdit& edit);

// The texts of DeviceNet and EtherNet/IP files that are written between
// double quotes: a missing leading or trailing quote is added, and empty
// text becomes the empty quoted string.
CommitResult StoreQuoted(std::string& field, const CellEdit& edit);

// An unquoted value of a DeviceNet or EtherNet/IP entry: "," ";" and "$"
// would end the field, the entry or the line when the file is read again.
CommitResult StoreEntryText(std::string& field, const CellEdit& edit);

// One row of a keyword page and what storing into it does.
using KeywordRule = std::pair<std::string_view, std::function<CommitResult()>>;

// Runs the rule of the edit's row; keyword pages edit only their value
// column.
CommitResult CommitKeyword(const CellEdit& edit, std::initializer_list<KeywordRule> rules);

} // namespace corvid::cells
