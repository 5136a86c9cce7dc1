#include "canopen/CANopenValueRules.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ValueRange.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <optional>

namespace corvid {

namespace {

using enum CANopenValueKind;

// The data types of the CANopen numbering. The dictionary file only names
// them for the lists; what each holds is fixed by the format, so the rules
// do not follow an edited dictionary.
constexpr std::array<CANopenTypeRule, 29> kTypeRules = {{
    {0x0001, "BOOLEAN", Boolean, 1, false},
    {0x0002, "INTEGER8", Integer, 8, true},
    {0x0003, "INTEGER16", Integer, 16, true},
    {0x0004, "INTEGER32", Integer, 32, true},
    {0x0005, "UNSIGNED8", Integer, 8, false},
    {0x0006, "UNSIGNED16", Integer, 16, false},
    {0x0007, "UNSIGNED32", Integer, 32, false},
    {0x0008, "REAL32", Real32, 32, false},
    {0x0009, "VISIBLE_STRING", Text, 0, false},
    {0x000A, "OCTET_STRING", AsWritten, 0, false},
    {0x000B, "UNICODE_STRING", Text, 0, false},
    {0x000C, "TIME_OF_DAY", AsWritten, 0, false},
    {0x000D, "TIME_DIFFERENCE", AsWritten, 0, false},
    {0x000F, "DOMAIN", AsWritten, 0, false},
    {0x0010, "INTEGER24", Integer, 24, true},
    {0x0011, "REAL64", Real64, 64, false},
    {0x0012, "INTEGER40", Integer, 40, true},
    {0x0013, "INTEGER48", Integer, 48, true},
    {0x0014, "INTEGER56", Integer, 56, true},
    {0x0015, "INTEGER64", Integer, 64, true},
    {0x0016, "UNSIGNED24", Integer, 24, false},
    {0x0018, "UNSIGNED40", Integer, 40, false},
    {0x0019, "UNSIGNED48", Integer, 48, false},
    {0x001A, "UNSIGNED56", Integer, 56, false},
    {0x001B, "UNSIGNED64", Integer, 64, false},
    {0x0020, "PDO_COMMUNICATION_PARAMETER", AsWritten, 0, false},
    {0x0021, "PDO_MAPPING", AsWritten, 0, false},
    {0x0022, "SDO_PARAMETER", AsWritten, 0, false},
    {0x0023, "IDENTITY", AsWritten, 0, false},
}};

constexpr std::string_view kNodeId = "$NODEID";

// The constant part of a value relative to the node-ID ("$NODEID+0x180",
// "0x180 + $NODEID"; "$NODEID" alone gives "0"), blanks removed; the value
// itself otherwise.
std::string WithoutNodeId(std::string_view value, bool& relative) {
    std::string packed;
    for (char c : value)
        if (c != ' ' && c != '\t')
            packed += c;
    const std::string lower = ToLowerAscii(packed);
    const std::string node = ToLowerAscii(kNodeId);
    relative = true;
    if (lower == node)
        return "0";
    if (lower.starts_with(node + "+"))
        return packed.substr(node.size() + 1);
    if (lower.ends_with("+" + node))
        return packed.substr(0, packed.size() - node.size() - 1);
    relative = false;
    return std::string(value);
}

// Raw bits in hexadecimal are as good a real as a decimal number.
bool RealFits(std::string_view value, unsigned bits) {
    if (value.starts_with("0x") || value.starts_with("0X")) {
        const std::optional<IntegerValue> raw = ParseIntegerValue(value, false);
        return raw && IntegerRange{bits, false}.Holds(*raw);
    }
    const std::optional<double> real = ParseRealValue(value);
    return real && (bits == 64 || std::fabs(*real) <= FLT_MAX);
}

std::string RangeText(const CANopenTypeRule& rule) {
    switch (rule.kind) {
    case Boolean:
        return "0 or 1";
    case Integer:
        return IntegerRange{rule.bits, rule.isSigned}.Text();
    default:
        return "a number";
    }
}

bool Fits(const CANopenTypeRule& rule, std::string_view value) {
    switch (rule.kind) {
    case Boolean: {
        const std::optional<IntegerValue> number = ParseIntegerValue(value, true);
        return number && !number->negative && number->magnitude <= 1;
    }
    case Integer: {
        bool relative = false;
        const std::string constant = WithoutNodeId(value, relative);
        const std::optional<IntegerValue> number = ParseIntegerValue(constant, true);
        return number && IntegerRange{rule.bits, rule.isSigned}.Holds(*number);
    }
    case Real32:
    case Real64:
        return RealFits(value, rule.bits);
    case Text:
    case AsWritten:
        break;
    }
    return true;
}

// A value as a number for comparing, when it is one (not relative to the
// node-ID, not text).
std::optional<long double> Comparable(const CANopenTypeRule& rule, std::string_view value) {
    if (value.empty() || !Fits(rule, value))
        return std::nullopt;
    if (rule.kind == Integer || rule.kind == Boolean) {
        bool relative = false;
        WithoutNodeId(value, relative);
        if (relative)
            return std::nullopt;
        return ParseIntegerValue(value, true)->AsLongDouble();
    }
    if (rule.kind == Real32 || rule.kind == Real64) {
        if (const std::optional<double> real = ParseRealValue(value))
            return *real;
    }
    return std::nullopt;
}

} // namespace

const CANopenTypeRule* FindCANopenTypeRule(uint16_t dataType) {
    for (const CANopenTypeRule& rule : kTypeRules)
        if (rule.index == dataType)
            return &rule;
    return nullptr;
}

std::string CANopenValueFault(std::string_view label, std::string_view value, uint16_t dataType) {
    const CANopenTypeRule* rule = FindCANopenTypeRule(dataType);
    if (rule == nullptr || value.empty() || Fits(*rule, value))
        return {};
    return std::string(label) + " " + std::string(value) + " does not fit " + rule->name + " (" +
           RangeText(*rule) + ").";
}

std::vector<std::string> CANopenRecordValueFaults(const CANopenObject& record) {
    std::vector<std::string> faults;
    for (const auto& [label, value] : {std::pair{kLowLimitLabel, &record.LowLimit},
                                       std::pair{kHighLimitLabel, &record.HighLimit},
                                       std::pair{kDefaultValueLabel, &record.DefaultValue}}) {
        if (std::string fault = CANopenValueFault(label, *value, record.DataType); !fault.empty())
            faults.push_back(std::move(fault));
    }
    return faults;
}

std::string CANopenLimitOrderFault(const CANopenObject& record) {
    const CANopenTypeRule* rule = FindCANopenTypeRule(record.DataType);
    if (rule == nullptr)
        return {};
    const auto low = Comparable(*rule, record.LowLimit);
    const auto high = Comparable(*rule, record.HighLimit);
    const auto value = Comparable(*rule, record.DefaultValue);
    if (low && high && *low > *high)
        return "Low Limit " + record.LowLimit + " is above High Limit " + record.HighLimit + ".";
    if (low && value && *value < *low)
        return "Default Value " + record.DefaultValue + " is below Low Limit " + record.LowLimit +
               ".";
    if (high && value && *value > *high)
        return "Default Value " + record.DefaultValue + " is above High Limit " + record.HighLimit +
               ".";
    return {};
}

uint8_t CategoryOfIndex(uint16_t index) {
    if (index == 0x1000 || index == 0x1001 || index == 0x1018)
        return kCategoryMandatory;
    if (index >= 0x2000 && index <= 0x5FFF)
        return kCategoryManufacturer;
    return kCategoryOptional;
}

const char* ObjectListName(uint8_t category) {
    switch (category) {
    case kCategoryMandatory:
        return "MandatoryObjects";
    case kCategoryManufacturer:
        return "ManufacturerObjects";
    default:
        break;
    }
    return "OptionalObjects";
}

bool IsCANopenAccessType(std::string_view accessType) {
    for (std::string_view known : {"ro", "wo", "rw", "rwr", "rww", "const"})
        if (accessType == known)
            return true;
    return false;
}

} // namespace corvid
