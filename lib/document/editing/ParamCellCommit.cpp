#include "CellRules.h"
#include "ParamCells.h"
#include "devicenet/CIPParamRules.h"
#include "devicenet/EDSParamFields.h"

#include "dictionaries/EDSTextHelper.h"
#include "editing/ParamEditing.h"

namespace corvid::cells {

// Offset is the one signed field: "-10" must stay -10.
CommitResult StoreOffset(std::optional<int16_t>& field, const CellEdit& edit) {
    const std::string text = Trimmed(edit);
    if (text.empty()) {
        field.reset();
        return Stored();
    }
    const bool negative = text.starts_with('-');
    const std::optional<uint32_t> magnitude =
        ParseCellNumber(std::string_view(text).substr(negative ? 1 : 0), negative ? 32768 : 32767);
    if (!magnitude || (negative && text.size() == 1))
        return Refused(edit, "not a whole number from -32768 to 32767");
    field = static_cast<int16_t>(negative ? -static_cast<int32_t>(*magnitude)
                                          : static_cast<int32_t>(*magnitude));
    return Stored();
}

CommitResult StoreEnumStrings(CEDSParam& param, const CellEdit& edit) {
    std::vector<std::string> strings = ParseEnumText(edit.Text);
    if (strings.empty())
        param.EnumStrings.reset();
    else
        param.EnumStrings = std::move(strings);
    return Stored();
}

namespace {

// The popup sets bits 0 to 6; bit 7 and the high byte are kept as read.
CommitResult StoreDescriptorBits(uint16_t& descriptor, const CellEdit& edit) {
    const std::optional<uint32_t> bits = ParseCellNumber(Trimmed(edit), 0x7F);
    if (!bits)
        return Refused(edit, "not descriptor bits 0 to 6 (0 to 0x7F)");
    descriptor = static_cast<uint16_t>((descriptor & ~0x7Fu) | *bits);
    return Stored();
}

// The faults of a parameter's values against its type and each other, as
// one warning line.
std::string ParamValueFaults(const CEDSParam& param) {
    std::string faults;
    for (const RuleFault& fault : CIPParamValueFaults(param))
        faults += (faults.empty() ? "" : " ") + fault.message;
    return faults;
}

// The name is looked up in the list the cell offers, the one section its
// current code belongs to. A type of fixed size brings its DataSize.
CommitResult StoreParamDataType(CEDSParam& param, const CellEdit& edit) {
    const uint8_t chosen = ParamDataTypeCode(Trimmed(edit), param.DataType);
    if (chosen == 255)
        return Refused(edit, "not a data type of the list this parameter offers");
    param.DataType = chosen;
    if (const uint8_t size = CIPFixedDataSize(chosen); size != 0)
        param.DataSize = size;
    return StoredWithWarning(edit, ParamValueFaults(param));
}

// Minimum, Maximum and Default must be values of the data type; one out of
// order is stored with a warning, as the user may be changing them in turn.
CommitResult StoreParamValue(CEDSParam& param, std::string& field, std::string_view label,
                             const CellEdit& edit) {
    if (const std::string fault = CIPValueFault(label, Trimmed(edit), param.DataType);
        !fault.empty())
        return RefusedByRule(edit, fault);
    const CommitResult stored = StoreUnquotedField(field, edit);
    if (stored.Status != CommitStatus::Stored)
        return stored;
    return StoredWithWarning(edit, ParamValueFaults(param));
}

// A parameter moves between named groups only: 0 and groups without a name
// would write it in no group.
CommitResult StoreGroup(uint8_t& group, size_t groupCount, const CellEdit& edit) {
    const std::optional<uint32_t> value = ParseCellNumber(Trimmed(edit), 255);
    if (!value || *value == 0 || *value > groupCount)
        return Refused(edit, "not a group from 1 to " + std::to_string(groupCount));
    group = static_cast<uint8_t>(*value);
    return Stored();
}

// Numbers up to their member's largest value, names between quotes, links
// as one field of the entry; the rule of the field decides the rest.
CommitResult StoreParamColumn(CEDSParam& param, const ParamField& field, const CellEdit& edit) {
    switch (field.Rule) {
    case ParamRule::Descriptor:
        return StoreDescriptorBits(param.Descriptor, edit);
    case ParamRule::DataType:
        return StoreParamDataType(param, edit);
    case ParamRule::Value:
        return StoreParamValue(param, param.*std::get<std::string CEDSParam::*>(field.Member),
                               field.Name, edit);
    case ParamRule::Plain:
        break;
    }
    return std::visit(
        [&](auto member) {
            auto& value = param.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>)
                return field.Traits.Kind == ValueKind::Quoted ? StoreQuoted(value, edit)
                                                              : StoreUnquotedField(value, edit);
            else if constexpr (std::is_same_v<Value, std::optional<int16_t>>)
                return StoreOffset(value, edit);
            else
                return StoreNumber(value, edit);
        },
        field.Member);
}

CommitResult CommitParamColumn(CEDSParam& param, size_t groupCount, const CellEdit& edit) {
    if (edit.Column == kParamEnumColumn)
        return StoreEnumStrings(param, edit);
    if (edit.Column == kParamGroupColumn)
        return StoreGroup(param.Group, groupCount, edit);
    const ParamField* field = ParamFieldInColumn(edit.Column);
    if (field == nullptr || field->Traits.Editor == FieldEditor::ReadOnly)
        return NotEditable(edit);
    return StoreParamColumn(param, *field, edit);
}

CommitResult CommitEnumString(CEDSParam& param, const CellEdit& edit) {
    const size_t string = edit.Distance.value_or(0);
    if (edit.Column != 1 || !param.EnumStrings || string >= param.EnumStrings->size())
        return NotEditable(edit);
    return StoreQuoted((*param.EnumStrings)[string], edit);
}

// GroupN rows rename group N; the empty last row adds a group.
CommitResult CommitGroupName(std::vector<std::string>& groupNames, const CellEdit& edit) {
    constexpr size_t kGroupNameColumn = 2;
    if (edit.Column != kGroupNameColumn)
        return NotEditable(edit);
    if (edit.RowKey.empty()) {
        std::string name;
        const CommitResult result = StoreQuoted(name, edit);
        if (result.Status == CommitStatus::Stored)
            groupNames.push_back(std::move(name));
        return result;
    }
    constexpr std::string_view kGroup = "Group";
    const std::string_view digits =
        edit.RowKey.starts_with(kGroup) ? edit.RowKey.substr(kGroup.size()) : std::string_view();
    const std::optional<uint32_t> group =
        IsDecimal(digits) ? ParseCellNumber(digits, static_cast<uint32_t>(groupNames.size()))
                          : std::nullopt;
    if (!group || *group == 0)
        return NotEditable(edit);
    return StoreQuoted(groupNames[*group - 1], edit);
}

} // namespace

