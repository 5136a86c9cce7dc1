#pragma once

// A small reading of DeviceNet and EtherNet/IP files of its own, apart from
// the product's line scanner, so corpus tests can tell what a save lost: the
// (section, keyword) pairs that carry a value, and the AssemN, ParamN and
// ConnectionN names the values refer to.
//
// The syntax as read here: "[Name]" at the start of an entry opens a
// section; an entry is "keyword = value" and ends at the first ";" outside
// double quotes, on its own line or a later one; "$" outside quotes starts a
// comment that runs to the end of the line; the value's fields are split at
// "," outside quotes. Blanks outside quotes carry no meaning.

#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvid::test {

struct CIPEntry {
    std::string section;             // name between the brackets, blanks around it removed
    std::string keyword;             // blanks removed
    std::vector<std::string> fields; // blanks outside quotes removed
    int line = 0;                    // where the entry begins
};

namespace cip_detail {

inline std::string WithoutBlanksOutsideQuotes(std::string_view text) {
    std::string out;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (!quoted && std::isspace(static_cast<unsigned char>(c)))
            continue;
        out += c;
    }
    return out;
}

inline std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

inline std::vector<std::string> SplitFields(std::string_view value) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (char c : value) {
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted) {
            fields.push_back(WithoutBlanksOutsideQuotes(field));
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(WithoutBlanksOutsideQuotes(field));
    return fields;
}

inline void AddEntry(std::vector<CIPEntry>& entries, const std::string& section,
                     std::string_view text, int line) {
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        if (text[i] == '=' && !quoted) {
            entries.push_back({section, WithoutBlanksOutsideQuotes(text.substr(0, i)),
                               SplitFields(text.substr(i + 1)), line});
            return;
        }
    }
}

// A plain decimal (with an optional sign) or 0x hexadecimal number.
inline std::optional<int64_t> NumberValue(const std::string& text) {
    static const std::regex number("[-+]?[0-9]+|0[xX][0-9a-fA-F]+");
    if (text.size() > 17 || !std::regex_match(text, number))
        return std::nullopt;
    return std::stoll(text, nullptr, text.find_first_of("xX") != std::string::npos ? 16 : 10);
}

} // namespace cip_detail

// Every entry of the file that has a keyword, in file order.
inline std::vector<CIPEntry> CIPEntries(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<CIPEntry> entries;
    std::string section;
    std::string pending;
    int pendingLine = 0;
    int lineNumber = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        const std::string trimmed = cip_detail::Trimmed(line);
        if (cip_detail::Trimmed(pending).empty() && trimmed.starts_with('[')) {
            const size_t close = trimmed.find(']');
            section = cip_detail::Trimmed(
                trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            pending.clear();
            continue;
        }
        bool quoted = false;
        for (char c : line) {
            if (c == '"')
                quoted = !quoted;
            if (!quoted && c == '$')
                break;
            if (!quoted && c == ';') {
                cip_detail::AddEntry(entries, section, pending, pendingLine);
                pending.clear();
                continue;
            }
            if (cip_detail::Trimmed(pending).empty() &&
                !std::isspace(static_cast<unsigned char>(c)))
                pendingLine = lineNumber;
            pending += c;
        }
        pending += ' ';
    }
    return entries;
}

// True when the entry's value holds anything.
inline bool CarriesValue(const CIPEntry& entry) {
    for (const std::string& field : entry.fields)
        if (!field.empty())
            return true;
    return false;
}

// Two values are the same when every field is: equal texts, equal numbers
// in any form ("0x0007" and "7"), or 0 against a text that is no number:
// a field the model holds as a number reads such a text as 0, and a zero
// precision is written as an empty field. A missing field counts as empty.
inline bool SameCIPValue(const std::vector<std::string>& before,
                         const std::vector<std::string>& after) {
    for (size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const std::string b = i < before.size() ? before[i] : std::string();
        const std::string a = i < after.size() ? after[i] : std::string();
        if (a == b)
            continue;
        const auto numberBefore = cip_detail::NumberValue(b);
        const auto numberAfter = cip_detail::NumberValue(a);
        if (numberBefore && numberAfter && *numberBefore == *numberAfter)
            continue;
        if ((!numberBefore && numberAfter == 0) || (!numberAfter && numberBefore == 0))
            continue;
        return false;
    }
    return true;
}

struct CIPKeptPairs {
    size_t pairs = 0;              // (section, keyword) pairs that carry a value before the save
    size_t kept = 0;               // of those, the ones found after it with the same value
    std::vector<std::string> lost; // "[section] keyword (line)"
};

// How many valued pairs of `before` are found in `after` with the same
// value; a pair that occurs n times is matched occurrence by occurrence.
inline CIPKeptPairs CountKeptPairs(std::string_view before, std::string_view after) {
    std::map<std::pair<std::string, std::string>, std::vector<const CIPEntry*>> saved;
    const std::vector<CIPEntry> afterEntries = CIPEntries(after);
    for (const CIPEntry& entry : afterEntries)
        saved[{entry.section, entry.keyword}].push_back(&entry);
    std::map<std::pair<std::string, std::string>, size_t> occurrence;
    CIPKeptPairs count;
    for (const CIPEntry& entry : CIPEntries(before)) {
        const size_t n = occurrence[{entry.section, entry.keyword}]++;
        if (!CarriesValue(entry))
            continue;
        ++count.pairs;
        const auto found = saved.find({entry.section, entry.keyword});
        if (found != saved.end() && n < found->second.size() &&
            SameCIPValue(entry.fields, found->second[n]->fields))
            ++count.kept;
        else
            count.lost.push_back("[" + entry.section + "] " + entry.keyword + " (line " +
                                 std::to_string(entry.line) + ")");
    }
    return count;
}

struct CIPReferences {
    size_t references = 0;
    std::multiset<std::string> broken; // names that no entry of the file defines
};

// The AssemN, ParamN and ConnectionN names used in values, and which of
// them name no AssemN entry of [Assembly], ParamN entry of [Params] or
// ConnectionN entry of [Connection Manager].
inline CIPReferences CountReferences(std::string_view text) {
    static const std::regex defined("(Assem|Param|Connection)[0-9]+");
    static const std::regex used("(^|[^A-Za-z0-9_])((Assem|Param|Connection)[0-9]+)(?![0-9])");
    const std::vector<CIPEntry> entries = CIPEntries(text);
    const std::map<std::string, std::string> sectionOf = {
        {"Assem", "Assembly"}, {"Param", "Params"}, {"Connection", "Connection Manager"}};
    std::set<std::string> names;
    for (const CIPEntry& entry : entries) {
        std::smatch match;
        if (std::regex_match(entry.keyword, match, defined) &&
            sectionOf.at(match[1]) == entry.section)
            names.insert(entry.keyword);
    }
    CIPReferences result;
    for (const CIPEntry& entry : entries) {
        for (const std::string& field : entry.fields) {
            for (auto it = std::sregex_iterator(field.begin(), field.end(), used);
                 it != std::sregex_iterator(); ++it) {
                ++result.references;
                if (!names.contains((*it)[2]))
                    result.broken.insert((*it)[2].str());
            }
        }
    }
    return result;
}

} // namespace corvid::test
