#include "dictionaries/ValueRange.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace corvid {

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

std::optional<uint64_t> ParseDigits(std::string_view digits, int base) {
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base || value > (std::numeric_limits<uint64_t>::max() - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}

uint64_t LargestMagnitude(const IntegerRange& range, bool negative) {
    const unsigned valueBits = range.isSigned ? range.bits - 1 : range.bits;
    const uint64_t largest =
        valueBits >= 64 ? std::numeric_limits<uint64_t>::max() : (uint64_t{1} << valueBits) - 1;
    return negative ? largest + 1 : largest;
}

} // namespace

long double IntegerValue::AsLongDouble() const {
    const auto value = static_cast<long double>(magnitude);
    return negative ? -value : value;
}

std::optional<IntegerValue> ParseIntegerValue(std::string_view text, bool octal) {
    IntegerValue value;
    if (text.starts_with('-')) {
        value.negative = true;
        text.remove_prefix(1);
    }
    std::optional<uint64_t> magnitude;
    if (text.starts_with("0x") || text.starts_with("0X"))
        magnitude = ParseDigits(text.substr(2), 16);
    else if (octal && text.size() > 1 && text[0] == '0')
        magnitude = ParseDigits(text.substr(1), 8);
    else
        magnitude = ParseDigits(text, 10);
    if (!magnitude)
        return std::nullopt;
    value.magnitude = *magnitude;
    return value;
}

std::optional<double> ParseRealValue(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IntegerRange::Holds(const IntegerValue& value) const {
    if (value.negative && value.magnitude != 0 && !isSigned)
        return false;
    return value.magnitude <= LargestMagnitude(*this, value.negative && value.magnitude != 0);
}

std::string IntegerRange::Text() const {
    const std::string lowest =
        isSigned ? std::string("-") + std::to_string(LargestMagnitude(*this, true))
                 : std::string("0");
    return lowest + " to " + std::to_string(LargestMagnitude(*this, false));
}

} // namespace corvid
