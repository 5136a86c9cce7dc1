#include "CellRules.h"

#include "canopen/CANopenFields.h"
#include "canopen/CANopenObjectEditing.h"
#include "canopen/CANopenValueRules.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/TypeDictionaries.h"

#include <type_traits>
#include <variant>

namespace corvid {

namespace {

using namespace cells;

// A value by its member's rules: texts trimmed, flags 0 or 1, numbers up to
// the last item their list offers or what their member holds.
template <typename Record>
CommitResult StoreField(Record& record, const FieldEntry<Record>& item, const CellEdit& edit) {
    if (item.Traits.Editor == FieldEditor::ReadOnly)
        return NotEditable(edit);
    return std::visit(
        [&](auto member) -> CommitResult {
            auto& field = record.*member;
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>)
                return StoreText(field, edit);
            else if constexpr (std::is_same_v<Field, bool>)
                return StoreFlag(field, edit);
            else if (item.Traits.ListLast != 0)
                return StoreNumber(field, edit, item.Traits.ListLast);
            else
                return StoreNumber(field, edit);
        },
        item.Member);
}

// Keyword pages edit only their value column, on the rows the page names.
template <typename Record, size_t N>
CommitResult CommitField(Record& record, const FieldTable<Record, N>& table, const CellEdit& edit) {
    const FieldEntry<Record>* item = FindPageField(table, edit.RowKey);
    if (edit.Column != 1 || item == nullptr)
        return NotEditable(edit);
    const CommitResult result = StoreField(record, *item, edit);
    if (result.Status == CommitStatus::Stored)
        record.Given.Add(FieldPlace(table, *item));
    return result;
}

// "Lines" follows the lines: editing it apart from them would lose lines on
// the next read, so only the lines themselves are edited.
CommitResult CommitComments(CANopenComments& comments, const CellEdit& edit) {
    const unsigned number = CommentLineNumber(edit.RowKey, KeywordMatch::Exact);
    if (edit.Column != 1 || number == 0 || number > comments.LineTexts.size())
        return CommitField(comments, kCommentsFields, edit);
    return StoreText(comments.LineTexts[number - 1], edit);
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
    if (!record.SubObjects.empty() && !IsStructuredObjectType(code))
        return Refused(edit, "an object with sub-indexes must be DEFSTRUCT, ARRAY or RECORD");
    record.ObjectType = code;
    return Stored();
}

CommitResult StoreAccessType(CANopenObject& record, const CellEdit& edit) {
    const std::string text = ToLowerAscii(Trimmed(edit));
    for (const std::string_view accessType : kAccessTypes)
        if (text == accessType) {
            record.AccessType = text;
            return Stored();
        }
    return Refused(edit, "not ro, wo, rw, rwr, rww or const");
}

// The key the object page shows in the edit's column, where the row shows it.
const FieldEntry<CANopenObject>* ObjectKeyOfColumn(const CANopenObject& record,
                                                   const CellEdit& edit) {
    const bool headRow = !record.SubObjects.empty();
    for (const FieldEntry<CANopenObject>& key : kObjectFields)
        if (key.Traits.Column != 0 && key.Traits.Column == edit.Column &&
            (!headRow || IsHeadRowKey(key)))
            return &key;
    return nullptr;
}

CommitResult CommitObjectCell(CANopenObject& record, const CellEdit& edit) {
    const FieldEntry<CANopenObject>* key = ObjectKeyOfColumn(record, edit);
    if (key == nullptr)
        return NotEditable(edit);
    if (key == &kLowLimitKey)
        return StoreObjectValue(record, record.LowLimit, kLowLimitLabel, edit);
    if (key == &kHighLimitKey)
        return StoreObjectValue(record, record.HighLimit, kHighLimitLabel, edit);
    if (key == &kDefaultValueKey)
        return StoreObjectValue(record, record.DefaultValue, kDefaultValueLabel, edit);
    if (key == &kDataTypeKey)
        return StoreDataType(record, edit);
    if (key == &kObjectTypeKey)
        return StoreObjectType(record, edit);
    if (key == &kAccessTypeKey)
        return StoreAccessType(record, edit);
    return StoreField(record, *key, edit);
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
    const FindResult sub = FindSubObject(object.SubObjects, *key->SubIndex);
    if (sub.relation != FindRelation::Found)
        return NotEditable(edit);
    return CommitObjectCell(object.SubObjects[*sub.position], edit);
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
    if (edit.Section == kFileInfoSection)
        return CommitField(model.FileInfo, kFileInfoFields, edit);
    if (edit.Section == kDeviceInfoSection)
        return CommitField(model.DeviceInfo, kDeviceInfoFields, edit);
    if (edit.Section == kDummyUsageSection)
        return CommitField(model.DummyUsage, kDummyUsageFields, edit);
    if (edit.Section == kCommentsSection)
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
