// Any bytes read as an EtherNet/IP file: no crash, no hang, and the written
// form is a fixed point (writing what was read from it gives it back) that
// keeps every line the first read kept, for the inputs RoundTripOracle.h
// names. A save in the file's own layout gives the bytes back, for every
// input (KeptLayoutOracle.h).

#include "KeptLayoutOracle.h"
#include "RoundTripOracle.h"

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvid::CEtherNetIPEDS first;
    corvid::LoadEtherNetIPEDSText(first, text, "fuzz.eds");
    const std::string once = corvid::FormatEtherNetIPEDS(first);
    corvid::CEtherNetIPEDS second;
    corvid::LoadEtherNetIPEDSText(second, once, "fuzz.eds");
    const bool same = corvid::FormatEtherNetIPEDS(second) == once &&
                      corvid::fuzz::SameKeptLines(first.Kept, second.Kept);
    if (!same && corvid::fuzz::QuotesBalancedOnEveryLine(text))
        std::abort();
    const bool kept = corvid::fuzz::KeptLayoutHolds<corvid::CEtherNetIPEDS>(
        text, corvid::kEtherNetIPLayout,
        [](corvid::CEtherNetIPEDS& model, std::string_view source) {
            corvid::LoadEtherNetIPEDSText(model, source, "fuzz.eds");
        },
        [](const corvid::CEtherNetIPEDS& model) { return corvid::FormatEtherNetIPEDS(model); });
    if (!kept)
        std::abort();
    return 0;
}
