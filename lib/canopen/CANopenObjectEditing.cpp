#include "canopen/CANopenObjectEditing.h"

#include "canopen/CANopenValueRules.h"
#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <cstdio>

namespace corvid {

namespace {

constexpr uint16_t kDataTypeUnsigned8 = 5;
constexpr uint16_t kLowestObjectIndex = 0x1000;

template <typename... Args> std::string Format(std::string_view pattern, Args... args) {
    const std::string format(pattern);
    const int size = std::snprintf(nullptr, 0, format.c_str(), args...);
    std::string text(static_cast<size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), args...);
    return text;
}

bool AskYes(IUserInterface& ui, const std::string& text) {
    return ui.AskMessage(text, std::string(kMessageCaption), MessageButtons::YesNo,
                         MessageIcon::Question) == MessageAnswer::Yes;
}

CANopenObject* FindObjectRecord(CCANopenEDS& model, uint16_t index) {
    const FindResult where = FindObject(model.Objects, index);
    if (where.relation != FindRelation::Found)
        return nullptr;
    return &model.Objects[*where.position];
}

const CANopenObject* FindObjectRecord(const CCANopenEDS& model, uint16_t index) {
    return FindObjectRecord(const_cast<CCANopenEDS&>(model), index);
}

std::optional<size_t> SubPosition(const CANopenObject& object, uint8_t subIndex) {
    const FindResult where = FindSubObject(object.SubObjects, subIndex);
    if (where.relation != FindRelation::Found)
        return std::nullopt;
    return where.position;
}

CANopenObject NumberOfEntriesRecord(uint16_t index) {
    CANopenObject record;
    record.Index = index;
    record.ParameterName = "Number of entries";
    record.ObjectType = kObjectTypeVar;
    record.DataType = kDataTypeUnsigned8;
    record.AccessType = "ro";
    return record;
}

// SubNumber follows the records, and sub-index 0, when present, names the
// highest sub-index. Only sub-index 0 is touched, never whatever record
// happens to come first, and it keeps the form its file gave it while its
// value is already right.
void UpdateSubIndexCount(CANopenObject& object) {
    auto& subs = object.SubObjects;
    if (subs.empty()) {
        object.SubNumber = 0;
        return;
    }
    object.SubNumber = static_cast<uint8_t>(std::min<size_t>(subs.size(), 255));
    const std::optional<size_t> zero = SubPosition(object, 0);
    if (!zero)
        return;
    const uint8_t highest = subs.back().SubIndex;
    CANopenObject& count = subs[*zero];
    if (count.DefaultValue.empty() || ParseNumber(count.DefaultValue) != highest)
        count.DefaultValue = "0x" + FormatHexDigits(highest);
}

std::optional<ObjectKey> PlaceObject(CCANopenEDS& model, CANopenObject record, IUserInterface& ui) {
    const FindResult where = FindObject(model.Objects, record.Index);
    if (where.relation == FindRelation::Found &&
        !AskYes(ui, Format(object_texts::kReplaceIndex, unsigned{record.Index})))
        return std::nullopt;
    const ObjectKey key{record.Index, std::nullopt};
    PlaceAt(model.Objects, where, std::move(record));
    return key;
}

std::optional<ObjectKey> PlaceSubIndex(CCANopenEDS& model, CANopenObject record,
                                       IUserInterface& ui) {
    CANopenObject* object = FindObjectRecord(model, record.Index);
    if (!object) {
        ui.AskMessage(Format(object_texts::kNoSuchObject, unsigned{record.Index}),
                      std::string(kMessageCaption), MessageButtons::Ok, MessageIcon::Information);
        return std::nullopt;
    }
    const ObjectKey key{record.Index, record.SubIndex};
    if (object->SubObjects.empty()) {
        // Sub-indexes exist only in structured objects; a plain object that
        // gains one would be written in a shape no reader takes back.
        if (!IsStructuredObjectType(object->ObjectType))
            object->ObjectType = kObjectTypeRecord;
        if (record.SubIndex != 0)
            object->SubObjects.push_back(NumberOfEntriesRecord(record.Index));
        object->SubObjects.push_back(std::move(record));
        UpdateSubIndexCount(*object);
        return key;
    }
    const FindResult where = FindSubObject(object->SubObjects, record.SubIndex);
    if (where.relation == FindRelation::Found &&
        !AskYes(ui, Format(object_texts::kReplaceSubIndex, unsigned{record.Index},
                           unsigned{record.SubIndex})))
        return std::nullopt;
    PlaceAt(object->SubObjects, where, std::move(record));
    UpdateSubIndexCount(*object);
    return key;
}

// The first value of the record or of its sub-indexes that its data type
// cannot hold, or the first limits out of order; empty when there is none.
std::string FirstValueFault(const CANopenObject& record) {
    if (const std::vector<std::string> faults = CANopenRecordValueFaults(record); !faults.empty())
        return faults.front();
    if (std::string order = CANopenLimitOrderFault(record); !order.empty())
        return order;
    for (const CANopenObject& sub : record.SubObjects)
        if (std::string fault = FirstValueFault(sub); !fault.empty())
            return fault;
    return {};
}

// An object goes to the list of its index range, whichever the dialog chose.
void PlaceInCategoryOfIndex(CANopenObject& object, IUserInterface& ui) {
    const uint8_t category = CategoryOfIndex(object.Index);
    if (category != object.Category)
        ui.AppendMessage("Object [" + FormatHexDigits(object.Index) + "] belongs in " +
                         ObjectListName(category) + ", and is placed there.\r\n");
    object.Category = category;
}

} // namespace

