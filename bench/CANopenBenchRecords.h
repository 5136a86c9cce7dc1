#pragma once

// One record of the large generated CANopen dictionaries the benchmarks
// read, write and show.

#include "canopen/CANopenModel.h"

#include <cstdint>
#include <string>

namespace corvid::bench {

inline CANopenObject Record(uint16_t index, uint8_t subIndex, const std::string& name) {
    CANopenObject record;
    record.Index = index;
    record.SubIndex = subIndex;
    record.ParameterName = name;
    record.ObjectType = 7;
    record.DataType = 7;
    record.AccessType = "rw";
    record.LowLimit = "0";
    record.HighLimit = "0xFFFFFFFF";
    record.DefaultValue = "0x00001000";
    return record;
}

} // namespace corvid::bench
