// Any bytes read as a CANopen file: no crash, no hang, and the written form
// is a fixed point (writing what was read from it gives it back).

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvid::CCANopenEDS first;
    corvid::LoadCANopenEDSText(first, text, "fuzz.eds");
    const std::string once = corvid::FormatCANopenEDS(first);
    corvid::CCANopenEDS second;
    corvid::LoadCANopenEDSText(second, once, "fuzz.eds");
    if (corvid::FormatCANopenEDS(second) != once)
        std::abort();
    return 0;
}
