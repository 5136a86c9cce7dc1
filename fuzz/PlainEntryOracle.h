#pragma once

// A parameter entry taken straight from the file's text (TakePlainEntry)
// must read as cleaning and joining its lines reads it: the same fields,
// and the line source left where joining leaves it, since the kept layout
// and the parameter list's room are worked out from there. An entry that is
// not plain must leave the source where it was, for the joining read.

#include "devicenet/EDSLineScanner.h"
#include "devicenet/EDSParamFields.h"
#include "devicenet/EDSPlainEntry.h"

#include <optional>
#include <string>
#include <string_view>

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

// Both reads of the ParamN entry whose first line, cleaned into `line`,
// `source` took last; nothing for a line that is no such key.
inline PlainEntryCheck CheckPlainEntry(const CEDSLineSource& source, std::string line) {
    const std::optional<NumberedKey> key = NumberedKeyAt(line, "Param");
    if (!key)
        return {};
    CEDSLineSource plain = source;
    ParamFieldTexts fields{};
    if (!TakePlainEntry(plain, fields))
        return {false, SameLinePlace(plain, source) ? "" : "moved though not plain"};
    CEDSLineSource joined = source;
    CEntryFieldEnds ends;
    if (!JoinEntry(line, joined, &ends, key->Equals))
        return {true, "taken, but cut off when joined"};
    const ParamFieldTexts expected =
        EntryFieldViews<kParamFields.size()>(CEntryFieldCursor(line, ends));
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i] != expected[i])
            return {true, "field " + std::to_string(i) + " is \"" + std::string(fields[i]) +
                              "\", joined \"" + std::string(expected[i]) + "\""};
    if (!SameLinePlace(plain, joined))
        return {true, "the source stands at line " + std::to_string(plain.LineNumber()) +
                          ", joined at line " + std::to_string(joined.LineNumber())};
    return {true, ""};
}

// Every ParamN line of `text`, wherever it stands, reads the same both ways.
inline bool PlainEntriesAgree(std::string_view text) {
    CEDSLineSource source(text);
    std::string line;
    while (source.Next(line))
        if (!CheckPlainEntry(source, line).Difference.empty())
            return false;
    return true;
}

} // namespace corvid::fuzz
