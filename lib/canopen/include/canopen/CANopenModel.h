#pragma once

// One CANopen device description in memory: the shared file header, the
// four fixed sections, and the object dictionary as one list sorted by
// index. Values stay in the form the file carries them; nothing here checks
// one value against another. What the reader does not turn into a field is
// kept as written (KeptLines, KeptSections) so a save gives it back.

#include "dictionaries/EDSFileHeader.h"
#include "dictionaries/FieldTable.h"
#include "dictionaries/OrderedList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

inline constexpr uint8_t kNoObjectType = 255;
inline constexpr uint16_t kNoDataType = 0xFFFF;

// The object type codes the editing rules and the writer treat apart.
inline constexpr uint8_t kObjectTypeDomain = 2;
inline constexpr uint8_t kObjectTypeDefStruct = 6;
inline constexpr uint8_t kObjectTypeVar = 7;
inline constexpr uint8_t kObjectTypeArray = 8;
inline constexpr uint8_t kObjectTypeRecord = 9;

struct CANopenFileInfo {
    std::string SectionName;
    std::string FileName;
    uint8_t FileVersion = 0;
    uint8_t FileRevision = 0;
    std::string EDSVersion;
    std::string Description;
    std::string CreationTime;
    std::string CreationDate;
    std::string CreatedBy;
    std::string ModificationTime;
    std::string ModificationDate;
    std::string ModifiedBy;
    GivenFields Given; // by place in the section's field table
    std::vector<std::string> KeptLines;

    bool operator==(const CANopenFileInfo&) const = default;
};

struct CANopenDeviceInfo {
    std::string SectionName;
    std::string VendorName;
    uint32_t VendorNumber = 0;
    std::string ProductName;
    uint32_t ProductNumber = 0;
    uint32_t RevisionNumber = 0;
    std::string OrderCode;
    bool BaudRate_10 = false;
    bool BaudRate_20 = false;
    bool BaudRate_50 = false;
    bool BaudRate_125 = false;
    bool BaudRate_250 = false;
    bool BaudRate_500 = false;
    bool BaudRate_800 = false;
    bool BaudRate_1000 = false;
    bool SimpleBootUpMaster = false;
    bool SimpleBootUpSlave = false;
    uint8_t Granularity = 0;
    bool DynamicChannelsSupported = false;
    bool GroupMessaging = false;
    uint8_t NrOfRXPDO = 0;
    uint8_t NrOfTXPDO = 0;
    bool LSS_Supported = false;
    GivenFields Given; // by place in the section's field table
    std::vector<std::string> KeptLines;

    bool operator==(const CANopenDeviceInfo&) const = default;
};

struct CANopenDummyUsage {
    std::string SectionName;
    bool Dummy0001 = false;
    bool Dummy0002 = false;
    bool Dummy0003 = false;
    bool Dummy0004 = false;
    bool Dummy0005 = false;
    bool Dummy0006 = false;
    bool Dummy0007 = false;
    GivenFields Given; // by place in the section's field table
    std::vector<std::string> KeptLines;

    bool operator==(const CANopenDummyUsage&) const = default;
};

struct CANopenComments {
    std::string SectionName;
    uint16_t Lines = 0;
    std::vector<std::string> LineTexts; // LineTexts[i] holds "Line<i+1>"
    GivenFields Given;                  // by place in the section's field table
    std::vector<std::string> KeptLines;

    bool operator==(const CANopenComments&) const = default;
};

// Object categories: the list section that names the object.
inline constexpr uint8_t kCategoryMandatory = 1;
inline constexpr uint8_t kCategoryOptional = 2;
inline constexpr uint8_t kCategoryManufacturer = 3;

// The category whose list section is `section` ("MandatoryObjects",
// "OptionalObjects", "ManufacturerObjects"); 0 for any other name.
uint8_t ObjectListCategory(std::string_view section);

