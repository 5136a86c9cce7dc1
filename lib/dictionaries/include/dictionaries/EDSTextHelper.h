#pragma once

// The text and number rules every reader, writer and editor shares. They
// decide how each number of every EDS file is read and written, so they are
// kept deliberately plain: no signs, no blanks, no suffixes.

#include <cstdint>
#include <string>
#include <string_view>

namespace corvid {

// Put in front of a sub-index row's key by the editing view.
inline constexpr std::string_view kIndentText = "     ";

// Removes leading and trailing spaces and tabs; blanks inside stay.
void TrimBlanks(std::string& text);
std::string TrimmedBlanks(std::string_view text);
// The same text as a view of `text`, for lookups that keep no copy.
std::string_view TrimmedBlanksView(std::string_view text);

// Removes every space and tab in front of the first "="; a line without "="
// stays as it is.
void SqueezeKey(std::string& line);

bool IsDecimal(std::string_view text);
bool IsHex(std::string_view text);

// Plain decimal, or "0x"/"0X" hexadecimal; anything else is 0. Wraps modulo
// 2^32 like the original conversion, which stored files rely on.
uint32_t ParseNumber(std::string_view text);

// Exactly "1" is true.
bool ParseFlag(std::string_view text);

// The last `digits` upper-case hex digits of `value`, put at `out`;
// returns their end.
char* PutHexDigits(uint32_t value, int digits, char* out);
std::string FormatHex8(uint32_t value);
std::string FormatHex16(uint32_t value);
std::string FormatHex32(uint32_t value);
std::string FormatFlag(bool value);
// Upper-case hex digits without prefix or leading zeros ("1A00", "0").
std::string FormatHexDigits(uint32_t value);

// ASCII lower case, byte by byte; other bytes stay.
std::string ToLowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// The text inside one pair of enclosing double quotes; other text as it is.
constexpr std::string_view WithoutQuotes(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

} // namespace corvid
