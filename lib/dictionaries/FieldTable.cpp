#include "dictionaries/FieldTable.h"

#include "dictionaries/EDSTextHelper.h"

#include <charconv>
#include <iterator>

namespace corvid {

std::string_view FormatFieldNumber(int64_t value, const FieldTraits& traits,
                                   FieldNumberText& room) {
    char* const begin = room.Text;
    char* end = begin;
    switch (traits.Form) {
    case WriteForm::Flag:
        *end++ = value != 0 ? '1' : '0';
        break;
    case WriteForm::Hex: {
        const int digits = traits.Width == 1 ? 2 : traits.Width == 2 ? 4 : 8;
        *end++ = '0';
        *end++ = 'x';
        end = PutHexDigits(static_cast<uint32_t>(value), digits, end);
        break;
    }
    case WriteForm::AsIs:
    case WriteForm::Decimal:
        end = std::to_chars(begin, std::end(room.Text), value).ptr;
        break;
    }
    return {begin, static_cast<size_t>(end - begin)};
}

std::string FormatFieldNumber(int64_t value, const FieldTraits& traits) {
    FieldNumberText room;
    return std::string(FormatFieldNumber(value, traits, room));
}

} // namespace corvid
