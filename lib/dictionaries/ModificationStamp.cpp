#include "dictionaries/ModificationStamp.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace corvid {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                      "jul", "aug", "sep", "oct", "nov", "dec"};

// The text cut into runs of digits, runs of letters and single other bytes.
struct Token {
    std::string text;
    bool digits = false;
    bool letters = false;
};

std::vector<Token> Tokens(std::string_view text) {
    std::vector<Token> tokens;
    for (char c : text) {
        const bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
        const bool letter = std::isalpha(static_cast<unsigned char>(c)) != 0;
        if (!tokens.empty() && (digit || letter) && tokens.back().digits == digit &&
            tokens.back().letters == letter)
            tokens.back().text += c;
        else
            tokens.push_back({std::string(1, c), digit, letter});
    }
    return tokens;
}

std::string Padded(int value, size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

bool IsMonthName(const Token& token) {
    const std::string lower = ToLowerAscii(token.text.substr(0, 3));
    return token.letters && token.text.size() == 3 &&
           std::find(kMonths.begin(), kMonths.end(), lower) != kMonths.end();
}

// A month name in the letter case of the one it replaces.
std::string MonthLike(const Token& token, int month) {
    std::string name(kMonths[static_cast<size_t>(month - 1)]);
    for (size_t i = 0; i < name.size(); ++i)
        if (std::isupper(static_cast<unsigned char>(token.text[i])) != 0)
            name[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
    return name;
}

std::string JoinTokens(const std::vector<Token>& tokens) {
    std::string text;
    for (const Token& token : tokens)
        text += token.text;
    return text;
}

std::string StandardDate(const StampTime& time) {
    return Padded(time.month, 2) + "-" + Padded(time.day, 2) + "-" + Padded(time.year, 4);
}

StampTime FromTm(const std::tm& tm) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace

StampTime SaveTimeNow() {
    std::tm tm{};
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    char* end = nullptr;
    const long long seconds = epoch == nullptr ? 0 : std::strtoll(epoch, &end, 10);
    if (epoch != nullptr && *epoch != '\0' && *end == '\0') {
        const auto fixed = static_cast<std::time_t>(seconds);
        gmtime_r(&fixed, &tm);
    } else {
        const std::time_t now = std::time(nullptr);
        localtime_r(&now, &tm);
    }
    return FromTm(tm);
}

std::string DateLike(std::string_view previous, const StampTime& time) {
    std::vector<Token> tokens = Tokens(previous);
    std::vector<Token*> parts;
    Token* monthName = nullptr;
    for (Token& token : tokens) {
        if (token.digits)
            parts.push_back(&token);
        else if (IsMonthName(token))
            monthName = &token;
    }
    const bool dotted = previous.find('.') != std::string_view::npos;
    if (monthName != nullptr && parts.size() == 2) {
        const bool yearFirst = parts[0]->text.size() == 4;
        Token* day = yearFirst ? parts[1] : parts[0];
        Token* year = yearFirst ? parts[0] : parts[1];
        day->text = Padded(time.day, day->text.size());
        year->text =
            Padded(year->text.size() == 2 ? time.year % 100 : time.year, year->text.size());
        monthName->text = MonthLike(*monthName, time.month);
        return JoinTokens(tokens);
    }
    if (monthName != nullptr || parts.size() != 3)
        return StandardDate(time);
    // Year first when it has four digits; day first with dots; else the
    // EDS order, month first.
    std::array<int, 3> values{time.month, time.day, time.year};
    size_t yearAt = 2;
    if (parts[0]->text.size() == 4) {
        values = {time.year, time.month, time.day};
        yearAt = 0;
    } else if (dotted) {
        values = {time.day, time.month, time.year};
    }
    for (size_t i = 0; i < 3; ++i) {
        const size_t width = parts[i]->text.size();
        parts[i]->text = Padded(i == yearAt && width == 2 ? time.year % 100 : values[i], width);
    }
    return JoinTokens(tokens);
}

std::string TimeLike(std::string_view previous, const StampTime& time, bool twelveHour) {
    std::vector<Token> tokens = Tokens(previous);
    std::vector<Token*> parts;
    Token* half = nullptr;
    for (Token& token : tokens) {
        if (token.digits)
            parts.push_back(&token);
        else if (token.letters &&
                 (EqualsNoCase(token.text, "AM") || EqualsNoCase(token.text, "PM")))
            half = &token;
    }
    if (parts.size() < 2 || parts.size() > 3) {
        tokens = Tokens(twelveHour ? "00:00AM" : "00:00:00");
        return TimeLike(JoinTokens(tokens), time, twelveHour);
    }
    int hour = time.hour;
    if (half != nullptr) {
        hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
        const bool upper = std::isupper(static_cast<unsigned char>(half->text[0])) != 0;
        half->text = time.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
    }
    const int values[] = {hour, time.minute, time.second};
    for (size_t i = 0; i < parts.size(); ++i)
        parts[i]->text = Padded(values[i], parts[i]->text.size());
    return JoinTokens(tokens);
}

} // namespace corvid