// The lines of a record's section that the reader did not use, comment
// lines included, as written. Nearly every record has none, and a large file
// has tens of thousands of records, so an empty list is a null pointer: 8
// bytes a record instead of a vector's 24. Copies copy the lines.
class KeptLineList {
public:
    KeptLineList() = default;
    KeptLineList(const KeptLineList& other);
    KeptLineList& operator=(const KeptLineList& other);
    KeptLineList(KeptLineList&&) noexcept = default;
    KeptLineList& operator=(KeptLineList&&) noexcept = default;
    ~KeptLineList() = default;

    const std::vector<std::string>& Lines() const;
    bool empty() const { return lines_ == nullptr; }
    auto begin() const { return Lines().begin(); }
    auto end() const { return Lines().end(); }
    void emplace_back(std::string_view line);

    bool operator==(const KeptLineList& other) const { return Lines() == other.Lines(); }

private:
    std::unique_ptr<std::vector<std::string>> lines_; // null while there are none
};

// One record type for objects and sub-indexes. A sub-index record has
// Category 0, which tells a lone sub-index (on the clipboard) from an object.
// The small fields stand together, so the record has no padding between
// its texts.
struct CANopenObject {
    uint16_t Index = 0;
    uint16_t DataType = kNoDataType;
    // The keys its section gave (ObjectKeyBit). The writer leaves some of
    // them out for some kinds of object (no DataType for an ARRAY, no limits
    // for a DOMAIN); a key the file gave is written all the same.
    uint16_t KeysInFile = 0;
    uint8_t SubIndex = 0;
    uint8_t Category = 0;
    uint8_t SubNumber = 0;
    uint8_t ObjectType = kNoObjectType;
    bool PDOMapping = false;
    std::string ParameterName;
    std::string LowLimit;
    std::string HighLimit;
    std::string DefaultValue;
    std::string AccessType; // lower case
    KeptLineList KeptLines;
    // Sorted by SubIndex; empty while the object has no sub-indexes.
    std::vector<CANopenObject> SubObjects;

    bool operator==(const CANopenObject&) const = default;
};

// A section the reader does not read, kept whole. It is written after the
// section named `After`, the last section read before it in the file (empty:
// before all of them); when no section of that name is written, at the end.
struct CANopenKeptSection {
    std::string After;
    std::string Header;             // the header line as written
    std::vector<std::string> Lines; // as written, blank lines at its end left out

    bool operator==(const CANopenKeptSection&) const = default;
};

struct CCANopenEDS {
    EDSFileHeader Header;
    bool ByteOrderMark = false; // the file began with a UTF-8 byte-order mark
    CANopenFileInfo FileInfo;
    CANopenDeviceInfo DeviceInfo;
    CANopenDummyUsage DummyUsage;
    CANopenComments Comments;
    std::vector<CANopenObject> Objects; // sorted by Index, one record per Index
    // Unused lines of [MandatoryObjects], [OptionalObjects] and
    // [ManufacturerObjects], at the category's number - 1. Numbered entries
    // are not kept: the lists are written from Objects.
    std::array<std::vector<std::string>, 3> ListKeptLines;
    // Which of those three sections the file had, at the same place.
    std::array<bool, 3> ListInFile{};
    std::vector<CANopenKeptSection> KeptSections; // in file order
};

// What the file gave of each section of fixed keywords.
std::vector<GivenFields*> GivenFieldsOf(CCANopenEDS& model);

// Where `index` stands in `objects`: the first record not below it (Found
// when equal, Before when greater), or the last record with After.
FindResult FindObject(const std::vector<CANopenObject>& objects, uint16_t index);
FindResult FindSubObject(const std::vector<CANopenObject>& subObjects, uint8_t subIndex);

// Puts an object into the list by Index, or a sub-index into its list by
// SubIndex; a record with the same key is replaced in its place.
void InsertOrdered(std::vector<CANopenObject>& objects, CANopenObject record);
void InsertOrderedSub(std::vector<CANopenObject>& subObjects, CANopenObject record);

// The section names of an object ("1A00") and of one of its sub-indexes
// ("1A00sub1"): upper-case hex without leading zeros. The reader looks them
// up and the writer writes them, so both must spell them alike.
std::string ObjectSectionName(uint16_t index);
std::string SubIndexSectionName(uint16_t index, uint8_t subIndex);

} // namespace corvid
