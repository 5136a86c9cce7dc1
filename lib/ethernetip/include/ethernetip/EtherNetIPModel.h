#pragma once

// One EtherNet/IP device description in memory. Values stay as the file
// carries them (texts keep their double quotes); only the entry numbers
// taken from the keys and the [Device] codes are integers. Numbered entries
// keep the number read from their key and are written under it, because
// other entries name them by it; assemblies, connections, racks and TSpecs
// are kept sorted by it.

#include "devicenet/DeviceNetModel.h"
#include "devicenet/EDSKeptLines.h"
#include "devicenet/EDSParam.h"
#include "dictionaries/EDSFileHeader.h"
#include "dictionaries/FieldTable.h"
#include "dictionaries/OrderedList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvid {

// The DeviceNet [File] and [Device] records, each with one more optional
// keyword, whose presence is kept apart under the same name (see
// DLRClassRecord).
struct EtherNetIPFileSection : DeviceNetFileSection {
    std::string HomeURL;
    GivenFields Given;

    bool operator==(const EtherNetIPFileSection&) const = default;
};

struct EtherNetIPDeviceSection : DeviceNetDeviceSection {
    std::string Icon;
    GivenFields Given;

    bool operator==(const EtherNetIPDeviceSection&) const = default;
};

// One value of one ClassN line; entries sharing a Number form that line.
struct ClassEntry {
    int32_t Number = 0;
    int32_t Sequence = 0; // the reader's running count; not written
    std::string Value;

    bool operator==(const ClassEntry&) const = default;
};

// The four keywords every object class section has.
struct ObjectClassSection {
    std::string Revision;
    std::string MaxInst;
    std::string Number_Of_Static_Instances;
    std::string Max_Number_Of_Dynamic_Instances;
    GivenFields Given; // of the four keywords

    bool operator==(const ObjectClassSection&) const = default;
};

struct ConnectionEntry {
    int32_t Number = 0;
    std::string Hex1;    // trigger and transport
    std::string Hex2;    // connection parameters
    std::string String1; // O->T RPI, size, format
    std::string String2; // T->O RPI, size, format
    std::string String3; // proxy configuration size, format
    std::string String4; // target configuration size, format
    std::string String5; // name
    std::string String6; // help
    std::string Path;

    bool operator==(const ConnectionEntry&) const = default;
};

struct ConnectionManagerRecord : ObjectClassSection {
    std::vector<ConnectionEntry> Connections; // sorted by Number

    bool operator==(const ConnectionManagerRecord&) const = default;
};

struct AssemblyEntry {
    int32_t Number = 0;
    std::string Name;
    std::string Path;
    std::string Size;
    std::string Data;
    // Member i is (MemberSizes[i], MemberReferences[i]).
    std::vector<std::string> MemberSizes;
    std::vector<std::string> MemberReferences;

    bool operator==(const AssemblyEntry&) const = default;
};

struct AssemblyRecord {
    std::string Revision;
    GivenFields Given;
    std::vector<AssemblyEntry> Assemblies; // sorted by Number

    bool operator==(const AssemblyRecord&) const = default;
};

struct PortEntry {
    std::string PortType;
    std::string PortName;
    std::string PathToPortObject;
    std::string PortNumber;
    int32_t Number = 0; // N of the PortN key; 0: none yet (see PortNumbers)

    bool operator==(const PortEntry&) const = default;
};

struct RackEntry {
    int32_t Number = 0;
    std::string VendorID;
    std::string ProductType;
    std::string ProductCode;
    std::string MajorRevision;
    std::string MinorRevision;
    std::string LegalSlots;

    bool operator==(const RackEntry&) const = default;
};

struct ModularRecord {
    std::string Width;
    GivenFields Given;
    std::vector<RackEntry> Racks; // sorted by Number

    bool operator==(const ModularRecord&) const = default;
};

// The records of a class section with keywords of its own keep what their
// file gave of those apart, under the same name: the code that walks a
// table finds the one of the table's record.
struct DLRClassRecord : ObjectClassSection {
    std::string Ring_Supervisor_Capable;
    GivenFields Given;

    bool operator==(const DLRClassRecord&) const = default;
};

struct EthernetLinkClassRecord : ObjectClassSection {
    std::string InterfaceLabel1;
    std::string InterfaceLabel2;
    std::string InterfaceType1;
    std::string InterfaceType2;
    GivenFields Given;

    bool operator==(const EthernetLinkClassRecord&) const = default;
};

struct TSpecEntry {
    int32_t Number = 0;
    std::string TxRx;
    std::string ConnSize;
    std::string PacketsPerSec;

