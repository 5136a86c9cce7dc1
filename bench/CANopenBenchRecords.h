#pragma once

// One record of the large generated CANopen dictionaries the benchmarks
// read, write, show and edit, and the largest of them.

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

// The large CANopen file of the benchmarks: 5,000 objects of four
// sub-indexes each, some 3.6 MB written.
inline CCANopenEDS LargeModel() {
    CCANopenEDS model;
    model.FileInfo.SectionName = "FileInfo";
    model.DeviceInfo.SectionName = "DeviceInfo";
    model.DummyUsage.SectionName = "DummyUsage";
    model.Comments.SectionName = "Comments";
    for (int i = 0; i < 5000; ++i) {
        const auto index = static_cast<uint16_t>(0x2000 + i);
        CANopenObject object = Record(index, 0, "Drive parameter block " + std::to_string(i));
        object.Category = kCategoryManufacturer;
        object.ObjectType = 9;
        object.SubNumber = 4;
        object.SubObjects.emplace();
        for (uint8_t s = 0; s < 4; ++s)
            object.SubObjects->push_back(Record(index, s, "Entry " + std::to_string(s)));
        model.Objects.push_back(std::move(object));
    }
    return model;
}

} // namespace corvid::bench
