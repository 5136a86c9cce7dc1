#pragma once

// The models as JSON, keyed by the models' own field names. This output is a
// stable interface: scripts and tests read it. It is written as the model
// is walked, so a dump takes little memory beside the model.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"
#include "reports/JsonWriter.h"

#include <nlohmann/json.hpp>

namespace corvid {

using Json = nlohmann::ordered_json;

// Bytes as a JSON string: UTF-8 when valid, else decoded as Windows-1252.
Json JsonText(const std::string& bytes);

// The header as an object.
void WriteHeaderJson(CJsonWriter& out, const EDSFileHeader& header);

// The model's sections, each a member of the object open in `out`.
void WriteCANopenJson(CJsonWriter& out, const CCANopenEDS& model);
void WriteDeviceNetJson(CJsonWriter& out, const CDeviceNetEDS& model);
void WriteEtherNetIPJson(CJsonWriter& out, const CEtherNetIPEDS& model);

} // namespace corvid
