#pragma once

// The single-value keywords of the EtherNet/IP sections, one line each, in
// the order the writer writes them. [File] and [Device] hold the shared
// keywords (devicenet/DeviceNetFields.h) and one more each; every object
// class section holds the four class keywords and, for some classes, a few
// of its own.

#include "devicenet/DeviceNetFields.h"
#include "dictionaries/FieldTable.h"
#include "ethernetip/EtherNetIPModel.h"

#include <array>
#include <string_view>

namespace corvid {

// Written only when set.
inline constexpr FieldTable<EtherNetIPFileSection, 1> kEtherNetIPFileFields = {{
    {"HomeURL", &EtherNetIPFileSection::HomeURL, kQuotedField},
}};
inline constexpr FieldTable<EtherNetIPDeviceSection, 1> kEtherNetIPDeviceFields = {{
    {"Icon", &EtherNetIPDeviceSection::Icon, kQuotedField},
}};

inline constexpr FieldTable<ObjectClassSection, 4> kObjectClassFields = {{
    {"Revision", &ObjectClassSection::Revision, kTextField},
    {kMaxInstKeyword, &ObjectClassSection::MaxInst, kTextField},
    {"Number_Of_Static_Instances", &ObjectClassSection::Number_Of_Static_Instances, kTextField},
    {"Max_Number_Of_Dynamic_Instances", &ObjectClassSection::Max_Number_Of_Dynamic_Instances,
     kTextField},
}};

inline constexpr FieldTable<DLRClassRecord, 1> kDLRClassFields = {{
    {"Ring_Supervisor_Capable", &DLRClassRecord::Ring_Supervisor_Capable, kTextField},
}};

inline constexpr FieldTable<EthernetLinkClassRecord, 4> kEthernetLinkClassFields = {{
    {"InterfaceLabel1", &EthernetLinkClassRecord::InterfaceLabel1, kQuotedField},
    {"InterfaceLabel2", &EthernetLinkClassRecord::InterfaceLabel2, kQuotedField},
    {"InterfaceType1", &EthernetLinkClassRecord::InterfaceType1, kTextField},
    {"InterfaceType2", &EthernetLinkClassRecord::InterfaceType2, kTextField},
}};

inline constexpr FieldTable<AssemblyRecord, 1> kAssemblyFields = {{
    {"Revision", &AssemblyRecord::Revision, kTextField},
}};

inline constexpr FieldTable<ModularRecord, 1> kModularFields = {{
    {"Width", &ModularRecord::Width, kTextField},
}};

inline constexpr FieldTable<CapacityRecord, 5> kCapacityFields = {{
    {"MaxCIPConnections", &CapacityRecord::MaxCIPConnections, kTextField},
    {"1_NumberOfTCPIPConnections", &CapacityRecord::NumberOfTCPIPConnections, kTextField},
    {"1_TCPIPConnectionReuseTime", &CapacityRecord::TCPIPConnectionReuseTime, kTextField},
    {"1_TCPIPCIPInactivityTimeout", &CapacityRecord::TCPIPCIPInactivityTimeout, kTextField},
    {"1_TCPIPInactivityTimeout", &CapacityRecord::TCPIPInactivityTimeout, kTextField},
}};

// The fields of a ConnectionN entry, in file order. String1 to String4
// each gather several fields of the file's entry; the path takes the rest.
inline constexpr FieldTable<ConnectionEntry, 9> kConnectionFields = {{
    {"Hex1", &ConnectionEntry::Hex1, kTextField},
    {"Hex2", &ConnectionEntry::Hex2, kTextField},
    {"String1", &ConnectionEntry::String1, kTextField},
    {"String2", &ConnectionEntry::String2, kTextField},
    {"String3", &ConnectionEntry::String3, kTextField},
    {"String4", &ConnectionEntry::String4, kTextField},
    {"String5", &ConnectionEntry::String5, kTextField},
    {"String6", &ConnectionEntry::String6, kTextField},
    {"Path", &ConnectionEntry::Path, kTextField},
}};

// The commas each field of kConnectionFields holds: the number of the
// file's fields it gathers, less one. The path takes the rest.
inline constexpr std::array<size_t, kConnectionFields.size()> kConnectionFieldCommas = {
    0, 0, 2, 2, 1, 1, 0, 0, static_cast<size_t>(-1)};

// The fields of an AssemN entry in front of its two reserved fields, in
// file order; its members, pairs of size and reference, follow them.
inline constexpr FieldTable<AssemblyEntry, 4> kAssemblyEntryFields = {{
    {"Name", &AssemblyEntry::Name, kTextField},
    {"Path", &AssemblyEntry::Path, kTextField},
    {"Size", &AssemblyEntry::Size, kTextField},
    {"Data", &AssemblyEntry::Data, kTextField},
}};
inline constexpr size_t kAssemblyReservedFields = 2;

// The fields of a RackN entry, in file order. Three reserved fields stand
// in front of the legal slots, which take the rest of the entry.
inline constexpr FieldTable<RackEntry, 6> kRackFields = {{
    {"VendorID", &RackEntry::VendorID, Labelled(kTextField, "Vendor ID")},
    {"ProductType", &RackEntry::ProductType, Labelled(kTextField, "Product Type")},
    {"ProductCode", &RackEntry::ProductCode, Labelled(kTextField, "Product Code")},
    {"MajorRevision", &RackEntry::MajorRevision, Labelled(kTextField, "Major Revision")},
    {"MinorRevision", &RackEntry::MinorRevision, Labelled(kTextField, "Minor")},
    {"LegalSlots", &RackEntry::LegalSlots, Labelled(kTextField, "Legal Slots")},
}};
inline constexpr size_t kRackReservedFields = 3;

// The fields of a PortN entry and of a TSpecN entry, in file order.
inline constexpr FieldTable<PortEntry, 4> kPortFields = {{
    {"PortType", &PortEntry::PortType, kTextField},
    {"PortName", &PortEntry::PortName, kTextField},
    {"PathToPortObject", &PortEntry::PathToPortObject, kTextField},
    {"PortNumber", &PortEntry::PortNumber, kTextField},
}};
inline constexpr FieldTable<TSpecEntry, 3> kTSpecFields = {{
    {"TxRx", &TSpecEntry::TxRx, kTextField},
    {"ConnSize", &TSpecEntry::ConnSize, kTextField},
    {"PacketsPerSec", &TSpecEntry::PacketsPerSec, kTextField},
}};

// The object class sections that hold only the four class keywords, by
// section name.
struct PlainClassSection {
    std::string_view Section;
    ObjectClassSection CEtherNetIPEDS::*Member;
};
inline constexpr std::array<PlainClassSection, 5> kPlainClassSections = {{
    {"TCP/IP Interface Class", &CEtherNetIPEDS::TCPIPInterfaceClass},
    {"QoS Class", &CEtherNetIPEDS::QoSClass},
    {"Identity Class", &CEtherNetIPEDS::IdentityClass},
    {"Message Router Class", &CEtherNetIPEDS::MessageRouterClass},
    {"File Class", &CEtherNetIPEDS::FileClass},
}};

// The plain class section named `section`, or nullptr.
template <typename Model> auto* FindPlainClass(Model& model, std::string_view section) {
    for (const PlainClassSection& plain : kPlainClassSections)
        if (plain.Section == section)
            return &(model.*plain.Member);
    return static_cast<decltype(&(model.*kPlainClassSections[0].Member))>(nullptr);
}

} // namespace corvid
