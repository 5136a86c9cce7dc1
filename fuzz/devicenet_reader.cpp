// Any bytes read as a DeviceNet file: no crash, no hang, and the written
// form is a fixed point (writing what was read from it gives it back).
//
// The fixed point is checked only for inputs whose lines, once normalised,
// hold an even number of double quotes. Texts are written as held, without
// escaping, so a value with an unbalanced quote turns the rest of its line
// into quoted text when read back; no layout that writes values unchanged
// can carry it.

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"
#include "devicenet/EDSLineScanner.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool QuotesBalancedOnEveryLine(std::string_view text) {
    corvid::CEDSLineSource source(text);
    std::string line;
    while (source.Next(line))
        if (std::count(line.begin(), line.end(), '"') % 2 != 0)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvid::CDeviceNetEDS first;
    corvid::LoadDeviceNetEDSText(first, text, "fuzz.eds");
    const std::string once = corvid::FormatDeviceNetEDS(first);
    corvid::CDeviceNetEDS second;
    corvid::LoadDeviceNetEDSText(second, once, "fuzz.eds");
    if (corvid::FormatDeviceNetEDS(second) != once && QuotesBalancedOnEveryLine(text))
        std::abort();
    return 0;
}
