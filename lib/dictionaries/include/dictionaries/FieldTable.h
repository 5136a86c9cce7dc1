#pragma once

// One table per keyword section (and per field list of a multi-field entry):
// each keyword is described once, with its spelling as files write it, the
// model member that holds it, the kind of value, the editor the page offers
// and the form the writer gives it. Readers, writers, page rows, commit rules,
// the JSON dump and the checks all walk these tables, so a new keyword is one
// line in one table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace corvid {

// What a value is, which decides how it is parsed and checked.
enum class ValueKind : uint8_t {
    Text,   // free text, without its surrounding blanks
    Quoted, // text between double quotes, the quotes part of the value
    Number, // integer of Width bytes, Signed or not
    Flag,   // true or false
    Raw,    // kept exactly as written, never parsed
    List,   // comma-separated values
};

// How the writer spells a number or flag.
enum class WriteForm : uint8_t {
    AsIs,    // texts: the value itself
    Decimal, // "651"
    Hex,     // "0x" and two digits per byte of Width: "0x028B"
    Flag,    // "1" or "0"
};

// The editor a page offers for the value.
enum class FieldEditor : uint8_t {
    ReadOnly,
    Text,        // single-line text
    FlagList,    // "0" / "1"
    DecimalList, // 0 to ListLast in decimal
    HexList,     // 0x00 to ListLast in hexadecimal
    Popup,       // a popup of the page's own kind (bits, enumeration)
};

struct FieldTraits {
    ValueKind Kind = ValueKind::Text;
    uint8_t Width = 0; // bytes of a Number
    bool Signed = false;
    WriteForm Form = WriteForm::AsIs;
    FieldEditor Editor = FieldEditor::Text;
    uint32_t ListLast = 0; // DecimalList, HexList: the last item
    // The page's name for the value (a row of a keyword page, a column of a
    // table page) where it is not the keyword.
    std::string_view Label{};
    // The page column that shows the value: 1 on keyword pages.
    uint8_t Column = 1;
    // What the writer puts for an empty text, where the file needs a value.
    std::string_view Fallback{};
    // Files must give the keyword; the check reports it missing.
    bool Required = false;
};

// The traits of the common kinds, so tables read as one line per keyword.
inline constexpr FieldTraits kTextField{};
inline constexpr FieldTraits kQuotedField{ValueKind::Quoted};
inline constexpr FieldTraits kRawField{ValueKind::Raw};
inline constexpr FieldTraits kFlagField{ValueKind::Flag, 0, false, WriteForm::Flag,
                                        FieldEditor::FlagList};
constexpr FieldTraits DecimalField(uint8_t width, bool isSigned = false,
                                   FieldEditor editor = FieldEditor::Text, uint32_t last = 0) {
    return {ValueKind::Number, width, isSigned, WriteForm::Decimal, editor, last};
}
constexpr FieldTraits HexField(uint8_t width, FieldEditor editor = FieldEditor::Text,
                               uint32_t last = 0) {
    return {ValueKind::Number, width, false, WriteForm::Hex, editor, last};
}

// The same traits shown under another name, in another column, or written
// with a fallback for an empty text.
constexpr FieldTraits Labelled(FieldTraits traits, std::string_view label) {
    traits.Label = label;
    return traits;
}
constexpr FieldTraits InColumn(FieldTraits traits, uint8_t column) {
    traits.Column = column;
    return traits;
}
constexpr FieldTraits MustHave(FieldTraits traits) {
    traits.Required = true;
    return traits;
}
constexpr FieldTraits WithFallback(FieldTraits traits, std::string_view fallback) {
    traits.Fallback = fallback;
    return traits;
}

// The member behind a keyword, of whichever type the model gives it.
template <typename Record>
using FieldMember =
    std::variant<std::string Record::*, bool Record::*, uint8_t Record::*, uint16_t Record::*,
                 uint32_t Record::*, int16_t Record::*, int32_t Record::*>;

template <typename Record> struct FieldEntry {
    std::string_view Keyword; // as files write it
    FieldMember<Record> Member;
    FieldTraits Traits;
};

template <typename Record, size_t N> using FieldTable = std::array<FieldEntry<Record>, N>;

