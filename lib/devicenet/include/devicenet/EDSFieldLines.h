#pragma once

// Single-value keyword lines ("\tKeyword=value;") of DeviceNet and
// EtherNet/IP sections, read into and written from a record through its
// field table, so each section's keywords are named in one place.

#include "devicenet/EDSLineScanner.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FieldTable.h"

#include <array>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace corvid {

// "\tKeyword=value;"
void FormatKeyword(CEDSLineWriter& out, std::string_view keyword, std::string_view value);

// True when the normalised line begins with `keyword` and "=".
bool KeywordLineAt(std::string_view line, std::string_view keyword);

// Whether a field with empty text gets its line.
enum class EmptyFields { Write, Omit };

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

// Records that keep what their file gave (GivenFields) note the keyword.
template <typename Record, size_t N>
void MarkGiven(Record& record, const FieldTable<Record, N>& table, const FieldEntry<Record>& item) {
    if constexpr (requires { record.Given; })
        record.Given.Add(FieldPlace(table, item));
}

// Whether a keyword is written: a record that was read writes what its file
// gave, an empty value included, and nothing else; one Corvid made writes
// every keyword, empty ones unless `empty` leaves them out.
template <typename Record, size_t N>
bool WritesField(const Record& record, const FieldTable<Record, N>& table,
                 const FieldEntry<Record>& item, bool emptyText, EmptyFields empty) {
    if constexpr (requires { record.Given; }) {
        if (record.Given.Read())
            return record.Given.Has(FieldPlace(table, item));
    }
    return empty == EmptyFields::Write || !emptyText;
}

// A normalised single-value line into the field of `table` it names;
// false, changing nothing, when it names none.
template <typename Record, size_t N>
bool ReadFieldLine(std::string_view line, std::type_identity_t<Record>& record,
                   const FieldTable<Record, N>& table) {
    for (const FieldEntry<Record>& item : table) {
        if (KeywordLineAt(line, item.Keyword)) {
            StoreCIPField(static_cast<Record&>(record), item, SingleValue(line));
            MarkGiven(static_cast<Record&>(record), table, item);
            return true;
        }
    }
    return false;
}

// The fields the cursor has left, as views, put in `fields` (emptied
// first): a list of them is then made with its room known, and `fields`,
// kept from entry to entry, makes no heap block of its own.
inline void TakeFieldViews(CEntryFieldCursor cursor, std::vector<std::string_view>& fields) {
    fields.clear();
    std::string_view field;
    while (cursor.Next(field))
        fields.push_back(field);
}

// The fields of a joined entry, in table order; the last takes the rest of
// the entry (EntryFields with a count).
template <typename Record, size_t N>
void ReadEntryFields(CEntryFieldCursor entry, Record& record, const FieldTable<Record, N>& table) {
    const std::array<std::string_view, N> fields = EntryFieldViews<N>(entry);
    for (size_t i = 0; i < N; ++i)
        StoreCIPField(record, table[i], fields[i]);
}

template <typename Record, size_t N>
void ReadEntryFields(std::string_view entry, Record& record, const FieldTable<Record, N>& table) {
    ReadEntryFields(CEntryFieldCursor(entry), record, table);
}

// One keyword line per field, in table order, in the field's writer form.
template <typename Record, size_t N>
void FormatFieldLines(CEDSLineWriter& out, const std::type_identity_t<Record>& record,
                      const FieldTable<Record, N>& table, EmptyFields empty = EmptyFields::Write) {
    const Record& fields = record;
    for (const FieldEntry<Record>& item : table) {
        const std::string text = FieldText(fields, item);
        if (WritesField(fields, table, item, text.empty(), empty))
            FormatKeyword(out, item.Keyword, text);
    }
}

} // namespace corvid
