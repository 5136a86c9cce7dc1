#pragma once

// A reading of a CANopen EDS file that shares nothing with the product's
// reader: every (section, keyword) pair that carries a value, so a test can
// tell whether a save kept what the file held.

#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace corvid::test {

// Section and keyword in lower case, blanks removed from the keyword.
using CANopenPairKey = std::pair<std::string, std::string>;

struct CANopenValuePairs {
    // The last value of each pair outside the object lists.
    std::map<CANopenPairKey, std::string> values;
    // The indexes the three object lists name in their entries 1 to
    // SupportedObjects, whatever entry number names them.
    std::set<uint32_t> listed;
};

namespace detail {

inline std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

inline std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

inline bool IsHexText(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// "1A00" or "1a00sub3": the sections whose ";" lines the editor keeps.
inline bool IsObjectSection(std::string_view name) {
    const auto sub = name.find("sub");
    if (sub == std::string_view::npos)
        return IsHexText(name);
    return IsHexText(name.substr(0, sub)) && IsHexText(name.substr(sub + 3));
}

inline bool IsListSection(std::string_view name) {
    return name == "mandatoryobjects" || name == "optionalobjects" || name == "manufacturerobjects";
}

inline std::optional<uint64_t> PlainNumber(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!IsHexText(text.substr(2)) || text.size() > 18)
            return std::nullopt;
        return std::stoull(std::string(text.substr(2)), nullptr, 16);
    }
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    return std::stoull(std::string(text));
}

} // namespace detail

inline CANopenValuePairs ReadCANopenValuePairs(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    CANopenValuePairs pairs;
    std::map<std::string, std::map<std::string, std::string>> lists;
    std::string section;
    bool inSection = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = detail::Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.starts_with("[")) {
            section = detail::Lower(detail::Trim(line.substr(1, line.find(']') - 1)));
            inSection = true;
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        if (line.starts_with(";") && !detail::IsObjectSection(section))
            continue;
        std::string key;
        for (char c : line.substr(0, equals))
            if (c != ' ' && c != '\t')
                key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::string_view value = detail::Trim(line.substr(equals + 1));
        if (value.empty())
            continue;
        if (detail::IsListSection(section)) {
            lists[section][key] = std::string(value);
            continue;
        }
        pairs.values[{section, key}] = std::string(value);
    }
    for (const auto& [name, entries] : lists) {
        const auto supported = entries.find("supportedobjects");
        const uint64_t count =
            supported == entries.end() ? 0 : detail::PlainNumber(supported->second).value_or(0);
        for (const auto& [key, value] : entries) {
            const auto number = key.starts_with("0") ? std::nullopt : detail::PlainNumber(key);
            const auto index = detail::PlainNumber(value);
            if (number && *number >= 1 && *number <= count && index)
                pairs.listed.insert(static_cast<uint32_t>(*index));
        }
    }
    return pairs;
}

// Whether `saved` still says what `original` said: the same text, the same
// number in another form (0x7 for 0x0007), the same text in another letter
// case (access types are held in lower case), or 0 where the original was
// no plain number and the field holds a number.
inline bool SameCANopenValue(std::string_view original, std::string_view saved) {
    if (original == saved || detail::Lower(original) == detail::Lower(saved))
        return true;
    const auto before = detail::PlainNumber(original);
    const auto after = detail::PlainNumber(saved);
    if (before && after)
        return *before == *after;
    return !before && after && *after == 0;
}

} // namespace corvid::test
