#pragma once

// Integer and real values as EDS files of every fieldbus write them, and the
// ranges of the fixed-width types they must fit. Unlike ParseNumber, which
// reads what the models store, these refuse rather than guess: a sign, an
// overflow or a stray character is no number.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvid {

struct IntegerValue {
    bool negative = false;
    uint64_t magnitude = 0;

    long double AsLongDouble() const;
};

// An optional "-", then decimal digits, or "0x"/"0X" and hex digits, or
// (with `octal`) "0" and octal digits. None when the text is anything else or
// exceeds 64 bits.
std::optional<IntegerValue> ParseIntegerValue(std::string_view text, bool octal);

// A decimal real ("0.5", "-1e3", "2") read without regard to the locale.
std::optional<double> ParseRealValue(std::string_view text);

// The range of an integer type of `bits` bits (1 to 64).
struct IntegerRange {
    unsigned bits = 8;
    bool isSigned = false;

    bool Holds(const IntegerValue& value) const;
    // "0 to 65535", "-128 to 127".
    std::string Text() const;
};

} // namespace corvid
