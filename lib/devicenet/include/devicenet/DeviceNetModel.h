#pragma once

// One DeviceNet device description in memory: the shared file header, the
// fixed sections [File], [Device], [IO_Info] and [ParamClass], the parameters
// with their enumeration strings and group membership, and the group names.
// Texts are held exactly as the file carries them, double quotes included.

#include "devicenet/EDSKeptLines.h"
#include "devicenet/EDSParam.h"
#include "dictionaries/EDSFileHeader.h"
#include "dictionaries/FieldTable.h"
#include "dictionaries/OrderedList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvid {

// Connection type bits of Default and of every TypeMask.
inline constexpr uint16_t kConnectionPoll = 1;
inline constexpr uint16_t kConnectionStrobe = 2;
inline constexpr uint16_t kConnectionChangeOfState = 4;
inline constexpr uint16_t kConnectionCyclic = 8;

struct DeviceNetFileSection {
    std::string SectionName; // "File" once the header was met
    std::string DescText;
    std::string CreateDate;
    std::string CreateTime;
    std::string ModDate;
    std::string ModTime;
    std::string Revision;
    GivenFields Given; // by place in kFileFields

    bool operator==(const DeviceNetFileSection&) const = default;
};

struct DeviceNetDeviceSection {
    std::string SectionName; // "Device" once the header was met
    uint16_t VendCode = 0;
    std::string VendName;
    uint16_t ProdType = 0;
    std::string ProdTypeStr;
    uint16_t ProdCode = 0;
    uint8_t MajRev = 0;
    uint8_t MinRev = 0;
    std::string ProdName;
    std::string Catalog;
    GivenFields Given; // by place in kDeviceFields

    bool operator==(const DeviceNetDeviceSection&) const = default;
};

// One connection type's entry (PollInfo, StrobeInfo, COSInfo, CyclicInfo).
// An entry with Present 0 is neither shown nor written.
struct ConnectionInfo {
    uint8_t Present = 0;
    uint16_t TypeMask = 0;
    uint16_t DefaultInput = 0;  // N of the InputN used by default; 0: none
    uint16_t DefaultOutput = 0; // N of the OutputN used by default; 0: none

    bool operator==(const ConnectionInfo&) const = default;
};

// One InputN or OutputN entry.
struct IOEntry {
    uint32_t Number = 0;
    uint16_t Size = 0;
    uint16_t SigBits = 0; // 0: all bits
    uint16_t TypeMask = 0;
    std::string Name;
    uint16_t PathSize = 0;
    std::string Path;
    std::string Help;

    bool operator==(const IOEntry&) const = default;
};

struct DeviceNetIOInfoSection {
    std::string SectionName; // "IO_Info" once read
    uint16_t Default = 0;
    GivenFields Given; // of Default; the connection entries carry Present
    ConnectionInfo PollInfo;
    ConnectionInfo StrobeInfo;
    ConnectionInfo COSInfo;
    ConnectionInfo CyclicInfo;
    std::vector<IOEntry> Inputs;  // sorted by Number, no two alike
    std::vector<IOEntry> Outputs; // sorted by Number, no two alike

    bool operator==(const DeviceNetIOInfoSection&) const = default;
};

struct CDeviceNetEDS {
    EDSFileHeader Header;
    DeviceNetFileSection FileSection;
    DeviceNetDeviceSection DeviceSection;
    DeviceNetIOInfoSection IOInfoSection;
    EDSParamClassSection ParamClassSection;
    CEDSParamList Params;                // in file order; see ParamNumbers
    std::vector<std::string> GroupNames; // group g is position g (from 1)
    CEDSKeptLines Kept;                  // what the file holds beyond the fields

    // The parameter at a 0-based position, which must be below ParamCount().
    CEDSParam& ParamAt(size_t index) { return Params[index]; }
    const CEDSParam& ParamAt(size_t index) const { return Params[index]; }
    size_t ParamCount() const { return Params.size(); }
    size_t GroupCount() const { return GroupNames.size(); }
};

// What the file gave of each section of keywords, so the reader can start
// them all from nothing and a model made from a catalogue file can forget it.
std::vector<GivenFields*> GivenFieldsOf(CDeviceNetEDS& model);

// Where an entry numbered `number` stands in Inputs or Outputs.
FindResult FindIOEntry(const std::vector<IOEntry>& list, uint32_t number);

// Puts an entry into Inputs or Outputs by Number; an entry with the same
// Number is replaced in its place (the new entry wins).
void InsertOrdered(std::vector<IOEntry>& list, IOEntry entry);

} // namespace corvid
