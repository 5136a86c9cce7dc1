#include "CellRules.h"

#include "canopen/CANopenObjectEditing.h"
#include "canopen/CANopenValueRules.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/TypeDictionaries.h"

#include <array>

namespace corvid {

namespace {

using namespace cells;

CommitResult CommitFileInfo(CANopenFileInfo& info, const CellEdit& edit) {
    return CommitKeyword(
        edit, {{"FileName", [&] { return StoreText(info.FileName, edit); }},
               {"FileVersion", [&] { return StoreNumber(info.FileVersion, edit); }},
               {"FileRevision", [&] { return StoreNumber(info.FileRevision, edit); }},
               {"EDSVersion", [&] { return StoreText(info.EDSVersion, edit); }},
               {"Description", [&] { return StoreText(info.Description, edit); }},
               {"CreationTime", [&] { return StoreText(info.CreationTime, edit); }},
               {"CreationDate", [&] { return StoreText(info.CreationDate, edit); }},
               {"CreatedBy", [&] { return StoreText(info.CreatedBy, edit); }},
               {"ModificationTime", [&] { return StoreText(info.ModificationTime, edit); }},
               {"ModificationDate", [&] { return StoreText(info.ModificationDate, edit); }},
               {"ModifiedBy", [&] { return StoreText(info.ModifiedBy, edit); }}});
}

CommitResult CommitDeviceInfo(CANopenDeviceInfo& info, const CellEdit& edit) {
    const auto flag = [&](bool& field) { return [&] { return StoreFlag(field, edit); }; };
    return CommitKeyword(
        edit, {{"VendorName", [&] { return StoreText(info.VendorName, edit); }},
               {"VendorNumber", [&] { return StoreNumber(info.VendorNumber, edit); }},
               {"ProductName", [&] { return StoreText(info.ProductName, edit); }},
               {"ProductNumber", [&] { return StoreNumber(info.ProductNumber, edit); }},
               {"RevisionNumber", [&] { return StoreNumber(info.RevisionNumber, edit); }},
               {"OrderCode", [&] { return StoreText(info.OrderCode, edit); }},
               {"BaudRate_10", flag(info.BaudRate_10)},
               {"BaudRate_20", flag(info.BaudRate_20)},
               {"BaudRate_50", flag(info.BaudRate_50)},
               {"BaudRate_125", flag(info.BaudRate_125)},
               {"BaudRate_250", flag(info.BaudRate_250)},
               {"BaudRate_500", flag(info.BaudRate_500)},
               {"BaudRate_800", flag(info.BaudRate_800)},
               {"BaudRate_1000", flag(info.BaudRate_1000)},
               {"SimpleBootUpMaster", flag(info.SimpleBootUpMaster)},
               {"SimpleBootUpSlave", flag(info.SimpleBootUpSlave)},
               {"Granularity", [&] { return StoreNumber(info.Granularity, edit, 0x40); }},
               {"DynamicChannelsSupported", flag(info.DynamicChannelsSupported)},
               {"GroupMessaging", flag(info.GroupMessaging)},
               {"NrOfRXPDO", [&] { return StoreNumber(info.NrOfRXPDO, edit); }},
               {"NrOfTXPDO", [&] { return StoreNumber(info.NrOfTXPDO, edit); }},
               {"LSS_Supported", flag(info.LSS_Supported)}});
}

CommitResult CommitDummyUsage(CANopenDummyUsage& usage, const CellEdit& edit) {
    const auto flag = [&](bool& field) { return [&] { return StoreFlag(field, edit); }; };
    return CommitKeyword(edit, {{"Boolean", flag(usage.Dummy0001)},
                                {"Signed8", flag(usage.Dummy0002)},
                                {"Signed16", flag(usage.Dummy0003)},
                                {"Signed32", flag(usage.Dummy0004)},
                                {"Unsigned8", flag(usage.Dummy0005)},
                                {"Unsigned16", flag(usage.Dummy0006)},
                                {"Unsigned32", flag(usage.Dummy0007)}});
}

// "Lines" follows the lines: editing it apart from them would lose lines on
// the next read, so only the lines themselves are edited.
CommitResult CommitComments(CANopenComments& comments, const CellEdit& edit) {
    constexpr std::string_view kLine = "Line";
    if (edit.Column != 1 || !edit.RowKey.starts_with(kLine))
        return NotEditable(edit);
    const std::string_view digits = edit.RowKey.substr(kLine.size());
    const std::optional<uint32_t> number =
        IsDecimal(digits) ? ParseCellNumber(digits, comments.LineTexts.size()) : std::nullopt;
    if (!number || *number == 0)
        return NotEditable(edit);
    return StoreText(comments.LineTexts[*number - 1], edit);
}

CommitResult StoreDataType(CANopenObject& record, const CellEdit& edit) {
    const std::string name = Trimmed(edit);
    const uint16_t index = name.empty() ? kNoDataType : DataTypeIndex(name);
    if (!name.empty() && index == kNoDataType)
        return Refused(edit, "not a data type of " + std::string(kDataTypeFile));
    record.DataType = index;
    std::string outside;
    for (const std::string& fault : CANopenRecordValueFaults(record))
        outside += (outside.empty() ? "" : " ") + fault;
    return StoredWithWarning(edit, outside);
}

// A limit or default the data type cannot hold is refused; crossed limits
// are stored with a warning, since the user may be changing one limit after
// the other.
CommitResult StoreObjectValue(CANopenObject& record, std::string& field, std::string_view label,
                              const CellEdit& edit) {
    std::string text = Trimmed(edit);
    if (const std::string fault = CANopenValueFault(label, text, record.DataType); !fault.empty())
        return RefusedByRule(edit, fault);
    field = std::move(text);
    return StoredWithWarning(edit, CANopenLimitOrderFault(record));
}

CommitResult StoreObjectType(CANopenObject& record, const CellEdit& edit) {
    const std::string name = Trimmed(edit);
    const uint8_t code = name.empty() ? kNoObjectType : ObjectTypeCode(name);
    if (!name.empty() && code == kNoObjectType)
        return Refused(edit, "not an object type of " + std::string(kObjectTypeFile));
    // Sub-indexes are written only for structured objects: a plain type
    // would lose them on the next read.
    if (record.SubObjects && !record.SubObjects->empty() && !IsStructuredObjectType(code))
        return Refused(edit, "an object with sub-indexes must be DEFSTRUCT, ARRAY or RECORD");
    record.ObjectType = code;
    return Stored();
}

CommitResult StoreAccessType(CANopenObject& record, const CellEdit& edit) {
    static constexpr std::array<std::string_view, 7> kAccessTypes = {"",    "ro",  "wo",   "rw",
                                                                     "rwr", "rww", "const"};
    const std::string text = ToLowerAscii(Trimmed(edit));
    for (const std::string_view accessType : kAccessTypes)
        if (text == accessType) {
            record.AccessType = text;
            return Stored();
        }
    return Refused(edit, "not ro, wo, rw, rwr, rww or const");
}

CommitResult CommitObjectCell(CANopenObject& record, const CellEdit& edit) {
    const bool hasSubIndexes = record.SubObjects && !record.SubObjects->empty();
    if (hasSubIndexes && edit.Column != 1 && edit.Column != 6)
        return NotEditable(edit);
    switch (edit.Column) {
    case 1:
        return StoreText(record.ParameterName, edit);
    case 2:
        return StoreObjectValue(record, record.LowLimit, kLowLimitLabel, edit);
    case 3:
        return StoreObjectValue(record, record.HighLimit, kHighLimitLabel, edit);
    case 4:
        return StoreObjectValue(record, record.DefaultValue, kDefaultValueLabel, edit);
    case 5:
        return StoreDataType(record, edit);
    case 6:
        return StoreObjectType(record, edit);
    case 7:
        return StoreAccessType(record, edit);
    case 8:
        return StoreFlag(record.PDOMapping, edit);
    default:
        return NotEditable(edit);
    }
}

// The object a row of an object page names, when that object is on the page.
CANopenObject* PageObject(CCANopenEDS& model, std::string_view section,
                          const std::optional<ObjectKey>& key) {
    const uint8_t category = ObjectListCategory(section);
    if (!key || category == 0)
        return nullptr;
    const FindResult where = FindObject(model.Objects, key->Index);
    if (where.relation != FindRelation::Found)
        return nullptr;
    CANopenObject& object = model.Objects[*where.position];
    return object.Category == category ? &object : nullptr;
}

CommitResult CommitObjectPage(CCANopenEDS& model, const CellEdit& edit) {
    const std::optional<ObjectKey> key = ParseObjectRowKey(edit.RowKey);
    CANopenObject* found = PageObject(model, edit.Section, key);
    if (!found)
        return NotEditable(edit);
    CANopenObject& object = *found;
    if (!key->SubIndex)
        return CommitObjectCell(object, edit);
    if (!object.SubObjects)
        return NotEditable(edit);
    const FindResult sub = FindSubObject(*object.SubObjects, *key->SubIndex);
    if (sub.relation != FindRelation::Found)
        return NotEditable(edit);
    return CommitObjectCell((*object.SubObjects)[*sub.position], edit);
}

} // namespace

std::optional<ObjectKey> ParseObjectRowKey(std::string_view key) {
    const size_t sub = ToLowerAscii(key).find("sub");
    const std::optional<uint32_t> index =
        ParseCellNumber("0x" + std::string(key.substr(0, sub)), 0xFFFF);
    if (!index)
        return std::nullopt;
    ObjectKey objectKey{static_cast<uint16_t>(*index), std::nullopt};
    if (sub == std::string_view::npos)
        return objectKey;
    const std::optional<uint32_t> subIndex =
        ParseCellNumber("0x" + std::string(key.substr(sub + 3)), 0xFF);
    if (!subIndex)
        return std::nullopt;
    objectKey.SubIndex = static_cast<uint8_t>(*subIndex);
    return objectKey;
}

CommitResult CommitCell(CCANopenEDS& model, const CellEdit& edit) {
    if (edit.Section == "FileInfo")
        return CommitFileInfo(model.FileInfo, edit);
    if (edit.Section == "DeviceInfo")
        return CommitDeviceInfo(model.DeviceInfo, edit);
    if (edit.Section == "DummyUsage")
        return CommitDummyUsage(model.DummyUsage, edit);
    if (edit.Section == "Comments")
        return CommitComments(model.Comments, edit);
    if (ObjectListCategory(edit.Section) != 0)
        return CommitObjectPage(model, edit);
    return NotEditable(edit);
}

CommitResult DeleteRow(CCANopenEDS& model, std::string_view section, std::string_view rowKey,
                       IUserInterface& ui) {
    const std::optional<ObjectKey> key = ParseObjectRowKey(rowKey);
    if (!PageObject(model, section, key) || !CanRemoveObjectRecord(model, *key))
        return NotDeletable(section, rowKey);
    if (!DeleteObjectRecord(model, *key, ui))
        return {CommitStatus::Declined, {}};
    return Stored();
}

} // namespace corvid
