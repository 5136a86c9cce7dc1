// Any bytes read as the catalogue files generation reads: the extra objects
// of a ManuExtra file, a DataConf.md and an IO_Info.ini. No crash, no hang,
// and what they fill can be written.

#include "canopen/CANopenWriter.h"
#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"
#include "generate/CanopenGeneration.h"
#include "generate/DevicenetGeneration.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvid::CCANopenEDS canopen;
    corvid::AddManufacturerObjects(canopen, text);
    (void)corvid::FormatCANopenEDS(canopen);

    corvid::CDeviceNetEDS devicenet;
    corvid::AddModuleParameters(devicenet, text);
    corvid::CEDSLineSource source(text);
    std::string line;
    corvid::ReadIOInfoSection(devicenet, line, source);
    (void)corvid::FormatDeviceNetEDS(devicenet);
    return 0;
}
