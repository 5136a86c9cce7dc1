// Any bytes read as an EtherNet/IP file: no crash, no hang, and the written
// form is a fixed point (writing what was read from it gives it back).
//
// The fixed point is checked for inputs whose lines each hold an even number
// of double quotes. A quoted text left open at the end of a line is kept as
// written, and its meaning depends on where the lines break; the writer's
// layout breaks lines elsewhere, so such a text cannot read back the same.
// Real files close every quote on its line.

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool EveryLineClosesItsQuotes(std::string_view text) {
    size_t quotes = 0;
    for (const char c : text) {
        if (c == '"')
            ++quotes;
        else if (c == '\n' && quotes % 2 != 0)
            return false;
    }
    return quotes % 2 == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvid::CEtherNetIPEDS first;
    corvid::LoadEtherNetIPEDSText(first, text, "fuzz.eds");
    const std::string once = corvid::FormatEtherNetIPEDS(first);
    if (!EveryLineClosesItsQuotes(text))
        return 0;
    corvid::CEtherNetIPEDS second;
    corvid::LoadEtherNetIPEDSText(second, once, "fuzz.eds");
    if (corvid::FormatEtherNetIPEDS(second) != once)
        std::abort();
    return 0;
}