// Which keywords of a record its file gave, by their place in the record's
// table. A record Corvid makes has them all, so a file it creates gets every
// line; a reader starts from none and adds each keyword it reads, and an
// edit adds the one it sets. Writers of a record that was read then write
// what its file gave, an empty value included, and invent nothing else.
class GivenFields {
public:
    void StartReading() {
        read_ = true;
        bits_ = 0;
    }
    void Add(size_t place) { bits_ |= Bit(place); }
    bool Has(size_t place) const { return !read_ || (bits_ & Bit(place)) != 0; }
    // Read from a file, rather than made by Corvid.
    bool Read() const { return read_; }
    // Read, and not one keyword given: the file had no such section.
    bool None() const { return read_ && bits_ == 0; }

    bool operator==(const GivenFields&) const = default;

private:
    static uint64_t Bit(size_t place) { return place < 64 ? uint64_t{1} << place : 0; }
    bool read_ = false;
    uint64_t bits_ = 0;
};

// The place of `item` in `table`.
template <typename Record, size_t N>
constexpr size_t FieldPlace(const FieldTable<Record, N>& table, const FieldEntry<Record>& item) {
    return static_cast<size_t>(&item - table.data());
}

// How keywords of a fieldbus compare: CANopen files are matched without
// regard to letter case, DeviceNet and EtherNet/IP files exactly.
enum class KeywordMatch : uint8_t { Exact, IgnoreCase };

constexpr bool KeywordEquals(std::string_view a, std::string_view b, KeywordMatch match) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (match == KeywordMatch::IgnoreCase) {
            x = (x >= 'A' && x <= 'Z') ? static_cast<char>(x - 'A' + 'a') : x;
            y = (y >= 'A' && y <= 'Z') ? static_cast<char>(y - 'A' + 'a') : y;
        }
        if (x != y)
            return false;
    }
    return true;
}

// The entry of `keyword`, or nullptr when the table has none.
template <typename Record, size_t N>
constexpr const FieldEntry<Record>* FindField(const FieldTable<Record, N>& table,
                                              std::string_view keyword, KeywordMatch match) {
    for (const FieldEntry<Record>& item : table)
        if (KeywordEquals(item.Keyword, keyword, match))
            return &item;
    return nullptr;
}

// The name the page gives the entry.
template <typename Record> constexpr std::string_view PageName(const FieldEntry<Record>& item) {
    return item.Traits.Label.empty() ? item.Keyword : item.Traits.Label;
}

// The entry the page shows under `name`, or nullptr.
template <typename Record, size_t N>
constexpr const FieldEntry<Record>* FindPageField(const FieldTable<Record, N>& table,
                                                  std::string_view name) {
    for (const FieldEntry<Record>& item : table)
        if (PageName(item) == name)
            return &item;
    return nullptr;
}

// Sets the member of `item` from a file's text: a text as it is, a flag by
// `flag(text)`, a number by `number(text, isSigned)` kept to the member's
// width. Each fieldbus gives its own reading of flags and numbers.
template <typename Record, typename FlagRule, typename NumberRule>
void StoreFieldText(Record& record, const FieldEntry<Record>& item, std::string_view text,
                    FlagRule flag, NumberRule number) {
    std::visit(
        [&](auto member) {
            auto& field = record.*member;
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>)
                field = std::string(text);
            else if constexpr (std::is_same_v<Field, bool>)
                field = flag(text);
            else
                field = static_cast<Field>(number(text, std::is_signed_v<Field>));
        },
        item.Member);
}

// Room for the writer's form of any number or flag.
struct FieldNumberText {
    char Text[24];
};

// The writer's form of a number or flag with `traits`: decimal, "0x" with
// two digits per byte of Width, or "1"/"0". The first form is made in
// `room`, for writers that format a number for most lines of a large file.
std::string_view FormatFieldNumber(int64_t value, const FieldTraits& traits, FieldNumberText& room);
std::string FormatFieldNumber(int64_t value, const FieldTraits& traits);

// The value of `item` in `record` in the writer's form.
template <typename Record>
std::string FieldText(const Record& record, const FieldEntry<Record>& item) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = record.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                return value;
            else
                return FormatFieldNumber(static_cast<int64_t>(value), item.Traits);
        },
        item.Member);
}

} // namespace corvid
