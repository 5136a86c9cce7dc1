// Any bytes checked as a file of each kind: no crash, no hang, and every
// finding stands on a line of the input (or on none, 0, for the whole file).

#include "reports/EDSCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    for (corvid::EDSKind kind :
         {corvid::EDSKind::CANopen, corvid::EDSKind::DeviceNet, corvid::EDSKind::EtherNetIP}) {
        for (const corvid::CheckFinding& finding : corvid::CheckEDSText(kind, text, "fuzz.eds"))
            if (finding.line < 0 || finding.line > lines)
                std::abort();
    }
    return 0;
}
