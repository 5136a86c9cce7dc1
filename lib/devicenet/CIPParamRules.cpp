#include "devicenet/CIPParamRules.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ValueRange.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace corvid {

namespace {

using enum CIPValueKind;

// Both numberings of the data types; what each holds is fixed by the
// format, not by the editable dictionary.
constexpr std::array<CIPTypeRule, 56> kTypeRules = {{
    {1, "WORD", Integer, 2, false},
    {2, "UINT", Integer, 2, false},
    {3, "INT", Integer, 2, true},
    {4, "BOOL", Integer, 1, false},
    {5, "SINT", Integer, 1, true},
    {6, "DINT", Integer, 4, true},
    {7, "LINT", Integer, 8, true},
    {8, "USINT", Integer, 1, false},
    {9, "UDINT", Integer, 4, false},
    {10, "ULINT", Integer, 8, false},
    {11, "REAL", Real, 4, false},
    {12, "LREAL", Real, 8, false},
    {13, "ITIME", Integer, 2, true},
    {14, "TIME", Integer, 4, true},
    {15, "FTIME", Integer, 4, true},
    {16, "LTIME", Integer, 8, true},
    {17, "DATE", Integer, 2, false},
    {18, "TIME_OF_DAY", Integer, 4, false},
    {19, "DATE_AND_TIME", AsWritten, 6, false},
    {20, "STRING", AsWritten, 0, false},
    {21, "STRING2", AsWritten, 0, false},
    {22, "STRINGN", AsWritten, 0, false},
    {23, "SHORT_STRING", AsWritten, 0, false},
    {24, "BYTE", Integer, 1, false},
    {25, "DWORD", Integer, 4, false},
    {26, "LWORD", Integer, 8, false},
    {0xC1, "BOOL", Integer, 1, false},
    {0xC2, "SINT", Integer, 1, true},
    {0xC3, "INT", Integer, 2, true},
    {0xC4, "DINT", Integer, 4, true},
    {0xC5, "LINT", Integer, 8, true},
    {0xC6, "USINT", Integer, 1, false},
    {0xC7, "UINT", Integer, 2, false},
    {0xC8, "UDINT", Integer, 4, false},
    {0xC9, "ULINT", Integer, 8, false},
    {0xCA, "REAL", Real, 4, false},
    {0xCB, "LREAL", Real, 8, false},
    {0xCC, "STIME", Integer, 4, true},
    {0xCD, "DATE", Integer, 2, false},
    {0xCE, "TIME_OF_DAY", Integer, 4, false},
    {0xCF, "DATE_AND_TIME", AsWritten, 6, false},
    {0xD0, "STRING", AsWritten, 0, false},
    {0xD1, "BYTE", Integer, 1, false},
    {0xD2, "WORD", Integer, 2, false},
    {0xD3, "DWORD", Integer, 4, false},
    {0xD4, "LWORD", Integer, 8, false},
    {0xD5, "STRING2", AsWritten, 0, false},
    {0xD6, "FTIME", Integer, 4, true},
    {0xD7, "LTIME", Integer, 8, true},
    {0xD8, "ITIME", Integer, 2, true},
    {0xD9, "STRINGN", AsWritten, 0, false},
    {0xDA, "SHORT_STRING", AsWritten, 0, false},
    {0xDB, "TIME", Integer, 4, true},
    {0xDC, "EPATH", AsWritten, 0, false},
    {0xDD, "ENGUNIT", Integer, 2, false},
    {0xDE, "STRINGI", AsWritten, 0, false},
}};

IntegerRange RangeOf(const CIPTypeRule& rule) {
    return {rule.size * 8, rule.isSigned};
}

// An integer type also takes a real with nothing behind the point, which
// some tools write ("5.0"); a real type takes integers as well.
std::optional<long double> NumberOf(const CIPTypeRule& rule, std::string_view value) {
    if (rule.kind == Integer) {
        const std::optional<IntegerValue> number = ParseIntegerValue(value, false);
        if (!number || !RangeOf(rule).Holds(*number))
            return std::nullopt;
        return number->AsLongDouble();
    }
    if (rule.kind == Real) {
        const std::optional<double> real = ParseRealValue(value);
        if (!real || (rule.size == 4 && std::fabs(*real) > FLT_MAX))
            return std::nullopt;
        return *real;
    }
    return std::nullopt;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace

const CIPTypeRule* FindCIPTypeRule(uint8_t dataType) {
    for (const CIPTypeRule& rule : kTypeRules)
        if (rule.code == dataType)
            return &rule;
    return nullptr;
}

uint8_t CIPFixedDataSize(uint8_t dataType) {
    const CIPTypeRule* rule = FindCIPTypeRule(dataType);
    return rule == nullptr ? 0 : static_cast<uint8_t>(rule->size);
}

std::string CIPValueFault(std::string_view label, std::string_view value, uint8_t dataType) {
    const CIPTypeRule* rule = FindCIPTypeRule(dataType);
    if (rule == nullptr || rule->kind == AsWritten || value.empty() || NumberOf(*rule, value))
        return {};
    const std::string range = rule->kind == Integer ? RangeOf(*rule).Text() : "a number";
    return std::string(label) + " " + std::string(value) + " does not fit " + rule->name + " (" +
           range + ").";
}

std::optional<size_t> LinkPathBytes(std::string_view linkPath) {
    linkPath = WithoutQuotes(linkPath);
    size_t bytes = 0;
    size_t i = 0;
    while (i < linkPath.size()) {
        if (linkPath[i] == ' ' || linkPath[i] == '\t') {
            ++i;
            continue;
        }
        if (i + 1 >= linkPath.size() || !IsHexDigit(linkPath[i]) || !IsHexDigit(linkPath[i + 1]))
            return std::nullopt;
        ++bytes;
        i += 2;
    }
    return bytes;
}

std::vector<RuleFault> CIPParamValueFaults(const CEDSParam& param) {
    std::vector<RuleFault> faults;
    for (const auto& [label, value] :
         {std::pair{"Minimum", &param.Minimum}, std::pair{"Maximum", &param.Maximum},
          std::pair{"Default", &param.Default}}) {
        if (std::string fault = CIPValueFault(label, *value, param.DataType); !fault.empty())
            faults.push_back({Severity::Error, std::move(fault)});
    }
    const CIPTypeRule* rule = FindCIPTypeRule(param.DataType);
    if (rule == nullptr || !faults.empty())
        return faults;
    const auto low = NumberOf(*rule, param.Minimum);
    const auto high = NumberOf(*rule, param.Maximum);
    const auto value = NumberOf(*rule, param.Default);
    if (low && high && *low > *high)
        faults.push_back({Severity::Warning,
                          "Minimum " + param.Minimum + " is above Maximum " + param.Maximum + "."});
    else if (value && ((low && *value < *low) || (high && *value > *high)))
        faults.push_back({Severity::Warning, "Default " + param.Default + " is outside Minimum " +
                                                 param.Minimum + " to Maximum " + param.Maximum +
                                                 "."});
    return faults;
}

std::vector<RuleFault> CIPParamFaults(const CEDSParam& param) {
    std::vector<RuleFault> faults = CIPParamValueFaults(param);
    const CIPTypeRule* rule = FindCIPTypeRule(param.DataType);
    if (rule != nullptr && rule->size != 0 && param.DataSize != rule->size)
        faults.push_back({Severity::Warning, "Data Size " + std::to_string(param.DataSize) +
                                                 " does not match " + rule->name + " (" +
                                                 std::to_string(rule->size) + " bytes)."});
    // An empty path size is checked as 0, as it always was.
    const unsigned pathSize = param.PathSize.value_or(0);
    if (const std::optional<size_t> bytes = LinkPathBytes(param.LinkPath);
        bytes && *bytes != pathSize)
        faults.push_back({Severity::Warning, "Path Size " + std::to_string(pathSize) +
                                                 " does not match the link path's " +
                                                 std::to_string(*bytes) + " bytes."});
    if ((param.Descriptor & kDescEnumStrings) != 0 && !param.EnumStrings)
        faults.push_back({Severity::Warning,
                          "The enumerated-strings bit is set, but the parameter has no "
                          "enumeration."});
    return faults;
}

} // namespace corvid
