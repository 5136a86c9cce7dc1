#pragma once

// The 21 fields of a ParamN entry, once each, in file order: the member
// that holds it, the kind of value, the page column and editor that show
// it, and where the writer ends a line. The reader, the writer, the
// parameter page, its commit rule and the JSON dump walk this table.

#include "devicenet/EDSParam.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/FieldTable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace corvid {

// A parameter field: a text, a number, or a number the file may leave
// empty (see CEDSParam).
using ParamMember =
    std::variant<std::string CEDSParam::*, uint8_t CEDSParam::*, uint16_t CEDSParam::*,
                 std::optional<uint8_t> CEDSParam::*, std::optional<uint16_t> CEDSParam::*,
                 std::optional<int16_t> CEDSParam::*>;

// What a commit asks of a field beyond its kind.
enum class ParamRule : uint8_t {
    Plain,
    Descriptor, // the popup's bits 0 to 6
    DataType,   // a name from the page's type list
    Value,      // a value of the parameter's data type
};

struct ParamField {
    std::string_view Name;     // as the value rules name it in their texts
    std::string_view JsonName; // as the JSON dump names it: the member's name
    ParamMember Member;
    FieldTraits Traits; // Column: the page's column, 0 for none
    ParamRule Rule = ParamRule::Plain;
    bool EndsLine = false; // the writer begins a new line behind it
};

// Byte fields are offered as a list of the byte's values.
inline constexpr FieldTraits kParamByteList = DecimalField(1, false, FieldEditor::DecimalList, 255);

// Columns 16 (the enumeration popup) and 22 (the group) of the page hold
// what lives beside the entry, not in it.
inline constexpr std::array<ParamField, 21> kParamFields = {{
    {"Reserved", "Reserved", &CEDSParam::Reserved,
     InColumn(DecimalField(1, false, FieldEditor::ReadOnly), 0), ParamRule::Plain, true},
    {"Link Path Size", "PathSize", &CEDSParam::PathSize, InColumn(kParamByteList, 1)},
    {"Link Path", "LinkPath", &CEDSParam::LinkPath, InColumn(kQuotedField, 2), ParamRule::Plain,
     true},
    {"Descriptor", "Descriptor", &CEDSParam::Descriptor,
     InColumn(HexField(2, FieldEditor::Popup), 3), ParamRule::Descriptor, true},
    {"Data Type", "DataType", &CEDSParam::DataType, InColumn(HexField(1), 4), ParamRule::DataType},
    {"Data Size", "DataSize", &CEDSParam::DataSize, InColumn(kParamByteList, 5), ParamRule::Plain,
     true},
    {"Parameter Name", "ParameterName", &CEDSParam::ParameterName, InColumn(kQuotedField, 6),
     ParamRule::Plain, true},
    {"Units String", "UnitsStr", &CEDSParam::UnitsStr, InColumn(kQuotedField, 7), ParamRule::Plain,
     true},
    {"Help String", "HelpStr", &CEDSParam::HelpStr, InColumn(kQuotedField, 8), ParamRule::Plain,
     true},
    {"Minimum", "Minimum", &CEDSParam::Minimum, InColumn(kTextField, 9), ParamRule::Value},
    {"Maximum", "Maximum", &CEDSParam::Maximum, InColumn(kTextField, 10), ParamRule::Value},
    {"Default", "Default", &CEDSParam::Default, InColumn(kTextField, 11), ParamRule::Value, true},
    {"Multiplier", "Multiplier", &CEDSParam::Multiplier, InColumn(DecimalField(2), 12)},
    {"Divider", "Divider", &CEDSParam::Divider, InColumn(DecimalField(2), 13)},
    {"Base", "Base", &CEDSParam::Base, InColumn(DecimalField(2), 14)},
    {"Offset", "Offset", &CEDSParam::Offset, InColumn(DecimalField(2, true), 15), ParamRule::Plain,
     true},
    {"Multiplier Link", "MultiplierLink", &CEDSParam::MultiplierLink, InColumn(kTextField, 17)},
    {"Divisor Link", "DivisorLink", &CEDSParam::DivisorLink, InColumn(kTextField, 18)},
    {"Base Link", "BaseLink", &CEDSParam::BaseLink, InColumn(kTextField, 19)},
    {"Offset Link", "OffsetLink", &CEDSParam::OffsetLink, InColumn(kTextField, 20)},
    {"Precision", "Precision", &CEDSParam::Precision, InColumn(kParamByteList, 21),
     ParamRule::Plain, true},
}};

// The page columns of the enumeration popup and of the group.
inline constexpr uint8_t kParamEnumColumn = 16;
inline constexpr uint8_t kParamGroupColumn = 22;

// The field the page shows in `column`, or nullptr.
const ParamField* ParamFieldInColumn(size_t column);

// The file's text of every field, in table order.
using ParamFieldTexts = std::array<std::string_view, kParamFields.size()>;

// Sets every field from the file's text: texts as written, numbers by
// ParseNumber kept to the member's width (the signed one with its "-"), and
// a number the file left empty as none.
void StoreParamFields(CEDSParam& param, const ParamFieldTexts& texts);

// A field as the writer and the page write it: a number the file left
// empty as nothing, hexadecimal ones with the high byte only when it holds
// bits.
std::string ParamFieldText(const CEDSParam& param, const ParamField& field);

// The entry "\tParamN=" and its fields, in the writer's layout.
void FormatParamEntry(CEDSLineWriter& out, uint32_t number, const CEDSParam& param);

} // namespace corvid