bool IsStructuredObjectType(uint8_t objectType) {
    return objectType == kObjectTypeDefStruct || objectType == kObjectTypeArray ||
           objectType == kObjectTypeRecord;
}

std::optional<uint16_t> ParseObjectIndexText(std::string_view text) {
    const std::string digits = TrimmedBlanks(text);
    if (digits.empty() || digits.size() > 4 || !IsHex("0x" + digits))
        return std::nullopt;
    const uint32_t index = ParseNumber("0x" + digits);
    if (index < kLowestObjectIndex)
        return std::nullopt;
    return static_cast<uint16_t>(index);
}

std::optional<ObjectKey> ApplyObjectRecord(CCANopenEDS& model, CANopenObject record,
                                           std::string_view indexText, IUserInterface& ui) {
    const std::optional<uint16_t> index = ParseObjectIndexText(indexText);
    if (!index) {
        ui.AskMessage(std::string(object_texts::kInvalidIndex), std::string(kMessageCaption),
                      MessageButtons::Ok, MessageIcon::Error);
        return std::nullopt;
    }
    if (const std::string fault = FirstValueFault(record); !fault.empty()) {
        ui.AskMessage(fault, std::string(kMessageCaption), MessageButtons::Ok, MessageIcon::Error);
        return std::nullopt;
    }
    record.Index = *index;
    for (CANopenObject& sub : record.SubObjects)
        sub.Index = *index;
    if (record.Category != 0) {
        PlaceInCategoryOfIndex(record, ui);
        return PlaceObject(model, std::move(record), ui);
    }
    return PlaceSubIndex(model, std::move(record), ui);
}

bool CanRemoveObjectRecord(const CCANopenEDS& model, const ObjectKey& key) {
    const CANopenObject* object = FindObjectRecord(model, key.Index);
    if (!object)
        return false;
    if (!key.SubIndex)
        return true;
    if (!SubPosition(*object, *key.SubIndex))
        return false;
    return *key.SubIndex != 0 || object->SubObjects.size() == 1;
}

std::optional<CANopenObject> RemoveObjectRecord(CCANopenEDS& model, const ObjectKey& key) {
    if (!CanRemoveObjectRecord(model, key))
        return std::nullopt;
    const FindResult where = FindObject(model.Objects, key.Index);
    const auto at = model.Objects.begin() + static_cast<std::ptrdiff_t>(*where.position);
    if (!key.SubIndex) {
        CANopenObject removed = std::move(*at);
        model.Objects.erase(at);
        return removed;
    }
    auto& subs = at->SubObjects;
    const auto sub = subs.begin() + static_cast<std::ptrdiff_t>(*SubPosition(*at, *key.SubIndex));
    CANopenObject removed = std::move(*sub);
    subs.erase(sub);
    UpdateSubIndexCount(*at);
    return removed;
}

std::string DeleteQuestion(std::string_view what) {
    return std::string(object_texts::kDeleteObject) + "\r\n" + std::string(what);
}

namespace {

// "0x2100 Motor settings", or "0x2100 sub-index 1 Motor current".
std::string RecordTitle(const CCANopenEDS& model, const ObjectKey& key) {
    const CANopenObject& object = *FindObjectRecord(model, key.Index);
    std::string title = "0x" + FormatHexDigits(key.Index);
    const CANopenObject* record = &object;
    if (key.SubIndex) {
        title += " sub-index " + std::to_string(*key.SubIndex);
        record = &object.SubObjects[*SubPosition(object, *key.SubIndex)];
    }
    return record->ParameterName.empty() ? title : title + " " + record->ParameterName;
}

} // namespace

bool DeleteObjectRecord(CCANopenEDS& model, const ObjectKey& key, IUserInterface& ui) {
    if (!CanRemoveObjectRecord(model, key) || !AskYes(ui, DeleteQuestion(RecordTitle(model, key))))
        return false;
    return RemoveObjectRecord(model, key).has_value();
}

} // namespace corvid
