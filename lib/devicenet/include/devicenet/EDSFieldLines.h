#pragma once

// Single-value keyword lines ("\tKeyword=value;") of DeviceNet and
// EtherNet/IP sections, read into and written from a record through its
// field table, so each section's keywords are named in one place.

#include "devicenet/EDSLineScanner.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FieldTable.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace corvid {

// "\tKeyword=value;"
void FormatKeyword(CEDSLineWriter& out, std::string_view keyword, std::string_view value);

// True when the normalised line begins with `keyword` and "=".
bool KeywordLineAt(std::string_view line, std::string_view keyword);

// Stores a value as the reader takes it: texts as given, numbers and flags
// by ParseNumber (signed ones with an optional leading "-"), cut to the
// member's width.
template <typename Record>
void StoreCIPField(Record& record, const FieldEntry<Record>& item, std::string_view text) {
    StoreFieldText(
        record, item, text, [](std::string_view flag) { return ParseNumber(flag) != 0; },
        [](std::string_view number, bool isSigned) -> int64_t {
            if (isSigned)
                return ParseSigned16(number);
            return ParseNumber(number);
        });
}

// A normalised single-value line into the field of `table` it names;
// false, changing nothing, when it names none.
template <typename Record, size_t N>
bool ReadFieldLine(std::string_view line, std::type_identity_t<Record>& record,
                   const FieldTable<Record, N>& table) {
    for (const FieldEntry<Record>& item : table) {
        if (KeywordLineAt(line, item.Keyword)) {
            StoreCIPField(static_cast<Record&>(record), item, SingleValue(line));
            return true;
        }
    }
    return false;
}

// The fields of a joined entry, in table order; the last takes the rest of
// the entry (EntryFields with a count).
template <typename Record, size_t N>
void ReadEntryFields(std::string_view entry, Record& record, const FieldTable<Record, N>& table) {
    const std::vector<std::string> fields = EntryFields(entry, N);
    for (size_t i = 0; i < N; ++i)
        StoreCIPField(record, table[i], fields[i]);
}

// Whether a field with empty text gets its line.
enum class EmptyFields { Write, Omit };

// One keyword line per field, in table order, in the field's writer form.
template <typename Record, size_t N>
void FormatFieldLines(CEDSLineWriter& out, const std::type_identity_t<Record>& record,
                      const FieldTable<Record, N>& table, EmptyFields empty = EmptyFields::Write) {
    for (const FieldEntry<Record>& item : table) {
        const std::string text = FieldText(static_cast<const Record&>(record), item);
        if (empty == EmptyFields::Write || !text.empty())
            FormatKeyword(out, item.Keyword, text);
    }
}

} // namespace corvid