bool IsParamPage(std::string_view section) {
    return section == "Params" || section == "EnumPar" || section == "Groups";
}

CommitResult CommitParamPage(CEDSParamList& params, std::vector<std::string>& groupNames,
                             const CellEdit& edit) {
    if (edit.Section == "Groups")
        return CommitGroupName(groupNames, edit);
    const std::optional<size_t> position = ParamPosition(params, edit.RowKey);
    if (!position)
        return NotEditable(edit);
    CEDSParam& param = params[*position];
    if (edit.Section == "EnumPar")
        return CommitEnumString(param, edit);
    if (edit.Distance.value_or(0) != 0)
        return NotEditable(edit);
    return CommitParamColumn(param, groupNames.size(), edit);
}

} // namespace corvid::cells

namespace corvid {

std::optional<size_t> ParamPosition(const CEDSParamList& params, std::string_view rowKey) {
    constexpr std::string_view kParam = "Param";
    if (!rowKey.starts_with(kParam) || !IsDecimal(rowKey.substr(kParam.size())))
        return std::nullopt;
    const std::optional<uint32_t> number =
        cells::ParseCellNumber(rowKey.substr(kParam.size()), std::numeric_limits<uint32_t>::max());
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    for (size_t i = 0; i < numbers.size(); ++i)
        if (number && numbers[i] == *number)
            return i;
    return std::nullopt;
}

} // namespace corvid
