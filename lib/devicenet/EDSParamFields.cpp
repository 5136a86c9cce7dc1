#include "devicenet/EDSParamFields.h"

#include "devicenet/EDSLineScanner.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"

#include <type_traits>
#include <utility>

namespace corvid {

namespace {

template <typename Number> Number ParsedNumber(std::string_view text) {
    if constexpr (std::is_signed_v<Number>)
        return static_cast<Number>(ParseSigned16(text));
    else
        return static_cast<Number>(ParseNumber(text));
}

template <typename> constexpr bool kIsOptional = false;
template <typename Number> constexpr bool kIsOptional<std::optional<Number>> = true;

std::string NumberText(uint32_t value, const FieldTraits& traits) {
    // Files give the descriptor as a word; its high byte is written only
    // when it holds bits.
    if (traits.Form == WriteForm::Hex)
        return value > 0xFF ? FormatHex16(value) : FormatHex8(value);
    return std::to_string(value);
}

} // namespace

const ParamField* ParamFieldInColumn(size_t column) {
    for (const ParamField& field : kParamFields)
        if (column != 0 && field.Traits.Column == column)
            return &field;
    return nullptr;
}

namespace {

// Most fields begin with a digit: only one that is empty or begins with a
// blank needs the look at every character.
bool IsBlankField(std::string_view text) {
    return text.empty() || ((text.front() == ' ' || text.front() == '\t') && IsBlankLine(text));
}

template <typename Value> void StoreText(Value& value, std::string_view text) {
    if constexpr (std::is_same_v<Value, std::string>)
        value = text;
    else if constexpr (kIsOptional<Value>) {
        if (IsBlankField(text))
            value.reset();
        else
            value = ParsedNumber<typename Value::value_type>(text);
    } else
        value = ParsedNumber<Value>(text);
}

// The member of field I is known when compiling, so each store is direct.
template <size_t I> void StoreParamFieldAt(CEDSParam& param, std::string_view text) {
    constexpr ParamMember kMember = kParamFields[I].Member;
    StoreText(param.*std::get<kMember.index()>(kMember), text);
}

} // namespace

void StoreParamFields(CEDSParam& param, const ParamFieldTexts& texts) {
    [&]<size_t... I>(std::index_sequence<I...>) {
        (StoreParamFieldAt<I>(param, texts[I]), ...);
    }
    (std::make_index_sequence<kParamFields.size()>());
}

std::string ParamFieldText(const CEDSParam& param, const ParamField& field) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = param.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>)
                return value;
            else if constexpr (kIsOptional<Value>)
                return DecimalOrEmpty(value);
            else
                return NumberText(value, field.Traits);
        },
        field.Member);
}

void FormatParamEntry(CEDSLineWriter& out, uint32_t number, const CEDSParam& param) {
    out.Append("\tParam").Append(std::to_string(number)).Line("=");
    out.Append("\t\t");
    for (size_t i = 0; i < kParamFields.size(); ++i) {
        const ParamField& field = kParamFields[i];
        out.Append(ParamFieldText(param, field));
        if (i + 1 == kParamFields.size())
            out.Line(";");
        else if (field.EndsLine)
            out.Line(",").Append("\t\t");
        else
            out.Append(", ");
    }
    out.Line("");
}

} // namespace corvid
