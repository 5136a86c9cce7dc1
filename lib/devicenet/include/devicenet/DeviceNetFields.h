#pragma once

// The keywords of the [File], [Device] and [ParamClass] sections that
// DeviceNet and EtherNet/IP files share, one line each, in the order the
// writer writes them. Those a file must give are marked MustHave.

#include "devicenet/DeviceNetModel.h"
#include "dictionaries/FieldTable.h"

#include <string_view>

namespace corvid {

inline constexpr FieldTable<DeviceNetFileSection, 6> kFileFields = {{
    {"DescText", &DeviceNetFileSection::DescText, MustHave(kQuotedField)},
    {"CreateDate", &DeviceNetFileSection::CreateDate, MustHave(kTextField)},
    {"CreateTime", &DeviceNetFileSection::CreateTime, MustHave(kTextField)},
    {"ModDate", &DeviceNetFileSection::ModDate, kTextField},
    {"ModTime", &DeviceNetFileSection::ModTime, kTextField},
    {"Revision", &DeviceNetFileSection::Revision, MustHave(kTextField)},
}};

// Product codes are hexadecimal in the file; revisions are offered as a
// list of the byte's values.
inline constexpr FieldTable<DeviceNetDeviceSection, 9> kDeviceFields = {{
    {"VendCode", &DeviceNetDeviceSection::VendCode, MustHave(DecimalField(2))},
    {"VendName", &DeviceNetDeviceSection::VendName, MustHave(kQuotedField)},
    {"ProdType", &DeviceNetDeviceSection::ProdType, MustHave(DecimalField(2))},
    {"ProdTypeStr", &DeviceNetDeviceSection::ProdTypeStr, MustHave(kQuotedField)},
    {"ProdCode", &DeviceNetDeviceSection::ProdCode, MustHave(HexField(2))},
    {"MajRev", &DeviceNetDeviceSection::MajRev,
     MustHave(DecimalField(1, false, FieldEditor::DecimalList, 255))},
    {"MinRev", &DeviceNetDeviceSection::MinRev,
     MustHave(DecimalField(1, false, FieldEditor::DecimalList, 255))},
    {"ProdName", &DeviceNetDeviceSection::ProdName, MustHave(kQuotedField)},
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
