#include "dictionaries/FieldTable.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid {

std::string FormatFieldNumber(int64_t value, const FieldTraits& traits) {
    switch (traits.Form) {
    case WriteForm::Flag:
        return FormatFlag(value != 0);
    case WriteForm::Hex: {
        const uint32_t bits = static_cast<uint32_t>(value);
        if (traits.Width == 1)
            return FormatHex8(bits);
        if (traits.Width == 2)
            return FormatHex16(bits);
        return FormatHex32(bits);
    }
    case WriteForm::AsIs:
    case WriteForm::Decimal:
        break;
    }
    return std::to_string(value);
}

} // namespace corvid
