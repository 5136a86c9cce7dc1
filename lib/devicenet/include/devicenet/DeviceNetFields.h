#pragma once

// The keywords of the [File], [Device] and [ParamClass] sections that
// DeviceNet and EtherNet/IP files share, one line each, in the order the
// writer writes them.

#include "devicenet/DeviceNetModel.h"
#include "dictionaries/FieldTable.h"

#include <string_view>

namespace corvid {

inline constexpr FieldTable<DeviceNetFileSection, 6> kFileFields = {{
    {"DescText", &DeviceNetFileSection::DescText, kQuotedField},
    {"CreateDate", &DeviceNetFileSection::CreateDate, kTextField},
    {"CreateTime", &DeviceNetFileSection::CreateTime, kTextField},
    {"ModDate", &DeviceNetFileSection::ModDate, kTextField},
    {"ModTime", &DeviceNetFileSection::ModTime, kTextField},
    {"Revision", &DeviceNetFileSection::Revision, kTextField},
}};

// Product codes are hexadecimal in the file; revisions are offered as a
// list of the byte's values.
inline constexpr FieldTable<DeviceNetDeviceSection, 9> kDeviceFields = {{
    {"VendCode", &DeviceNetDeviceSection::VendCode, DecimalField(2)},
    {"VendName", &DeviceNetDeviceSection::VendName, kQuotedField},
    {"ProdType", &DeviceNetDeviceSection::ProdType, DecimalField(2)},
    {"ProdTypeStr", &DeviceNetDeviceSection::ProdTypeStr, kQuotedField},
    {"ProdCode", &DeviceNetDeviceSection::ProdCode, HexField(2)},
    {"MajRev", &DeviceNetDeviceSection::MajRev,
     DecimalField(1, false, FieldEditor::DecimalList, 255)},
    {"MinRev", &DeviceNetDeviceSection::MinRev,
     DecimalField(1, false, FieldEditor::DecimalList, 255)},
    {"ProdName", &DeviceNetDeviceSection::ProdName, kQuotedField},
    {"Catalog", &DeviceNetDeviceSection::Catalog, kQuotedField},
}};

// [ParamClass] and every EtherNet/IP object class section count their
// instances under this keyword.
inline constexpr std::string_view kMaxInstKeyword = "MaxInst";

// MaxInst follows the number of parameters, so nothing here is edited by
// hand.
inline constexpr FieldTable<EDSParamClassSection, 3> kParamClassFields = {{
    {kMaxInstKeyword, &EDSParamClassSection::MaxInst,
     DecimalField(2, false, FieldEditor::ReadOnly)},
    {"Descriptor", &EDSParamClassSection::Descriptor,
     DecimalField(2, false, FieldEditor::ReadOnly)},
    {"CfgAssembly", &EDSParamClassSection::CfgAssembly,
     DecimalField(2, false, FieldEditor::ReadOnly)},
}};

} // namespace corvid
