#pragma once

// The keywords of a CANopen file, each described once: the sections of
// fixed keywords and the keys of an object or sub-index section. The reader,
// the writer, the pages, the editing rules and the JSON dump all take their
// keywords, members and forms from here.

#include "canopen/CANopenModel.h"
#include "dictionaries/FieldTable.h"

#include <array>
#include <string>
#include <string_view>

namespace corvid {

// The sections of fixed keywords, as files and the project tree name them.
inline constexpr std::string_view kFileInfoSection = "FileInfo";
inline constexpr std::string_view kDeviceInfoSection = "DeviceInfo";
inline constexpr std::string_view kDummyUsageSection = "DummyUsage";
inline constexpr std::string_view kCommentsSection = "Comments";

// In the order the writer writes them.
inline constexpr FieldTable<CANopenFileInfo, 11> kFileInfoFields{{
    {"FileName", &CANopenFileInfo::FileName, kTextField},
    {"FileVersion", &CANopenFileInfo::FileVersion,
     DecimalField(1, false, FieldEditor::DecimalList, 255)},
    {"FileRevision", &CANopenFileInfo::FileRevision,
     DecimalField(1, false, FieldEditor::DecimalList, 255)},
    {"EDSVersion", &CANopenFileInfo::EDSVersion, WithFallback(kTextField, "3.0")},
    {"Description", &CANopenFileInfo::Description, kTextField},
    {"CreationTime", &CANopenFileInfo::CreationTime, kTextField},
    {"CreationDate", &CANopenFileInfo::CreationDate, kTextField},
    {"CreatedBy", &CANopenFileInfo::CreatedBy, kTextField},
    {"ModificationTime", &CANopenFileInfo::ModificationTime, kTextField},
    {"ModificationDate", &CANopenFileInfo::ModificationDate, kTextField},
    {"ModifiedBy", &CANopenFileInfo::ModifiedBy, kTextField},
}};

// The PDO counts are written in decimal but offered as hex bytes.
inline constexpr FieldTable<CANopenDeviceInfo, 22> kDeviceInfoFields{{
    {"VendorName", &CANopenDeviceInfo::VendorName, kTextField},
    {"VendorNumber", &CANopenDeviceInfo::VendorNumber, HexField(4)},
    {"ProductName", &CANopenDeviceInfo::ProductName, kTextField},
    {"ProductNumber", &CANopenDeviceInfo::ProductNumber, HexField(4)},
    {"RevisionNumber", &CANopenDeviceInfo::RevisionNumber, HexField(4)},
    {"OrderCode", &CANopenDeviceInfo::OrderCode, kTextField},
    {"BaudRate_10", &CANopenDeviceInfo::BaudRate_10, kFlagField},
    {"BaudRate_20", &CANopenDeviceInfo::BaudRate_20, kFlagField},
    {"BaudRate_50", &CANopenDeviceInfo::BaudRate_50, kFlagField},
    {"BaudRate_125", &CANopenDeviceInfo::BaudRate_125, kFlagField},
    {"BaudRate_250", &CANopenDeviceInfo::BaudRate_250, kFlagField},
    {"BaudRate_500", &CANopenDeviceInfo::BaudRate_500, kFlagField},
    {"BaudRate_800", &CANopenDeviceInfo::BaudRate_800, kFlagField},
    {"BaudRate_1000", &CANopenDeviceInfo::BaudRate_1000, kFlagField},
    {"SimpleBootUpMaster", &CANopenDeviceInfo::SimpleBootUpMaster, kFlagField},
    {"SimpleBootUpSlave", &CANopenDeviceInfo::SimpleBootUpSlave, kFlagField},
    {"Granularity", &CANopenDeviceInfo::Granularity, HexField(1, FieldEditor::HexList, 0x40)},
    {"DynamicChannelsSupported", &CANopenDeviceInfo::DynamicChannelsSupported, kFlagField},
    {"GroupMessaging", &CANopenDeviceInfo::GroupMessaging, kFlagField},
    {"NrOfRXPDO", &CANopenDeviceInfo::NrOfRXPDO,
     DecimalField(1, false, FieldEditor::HexList, 0xFF)},
    {"NrOfTXPDO", &CANopenDeviceInfo::NrOfTXPDO,
     DecimalField(1, false, FieldEditor::HexList, 0xFF)},
    {"LSS_Supported", &CANopenDeviceInfo::LSS_Supported, kFlagField},
}};

// The page names each dummy by the data type it stands for.
inline constexpr FieldTable<CANopenDummyUsage, 7> kDummyUsageFields{{
    {"Dummy0001", &CANopenDummyUsage::Dummy0001, Labelled(kFlagField, "Boolean")},
    {"Dummy0002", &CANopenDummyUsage::Dummy0002, Labelled(kFlagField, "Signed8")},
    {"Dummy0003", &CANopenDummyUsage::Dummy0003, Labelled(kFlagField, "Signed16")},
    {"Dummy0004", &CANopenDummyUsage::Dummy0004, Labelled(kFlagField, "Signed32")},
    {"Dummy0005", &CANopenDummyUsage::Dummy0005, Labelled(kFlagField, "Unsigned8")},
    {"Dummy0006", &CANopenDummyUsage::Dummy0006, Labelled(kFlagField, "Unsigned16")},
    {"Dummy0007", &CANopenDummyUsage::Dummy0007, Labelled(kFlagField, "Unsigned32")},
}};

// "Lines" counts the "LineN" keys that follow it, so it follows the lines
// and is never edited apart from them.
inline constexpr FieldTable<CANopenComments, 1> kCommentsFields{{
    {"Lines", &CANopenComments::Lines, DecimalField(2, false, FieldEditor::ReadOnly)},
}};
inline constexpr std::string_view kCommentLineKeyword = "Line";

// "Line<number>", the key of comment line `number` (from 1).
std::string CommentLineKey(size_t number);
// The number N of a key "LineN" written without leading zeros, else 0.
unsigned CommentLineNumber(std::string_view key, KeywordMatch match);

// The keys of an object or sub-index section, in the model's order, each
// with the column of the object page that shows it (SubNumber has none).
inline constexpr FieldTable<CANopenObject, 9> kObjectFields{{
    {"SubNumber", &CANopenObject::SubNumber, InColumn(DecimalField(1), 0)},
    {"ParameterName", &CANopenObject::ParameterName, InColumn(kTextField, 1)},
    {"ObjectType", &CANopenObject::ObjectType, InColumn(DecimalField(1), 6)},
    {"DataType", &CANopenObject::DataType, InColumn(HexField(2), 5)},
    {"LowLimit", &CANopenObject::LowLimit, InColumn(kTextField, 2)},
    {"HighLimit", &CANopenObject::HighLimit, InColumn(kTextField, 3)},
    {"DefaultValue", &CANopenObject::DefaultValue, InColumn(kTextField, 4)},
    {"AccessType", &CANopenObject::AccessType, InColumn(kTextField, 7)},
    {"PDOMapping", &CANopenObject::PDOMapping, InColumn(kFlagField, 8)},
}};

// The keys the writer and the editing rules treat apart.
inline constexpr const FieldEntry<CANopenObject>& kSubNumberKey = kObjectFields[0];
inline constexpr const FieldEntry<CANopenObject>& kParameterNameKey = kObjectFields[1];
inline constexpr const FieldEntry<CANopenObject>& kObjectTypeKey = kObjectFields[2];
inline constexpr const FieldEntry<CANopenObject>& kDataTypeKey = kObjectFields[3];
inline constexpr const FieldEntry<CANopenObject>& kLowLimitKey = kObjectFields[4];
inline constexpr const FieldEntry<CANopenObject>& kHighLimitKey = kObjectFields[5];
inline constexpr const FieldEntry<CANopenObject>& kDefaultValueKey = kObjectFields[6];
inline constexpr const FieldEntry<CANopenObject>& kAccessTypeKey = kObjectFields[7];
inline constexpr const FieldEntry<CANopenObject>& kPDOMappingKey = kObjectFields[8];

// The object page's value columns, after the index.
inline constexpr size_t kObjectColumns = 8;

// Whether the row of an object with sub-indexes shows and edits `key`: its
// other values are in its sub-index rows.
inline bool IsHeadRowKey(const FieldEntry<CANopenObject>& key) {
    return &key == &kParameterNameKey || &key == &kObjectTypeKey;
}

// The bit of CANopenObject::KeysInFile that says the file gave `key`.
// Inline: the reader sets one for every line of a record.
inline uint16_t ObjectKeyBit(const FieldEntry<CANopenObject>& key) {
    return static_cast<uint16_t>(1u << FieldPlace(kObjectFields, key));
}

// The access types an object may have; the empty one stands for "not given".
inline constexpr std::array<std::string_view, 7> kAccessTypes = {"",    "ro",  "wo",   "rw",
                                                                 "rwr", "rww", "const"};

} // namespace corvid
