#pragma once

// The large files the benchmarks and scripts/bench.sh work on, built in
// memory: a CANopen dictionary of 5,000 objects of four sub-indexes, and
// DeviceNet and EtherNet/IP files of 5,000 parameters in 50 groups.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"

#include "CANopenBenchRecords.h"

#include <memory>
#include <string>

namespace corvid::bench {

inline constexpr int kLargeObjects = 5000;
inline constexpr int kLargeParams = 5000;

inline CCANopenEDS LargeCANopenModel(int objects = kLargeObjects) {
    CCANopenEDS model;
    model.FileInfo.SectionName = "FileInfo";
    model.DeviceInfo.SectionName = "DeviceInfo";
    model.DummyUsage.SectionName = "DummyUsage";
    model.Comments.SectionName = "Comments";
    for (int i = 0; i < objects; ++i) {
        const auto index = static_cast<uint16_t>(0x2000 + i);
        CANopenObject object = Record(index, 0, "Drive parameter block " + std::to_string(i));
        object.Category = kCategoryManufacturer;
        object.ObjectType = 9;
        object.SubNumber = 4;
        for (uint8_t s = 0; s < 4; ++s)
            object.SubObjects.push_back(Record(index, s, "Entry " + std::to_string(s)));
        model.Objects.push_back(std::move(object));
    }
    return model;
}

// Every tenth parameter has four enumeration strings.
inline CEDSParamList LargeParams() {
    CEDSParamList params;
    for (int i = 0; i < kLargeParams; ++i) {
        CEDSParam& param = params.emplace_back();
        param.PathSize = 6;
        param.LinkPath = "\"20 93 24 01 30 01\"";
        param.Descriptor = 0x04;
        param.DataType = 0xC7;
        param.DataSize = 2;
        param.ParameterName = "\"Drive parameter " + std::to_string(i + 1) + "\"";
        param.UnitsStr = "\"rpm\"";
        param.HelpStr = "\"Help text of the parameter\"";
        param.Minimum = "0";
        param.Maximum = "65535";
        param.Default = "100";
        param.Multiplier = param.Divider = param.Base = 1;
        param.Group = static_cast<uint8_t>(i % 50 + 1);
        if (i % 10 == 0)
            param.EnumStrings =
                std::vector<std::string>{"\"Off\"", "\"Low\"", "\"High\"", "\"Auto\""};
    }
    return params;
}

inline std::vector<std::string> LargeGroupNames() {
    std::vector<std::string> names;
    for (int g = 0; g < 50; ++g)
        names.push_back("\"Group " + std::to_string(g + 1) + "\"");
    return names;
}

inline CDeviceNetEDS LargeDeviceNetModel() {
    CDeviceNetEDS model;
    model.FileSection.SectionName = "File";
    model.DeviceSection.SectionName = "Device";
    model.IOInfoSection.SectionName = "IO_Info";
    model.GroupNames = LargeGroupNames();
    model.Params = LargeParams();
    return model;
}

// Besides the parameters, 1,000 assemblies of two members each name them.
inline CEtherNetIPEDS LargeEtherNetIPModel() {
    CEtherNetIPEDS model;
    model.FileSection.SectionName = "File";
    model.DeviceSection.SectionName = "Device";
    model.DeviceClassification.push_back({1, 0, "EtherNetIP"});
    model.GroupNames = LargeGroupNames();
    model.Params = LargeParams();
    for (int i = 0; i < 1000; ++i) {
        AssemblyEntry assembly;
        assembly.Number = 100 + i;
        assembly.Name = "\"Assembly " + std::to_string(i) + "\"";
        assembly.Path = "\"20 04 24 " + std::to_string(10 + i % 80) + " 30 03\"";
        assembly.Size = "4";
        assembly.MemberSizes = {"16", "16"};
        assembly.MemberReferences = {"Param" + std::to_string(2 * i + 1),
                                     "Param" + std::to_string(2 * i + 2)};
        model.AssemblySection.Assemblies.push_back(std::move(assembly));
    }
    return model;
}

} // namespace corvid::bench
