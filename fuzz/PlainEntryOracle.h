#pragma once

// A parameter or assembly entry taken straight from the file's text
// (TakePlainEntry) must read as cleaning and joining its lines reads it:
// the same fields, and the line source left where joining leaves it, since
// the kept layout and the parameter list's room are worked out from there. An entry that is
// not plain must leave the source where it was, for the joining read.

#include "devicenet/EDSFieldLines.h"
#include "devicenet/EDSLineScanner.h"
#include "devicenet/EDSParamFields.h"
#include "devicenet/EDSPlainEntry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid::fuzz {

struct PlainEntryCheck {
    bool Plain = false;     // the entry was taken straight from the text
    std::string Difference; // empty when both reads agree
};

inline bool SameLinePlace(const CEDSLineSource& one, const CEDSLineSource& other) {
    return one.LineNumber() == other.LineNumber() && one.LineOffset() == other.LineOffset() &&
           one.RawLine().data() == other.RawLine().data() &&
           one.RawLine().size() == other.RawLine().size() &&
           one.Rest().data() == other.Rest().data() && one.Rest().size() == other.Rest().size();
}

// The fields of the entry `source` took the first line of, taken straight
// from the text into `plain` when that entry is plain, and as the reader
// splits it once joined into `expected`: a parameter's fixed fields, or an
// assembly's list of every field.
inline bool TakeBothWays(CEDSLineSource& plain, CEDSLineSource& joined, std::string& line,
                         const NumberedKey& key, bool listed, std::vector<std::string_view>& fields,
                         std::vector<std::string_view>& expected) {
    if (listed) {
        if (!TakePlainEntry(plain, fields))
            return false;
        if (JoinEntry(line, joined))
            TakeFieldViews(CEntryFieldCursor(std::string_view(line).substr(key.Equals)), expected);
        return true;
    }
    ParamFieldTexts texts{};
    if (!TakePlainEntry(plain, texts))
        return false;
    fields.assign(texts.begin(), texts.end());
    CEntryFieldEnds ends;
    if (JoinEntry(line, joined, &ends, key.Equals)) {
        const ParamFieldTexts joinedTexts =
            EntryFieldViews<kParamFields.size()>(CEntryFieldCursor(line, ends));
        expected.assign(joinedTexts.begin(), joinedTexts.end());
    }
    return true;
}

// Both reads of the ParamN or AssemN entry whose first line, cleaned into
// `line`, `source` took last; nothing for a line that is no such key.
inline PlainEntryCheck CheckPlainEntry(const CEDSLineSource& source, std::string line) {
    std::optional<NumberedKey> key = NumberedKeyAt(line, "Param");
    const bool listed = !key;
    if (listed)
        key = NumberedKeyAt(line, "Assem");
    if (!key)
        return {};
    CEDSLineSource plain = source;
    CEDSLineSource joined = source;
    std::vector<std::string_view> fields;
    std::vector<std::string_view> expected;
    if (!TakeBothWays(plain, joined, line, *key, listed, fields, expected))
        return {false, SameLinePlace(plain, source) ? "" : "moved though not plain"};
    if (expected.empty())
        return {true, "taken, but cut off when joined"};
    if (fields.size() != expected.size())
        return {true, std::to_string(fields.size()) + " fields, joined " +
                          std::to_string(expected.size())};
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i] != expected[i])
            return {true, "field " + std::to_string(i) + " is \"" + std::string(fields[i]) +
                              "\", joined \"" + std::string(expected[i]) + "\""};
    if (!SameLinePlace(plain, joined))
        return {true, "the source stands at line " + std::to_string(plain.LineNumber()) +
                          ", joined at line " + std::to_string(joined.LineNumber())};
    return {true, ""};
}

// Every ParamN and AssemN line of `text`, wherever it stands, reads the
// same both ways.
inline bool PlainEntriesAgree(std::string_view text) {
    CEDSLineSource source(text);
    std::string line;
    while (source.Next(line))
        if (!CheckPlainEntry(source, line).Difference.empty())
            return false;
    return true;
}

} // namespace corvid::fuzz