    bool operator==(const TSpecEntry&) const = default;
};

struct CapacityRecord {
    std::vector<TSpecEntry> TSpecs; // sorted by Number
    std::string MaxCIPConnections;
    std::string NumberOfTCPIPConnections;
    std::string TCPIPConnectionReuseTime;
    std::string TCPIPCIPInactivityTimeout;
    std::string TCPIPInactivityTimeout;
    GivenFields Given;

    bool operator==(const CapacityRecord&) const = default;
};

struct CEtherNetIPEDS {
    EDSFileHeader Header;
    EDSParamClassSection ParamClassSection; // never read or written for this fieldbus
    EtherNetIPFileSection FileSection;
    EtherNetIPDeviceSection DeviceSection;
    std::vector<ClassEntry> DeviceClassification;
    ConnectionManagerRecord ConnectionManagerSection;
    CEDSParamList Params;
    std::vector<std::string> GroupNames;
    AssemblyRecord AssemblySection;
    std::vector<std::unique_ptr<PortEntry>> Ports;
    ModularRecord ModularSection;
    DLRClassRecord DLRClassSection;
    ObjectClassSection QoSClass;
    ObjectClassSection TCPIPInterfaceClass;
    ObjectClassSection IdentityClass;
    ObjectClassSection FileClass;
    ObjectClassSection MessageRouterClass;
    EthernetLinkClassRecord EthernetLinkClassSection;
    CapacityRecord CapacitySection;
    CEDSKeptLines Kept; // what the file holds beyond the fields

    CEDSParam* ParamAt(size_t index) { return &Params.at(index); }
    const CEDSParam* ParamAt(size_t index) const { return &Params.at(index); }
    size_t ParamCount() const { return Params.size(); }
    size_t GroupCount() const { return GroupNames.size(); }
    PortEntry* PortAt(size_t index) const { return Ports.at(index).get(); }
};

// What the file gave of each section of keywords, so the reader can start
// them all from nothing and a model made from a catalogue file can forget it.
std::vector<GivenFields*> GivenFieldsOf(CEtherNetIPEDS& model);

// Where a number stands in its sorted list, as every ordered list of the
// system answers it (see FindOrdered).
FindResult FindAssembly(const CEtherNetIPEDS& model, int32_t number);
FindResult FindConnection(const CEtherNetIPEDS& model, int32_t number);
FindResult FindRack(const CEtherNetIPEDS& model, int32_t number);
FindResult FindTSpec(const CEtherNetIPEDS& model, int32_t number);

// As the finds, over DeviceClassification, except that an equal number is
// Found only at its occurrence-th entry (from 1; below 2 means the first).
FindResult FindClassEntry(const CEtherNetIPEDS& model, int32_t number, int occurrence);

// The number for an entry added now: one above the highest in its list.
int32_t NextFreeAssemblyNumber(const CEtherNetIPEDS& model);
int32_t NextFreeConnectionNumber(const CEtherNetIPEDS& model);
int32_t NextFreeRackNumber(const CEtherNetIPEDS& model);
int32_t NextFreeTSpecNumber(const CEtherNetIPEDS& model);
int32_t NextFreePortNumber(const CEtherNetIPEDS& model);

// The number each port is written under, in list order: its Number, or,
// when that is 0 or was taken by a port in front of it, the next free one.
std::vector<uint32_t> PortNumbers(const CEtherNetIPEDS& model);

// Puts the entry in its place by Number; an entry with the same number is
// replaced where it stands.
void InsertOrdered(std::vector<AssemblyEntry>& list, AssemblyEntry entry);
void InsertOrdered(std::vector<ConnectionEntry>& list, ConnectionEntry entry);
void InsertOrdered(std::vector<RackEntry>& list, RackEntry entry);
void InsertOrdered(std::vector<TSpecEntry>& list, TSpecEntry entry);

// InsertOrdered of an entry not made yet: a fresh entry numbered `number`
// stands in its place, for the caller to fill. A reader fills its entries
// there, instead of moving each into the list; the reference lasts until
// the list next changes.
AssemblyEntry& PlaceOrdered(std::vector<AssemblyEntry>& list, int32_t number);
ConnectionEntry& PlaceOrdered(std::vector<ConnectionEntry>& list, int32_t number);
RackEntry& PlaceOrdered(std::vector<RackEntry>& list, int32_t number);
TSpecEntry& PlaceOrdered(std::vector<TSpecEntry>& list, int32_t number);

} // namespace corvid
