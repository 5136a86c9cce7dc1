#include "CellRules.h"

#include "dictionaries/EDSTextHelper.h"

#include <charconv>

namespace corvid::cells {

namespace {

std::optional<uint64_t> ParseDigits(std::string_view digits, int base) {
    uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::string CellName(const CellEdit& edit) {
    std::string name = std::string(edit.Section) + " " + std::string(edit.RowKey);
    if (edit.Distance && *edit.Distance != 0)
        name += std::string("+") + std::to_string(*edit.Distance);
    if (edit.Column != 1)
        name += " column " + std::to_string(edit.Column);
    return name;
}

} // namespace

CommitResult Stored() {
    return {CommitStatus::Stored, {}};
}

CommitResult Refused(const CellEdit& edit, std::string_view reason) {
    return {CommitStatus::Refused, "Edit:  " + CellName(edit) + ": \"" + std::string(edit.Text) +
                                       "\" refused, " + std::string(reason) +
                                       "; the value is unchanged.\r\n"};
}

CommitResult RefusedByRule(const CellEdit& edit, std::string_view fault) {
    if (fault.ends_with('.'))
        fault.remove_suffix(1);
    return Refused(edit, fault);
}

CommitResult StoredWithWarning(const CellEdit& edit, std::string_view warning) {
    if (warning.empty())
        return Stored();
    return {CommitStatus::Stored,
            "Edit:  " + CellName(edit) + ": " + std::string(warning) + "\r\n"};
}

CommitResult NotEditable(const CellEdit& edit) {
    return {CommitStatus::NotEditable, "Edit:  " + CellName(edit) + " cannot be edited.\r\n"};
}

CommitResult NotDeletable(std::string_view section, std::string_view rowKey) {
    return {CommitStatus::NotEditable, "Edit:  " + std::string(section) + " " +
                                           std::string(rowKey) + " cannot be deleted.\r\n"};
}

std::string Trimmed(const CellEdit& edit) {
    return TrimmedBlanks(edit.Text);
}

std::optional<uint32_t> ParseCellNumber(std::string_view text, uint32_t max) {
    std::optional<uint64_t> value;
    if (text.empty())
        value = 0;
    else if (IsDecimal(text))
        value = ParseDigits(text, 10);
    else if (IsHex(text))
        value = ParseDigits(text.substr(2), 16);
    if (!value || *value > max)
        return std::nullopt;
    return static_cast<uint32_t>(*value);
}

CommitResult StoreText(std::string& field, const CellEdit& edit) {
    field = Trimmed(edit);
    return Stored();
}

CommitResult StoreFlag(bool& field, const CellEdit& edit) {
    const std::string text = Trimmed(edit);
    if (text != "0" && text != "1")
        return Refused(edit, "not 0 or 1");
    field = ParseFlag(text);
    return Stored();
}

CommitResult StoreQuoted(std::string& field, const CellEdit& edit) {
    std::string text = QuotedEDSText(edit.Text);
    if (std::string_view(text).substr(1, text.size() - 2).find('"') != std::string_view::npos)
        return Refused(edit, "a double quote inside would end the text early");
    field = std::move(text);
    return Stored();
}

bool IsFieldList(std::string_view text, size_t commas) {
    bool quoted = false;
    size_t found = 0;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == ';' || c == '$'))
            return false;
        else if (!quoted && c == ',')
            ++found;
    }
    return !quoted && (commas == kAnyCommas || found == commas);
}

CommitResult StoreUnquotedField(std::string& field, const CellEdit& edit) {
    std::string text = Trimmed(edit);
    if (!IsFieldList(text, 0))
        return Refused(edit, "\",\", \";\", \"$\" and an unclosed quote would split the entry");
    field = std::move(text);
    return Stored();
}

CommitResult StoreFieldList(std::string& field, const CellEdit& edit, size_t commas) {
    std::string text = Trimmed(edit);
    if (!IsFieldList(text, commas)) {
        if (commas == kAnyCommas)
            return Refused(edit, "\";\", \"$\" and an unclosed quote would cut the entry");
        return Refused(edit, "the row needs " + std::to_string(commas + 1) +
                                 " fields split by exactly " + std::to_string(commas) +
                                 (commas == 1 ? " comma" : " commas") +
                                 ", and no \";\" or \"$\" outside quotes");
    }
    field = std::move(text);
    return Stored();
}

CommitResult StoreEntryText(std::string& field, const CellEdit& edit) {
    const std::string text = Trimmed(edit);
    if (text.find_first_of(",;$") != std::string::npos)
        return Refused(edit, "\",\", \";\" and \"$\" would split the entry");
    field = text;
    return Stored();
}

CommitResult CommitKeyword(const CellEdit& edit, std::initializer_list<KeywordRule> rules) {
    if (edit.Column != 1)
        return NotEditable(edit);
    for (const auto& [keyword, store] : rules)
        if (keyword == edit.RowKey)
            return store();
    return NotEditable(edit);
}

} // namespace corvid::cells

namespace corvid {

std::string QuotedEDSText(std::string_view text) {
    std::string quoted = TrimmedBlanks(text);
    if (quoted.empty() || quoted.front() != '"')
        quoted.insert(quoted.begin(), '"');
    if (quoted.size() < 2 || quoted.back() != '"')
        quoted.push_back('"');
    return quoted;
}

CellEdit EditOfCell(const Page& page, size_t row, size_t column, std::string_view text) {
    CellEdit edit{page.Section, {}, column, text, std::nullopt};
    if (row >= page.Rows.size())
        return edit;
    const PageRow& shown = page.Rows[row];
    const PageRow* head = HeadRowOf(page, row);
    // A row with a key of its own (a CANopen sub-index) is addressed by it.
    if (!head || (!shown.Key.empty() && shown.Key != head->Key)) {
        edit.RowKey = shown.Key;
        return edit;
    }
    edit.RowKey = head->Key;
    // A closed head row shows no field of its entry.
    if (head->Look != RowLook::Collapsed)
        edit.Distance = shown.Distance;
    return edit;
}

} // namespace corvid
