#include "dictionaries/EDSTextHelper.h"

#include <algorithm>

namespace corvid {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Built in place and made a string once: writers format a number or two
// for every line of a large file.
std::string FormatHex(uint32_t value, int digits, std::string_view prefix = "0x") {
    char text[10];
    char* out = std::copy(prefix.begin(), prefix.end(), text);
    return std::string(text, PutHexDigits(value, digits, out));
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

char* PutHexDigits(uint32_t value, int digits, char* out) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        *out++ = kDigits[(value >> shift) & 0xF];
    return out;
}

void TrimBlanks(std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    text.erase(text.begin(), first);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank);
    text.erase(last.base(), text.end());
}

std::string_view TrimmedBlanksView(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string TrimmedBlanks(std::string_view text) {
    return std::string(TrimmedBlanksView(text));
}

void SqueezeKey(std::string& line) {
    const auto equals = line.find('=');
    if (equals == std::string::npos)
        return;
    const auto keyEnd = std::remove_if(line.begin(), line.begin() + equals, IsBlank);
    line.erase(keyEnd, line.begin() + equals);
}

bool IsDecimal(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsHex(std::string_view text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    return std::all_of(text.begin() + 2, text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

// One pass over the digits, which give up at the first that does not
// belong: readers parse a number or several on every line of a file.
uint32_t ParseNumber(std::string_view text) {
    uint32_t value = 0;
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        for (const char c : text.substr(2)) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                return 0;
            value = (value << 4) | static_cast<uint32_t>(digit);
        }
        return value;
    }
    for (const char c : text) {
        if (!IsDigit(c))
            return 0;
        value = value * 10u + static_cast<uint32_t>(c - '0');
    }
    return value;
}

bool ParseFlag(std::string_view text) {
    return text == "1";
}

std::string FormatHex8(uint32_t value) {
    return FormatHex(value, 2);
}
std::string FormatHex16(uint32_t value) {
    return FormatHex(value, 4);
}
std::string FormatHex32(uint32_t value) {
    return FormatHex(value, 8);
}
std::string FormatHexDigits(uint32_t value) {
    int digits = 1;
    while (digits < 8 && (value >> (digits * 4)) != 0)
        ++digits;
    return FormatHex(value, digits, "");
}

std::string FormatFlag(bool value) {
    return value ? "1" : "0";
}

std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

} // namespace corvid
