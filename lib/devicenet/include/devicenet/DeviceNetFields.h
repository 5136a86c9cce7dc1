#pragma once

// The keywords of the [File], [Device] and [ParamClass] sections that
// DeviceNet and EtherNet/IP files share, one line each, in the order the
// writer writes them. Those a file must give are marked MustHave.

#include "devicenet/DeviceNetModel.h"
#include "dictionaries/FieldTable.h"

#include <algorithm>
#include <array>
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

// [IO_Info]'s one single-value keyword: the connection types used by
// default, set through the connection-bits popup.
inline constexpr FieldTable<DeviceNetIOInfoSection, 1> kIOInfoFields = {{
    {"Default", &DeviceNetIOInfoSection::Default, HexField(2, FieldEditor::Popup)},
}};

// The fields of a PollInfo, StrobeInfo, COSInfo or CyclicInfo entry, in
// file order.
inline constexpr FieldTable<ConnectionInfo, 3> kConnectionInfoFields = {{
    {"TypeMask", &ConnectionInfo::TypeMask, HexField(2, FieldEditor::Popup)},
    {"DefaultInput", &ConnectionInfo::DefaultInput, DecimalField(2)},
    {"DefaultOutput", &ConnectionInfo::DefaultOutput, DecimalField(2)},
}};

// The connection entries of [IO_Info] in the writer's order, each with the
// blanks the writer puts in front of its fields.
struct ConnectionInfoEntry {
    std::string_view Keyword;
    ConnectionInfo DeviceNetIOInfoSection::*Member;
    uint8_t Indent;
};
inline constexpr std::array<ConnectionInfoEntry, 4> kConnectionInfoEntries = {{
    {"PollInfo", &DeviceNetIOInfoSection::PollInfo, 9},
    {"StrobeInfo", &DeviceNetIOInfoSection::StrobeInfo, 11},
    {"COSInfo", &DeviceNetIOInfoSection::COSInfo, 11},
    {"CyclicInfo", &DeviceNetIOInfoSection::CyclicInfo, 11},
}};

// Whether IO_Info holds a connection or an InputN or OutputN entry.
inline bool HoldsIOEntries(const DeviceNetIOInfoSection& io) {
    return !io.Inputs.empty() || !io.Outputs.empty() ||
           std::any_of(kConnectionInfoEntries.begin(), kConnectionInfoEntries.end(),
                       [&](const ConnectionInfoEntry& key) { return (io.*key.Member).Present; });
}

// The fields of an InputN or OutputN entry, in file order. The writer puts
// the path size on the line of the path.
inline constexpr FieldTable<IOEntry, 7> kIOEntryFields = {{
    {"Size", &IOEntry::Size, DecimalField(2)},
    {"SigBits", &IOEntry::SigBits, DecimalField(2)},
    {"TypeMask", &IOEntry::TypeMask, HexField(2, FieldEditor::Popup)},
    {"Name", &IOEntry::Name, kQuotedField},
    {"PathSize", &IOEntry::PathSize, DecimalField(2)},
    {"Path", &IOEntry::Path, kQuotedField},
    {"Help", &IOEntry::Help, kQuotedField},
}};
inline constexpr size_t kIOPathSizeField = 4;

} // namespace corvid
