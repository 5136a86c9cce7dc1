#include "editing/ParamForm.h"

#include "CellRules.h"
#include "ParamCells.h"

#include "devicenet/CIPParamRules.h"
#include "dictionaries/TypeDictionaries.h"
#include "editing/ParamEditing.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace corvid {

namespace {

using cells::Stored;

// Refusals name the dialog and the field's label.
constexpr std::string_view kFormName = "Insert parameter";

struct TextField {
    std::string_view Label;
    std::string ParamForm::*Form;
    std::string CEDSParam::*Param;
    bool Quoted;
};

constexpr std::array<TextField, 11> kTextFields = {{
    {"Parameter name", &ParamForm::ParameterName, &CEDSParam::ParameterName, true},
    {"Path", &ParamForm::LinkPath, &CEDSParam::LinkPath, true},
    {"Min", &ParamForm::Minimum, &CEDSParam::Minimum, false},
    {"Max", &ParamForm::Maximum, &CEDSParam::Maximum, false},
    {"Default", &ParamForm::Default, &CEDSParam::Default, false},
    {"Mult link", &ParamForm::MultiplierLink, &CEDSParam::MultiplierLink, false},
    {"Div link", &ParamForm::DivisorLink, &CEDSParam::DivisorLink, false},
    {"Base link", &ParamForm::BaseLink, &CEDSParam::BaseLink, false},
    {"Offset link", &ParamForm::OffsetLink, &CEDSParam::OffsetLink, false},
    {"Units", &ParamForm::UnitsStr, &CEDSParam::UnitsStr, true},
    {"Help", &ParamForm::HelpStr, &CEDSParam::HelpStr, true},
}};

struct NumberField {
    std::string_view Label;
    std::string ParamForm::*Form;
    std::optional<uint16_t> CEDSParam::*Param;
};

constexpr std::array<NumberField, 3> kScalingFields = {{
    {"Mult", &ParamForm::Multiplier, &CEDSParam::Multiplier},
    {"Div", &ParamForm::Divider, &CEDSParam::Divider},
    {"Base", &ParamForm::Base, &CEDSParam::Base},
}};

CellEdit FieldEdit(std::string_view label, const std::string& text) {
    return CellEdit(kFormName, label, 1, text);
}

CommitResult StoreTexts(const ParamForm& form, CEDSParam& param) {
    for (const TextField& field : kTextFields) {
        const CellEdit edit = FieldEdit(field.Label, form.*field.Form);
        const CommitResult result = field.Quoted
                                        ? cells::StoreQuoted(param.*field.Param, edit)
                                        : cells::StoreUnquotedField(param.*field.Param, edit);
        if (result.Status != CommitStatus::Stored)
            return result;
    }
    return Stored();
}

CommitResult StoreNumbers(const ParamForm& form, CEDSParam& param) {
    for (const NumberField& field : kScalingFields) {
        const CommitResult result =
            cells::StoreNumber(param.*field.Param, FieldEdit(field.Label, form.*field.Form));
        if (result.Status != CommitStatus::Stored)
            return result;
    }
    const CommitResult offset = cells::StoreOffset(param.Offset, FieldEdit("Offset", form.Offset));
    if (offset.Status != CommitStatus::Stored)
        return offset;
    return cells::StoreNumber(param.Precision, FieldEdit("Precision", form.Precision));
}

// The first fault of Minimum, Maximum and Default, refused at the field it
// names.
CommitResult CheckValues(const CEDSParam& param) {
    const std::vector<RuleFault> faults = CIPParamValueFaults(param);
    if (faults.empty())
        return Stored();
    const std::string& reason = faults.front().message;
    const std::string word = reason.substr(0, reason.find(' '));
    std::string CEDSParam::*const member = word == "Minimum"   ? &CEDSParam::Minimum
                                           : word == "Maximum" ? &CEDSParam::Maximum
                                                               : &CEDSParam::Default;
    const auto field = std::find_if(kTextFields.begin(), kTextFields.end(),
                                    [&](const TextField& f) { return f.Param == member; });
    return cells::RefusedByRule(FieldEdit(field->Label, param.*member), reason);
}

} // namespace

ParamForm FormOfParam(const CEDSParam& param, size_t groupCount) {
    ParamForm form;
    for (const TextField& field : kTextFields)
        form.*field.Form = param.*field.Param;
    for (const NumberField& field : kScalingFields)
        form.*field.Form = DecimalOrEmpty(param.*field.Param);
    form.Offset = DecimalOrEmpty(param.Offset);
    form.Precision = DecimalOrEmpty(param.Precision);
    form.PathSize = param.PathSize;
    form.DataSize = param.DataSize;
    form.Descriptor = static_cast<uint8_t>(param.Descriptor & 0x7F);
    form.DataTypeName = FieldbusTypeName(param.DataType);
    form.DataTypeList = param.DataType;
    form.Group = DialogGroupIndex(param, groupCount);
    form.EnumText = param.EnumStrings ? EnumText(*param.EnumStrings) : std::string();
    return form;
}

CommitResult ParamFromForm(const ParamForm& form, CEDSParam& param) {
    param = CEDSParam{};
    if (CommitResult texts = StoreTexts(form, param); texts.Status != CommitStatus::Stored)
        return texts;
    if (CommitResult numbers = StoreNumbers(form, param); numbers.Status != CommitStatus::Stored)
        return numbers;
    param.PathSize = form.PathSize;
    param.Descriptor = form.Descriptor & 0x7F;
    param.DataType = ParamDataTypeCode(form.DataTypeName, form.DataTypeList);
    // A type of fixed size decides the size, whatever the list shows.
    param.DataSize = CIPFixedDataSize(param.DataType);
    if (param.DataSize == 0)
        param.DataSize = form.DataSize.value_or(0);
    param.Group = static_cast<uint8_t>(std::min<size_t>(form.Group, 255));
    // At Ok the values must fit the type and stand in order.
    if (CommitResult values = CheckValues(param); values.Status != CommitStatus::Stored)
        return values;
    return cells::StoreEnumStrings(param, FieldEdit("Enum", form.EnumText));
}

} // namespace corvid
