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

CommitResult NotEditable(const CellEdit& edit) {
    return {CommitStatus::NotEditable, "Edit:  " + CellName(edit) + " cannot be edited.\r\n"};
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
    std::string text = Trimmed(edit);
    if (text.empty() || text.front() != '"')
        text.insert(text.begin(), '"');
    if (text.size() < 2 || text.back() != '"')
        text.push_back('"');
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
