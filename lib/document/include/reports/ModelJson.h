#pragma once

// The models as JSON, keyed by the models' own field names. This output is a
// stable interface: scripts and tests read it.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"

#include <nlohmann/json.hpp>

namespace corvid {

using Json = nlohmann::ordered_json;

// Bytes as a JSON string: UTF-8 when valid, else decoded as Windows-1252.
Json JsonText(const std::string& bytes);

Json HeaderToJson(const EDSFileHeader& header);
Json CANopenToJson(const CCANopenEDS& model);
Json DeviceNetToJson(const CDeviceNetEDS& model);

Json EtherNetIPToJson(const CEtherNetIPEDS& model);

} // namespace corvid
