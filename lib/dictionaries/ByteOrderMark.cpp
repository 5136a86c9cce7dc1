#include "dictionaries/ByteOrderMark.h"

namespace corvid {

bool StripByteOrderMark(std::string_view& text) {
    if (!text.starts_with(kUtf8ByteOrderMark))
        return false;
    text.remove_prefix(kUtf8ByteOrderMark.size());
    return true;
}

} // namespace corvid
