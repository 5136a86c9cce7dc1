// Any bytes read as a DeviceNet file: no crash, no hang, and the written
// form is a fixed point (writing what was read from it gives it back) that
// keeps every line the first read kept, for the inputs RoundTripOracle.h
// names. A save in the file's own layout gives the bytes back, for every
// input (KeptLayoutOracle.h). Every parameter and assembly entry taken
// straight from the text reads as its joined lines do (PlainEntryOracle.h).

#include "KeptLayoutOracle.h"
#include "PlainEntryOracle.h"
#include "RoundTripOracle.h"

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvid::CDeviceNetEDS first;
    corvid::LoadDeviceNetEDSText(first, text, "fuzz.eds");
    const std::string once = corvid::FormatDeviceNetEDS(first);
    corvid::CDeviceNetEDS second;
    corvid::LoadDeviceNetEDSText(second, once, "fuzz.eds");
    const bool same = corvid::FormatDeviceNetEDS(second) == once &&
                      corvid::fuzz::SameKeptLines(first.Kept, second.Kept);
    if (!same && corvid::fuzz::QuotesBalancedOnEveryLine(text))
        std::abort();
    const bool kept = corvid::fuzz::KeptLayoutHolds<corvid::CDeviceNetEDS>(
        text, corvid::kDeviceNetLayout,
        [](corvid::CDeviceNetEDS& model, std::string_view source) {
            corvid::LoadDeviceNetEDSText(model, source, "fuzz.eds");
        },
        [](const corvid::CDeviceNetEDS& model) { return corvid::FormatDeviceNetEDS(model); });
    if (!kept || !corvid::fuzz::PlainEntriesAgree(text))
        std::abort();
    return 0;
}
