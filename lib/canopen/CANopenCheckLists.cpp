// The check's rules for [MandatoryObjects], [OptionalObjects] and
// [ManufacturerObjects]: the count against the entries, each entry against
// the object sections and the list its index belongs in, and every object
// section against the lists.

#include "CANopenCheckContext.h"

#include "canopen/CANopenModel.h"
#include "canopen/CANopenValueRules.h"
#include "dictionaries/EDSTextHelper.h"

#include <map>
#include <set>

namespace corvid {

namespace {

struct ListEntry {
    const CheckedSection* list = nullptr;
    const CheckedKey* key = nullptr;
    uint64_t number = 0;
};

std::map<uint64_t, const CheckedKey*> NumberedEntries(const CheckedSection& list) {
    std::map<uint64_t, const CheckedKey*> entries;
    for (const CheckedKey& key : list.keys)
        if (IsDecimal(key.lower))
            if (const std::optional<uint64_t> number = UnsignedValue(key.lower))
                entries.try_emplace(*number, &key);
    return entries;
}

// SupportedObjects against the entries 1 to N.
void CheckCount(CANopenCheckContext& context, const CheckedSection& list,
                const std::map<uint64_t, const CheckedKey*>& entries) {
    const CheckedKey* supported = list.Find("supportedobjects");
    if (supported == nullptr) {
        if (!entries.empty())
            context.Report(Severity::Warning, list, nullptr,
                           "SupportedObjects missing; the entries are not read.");
        return;
    }
    const std::optional<uint64_t> count = UnsignedValue(supported->value);
    if (!count) {
        context.Report(Severity::Error, list, supported,
                       "SupportedObjects " + supported->value + " is no number.");
        return;
    }
    for (const auto& [number, key] : entries)
        if (number > *count || number == 0)
            context.Report(Severity::Warning, list, key,
                           "entry beyond SupportedObjects=" + supported->value +
                               "; it is not read.");
    for (uint64_t number = 1; number <= *count; ++number) {
        if (!entries.contains(number)) {
            context.Report(Severity::Warning, list, supported,
                           "SupportedObjects says " + supported->value + ", but entry " +
                               std::to_string(number) + " is missing.");
            return;
        }
    }
}

} // namespace

void CheckObjectLists(CANopenCheckContext& context) {
    std::map<uint16_t, ListEntry> listed;
    for (uint8_t category : {kCategoryMandatory, kCategoryOptional, kCategoryManufacturer}) {
        const CheckedSection* list = context.Find(ObjectListName(category));
        if (list == nullptr)
            continue;
        const auto entries = NumberedEntries(*list);
        CheckCount(context, *list, entries);
        for (const auto& [number, key] : entries) {
            const std::optional<uint64_t> index = UnsignedValue(key->value);
            if (!index || *index > 0xFFFF) {
                context.Report(Severity::Error, *list, key,
                               "entry " + key->value + " is no object index.");
                continue;
            }
            const auto object = static_cast<uint16_t>(*index);
            if (!listed.try_emplace(object, ListEntry{list, key, number}).second) {
                context.Report(Severity::Warning, *list, key,
                               "object " + IndexText(object) + " is listed more than once.");
                continue;
            }
            if (context.FindObject(object) == nullptr)
                context.Report(Severity::Error, *list, key,
                               "object " + IndexText(object) + " is listed, but has no section.");
            else if (const uint8_t belongs = CategoryOfIndex(object); belongs != category)
                context.Report(Severity::Warning, *list, key,
                               "object " + IndexText(object) + " belongs in [" +
                                   ObjectListName(belongs) + "].");
        }
    }
    for (const CheckedSection& section : context.Sections()) {
        const ObjectSectionParts name = ParseObjectSectionName(section.Name());
        if (section.first && name.kind == ObjectSectionParts::Kind::Object &&
            name.index >= 0x1000 && !listed.contains(name.index))
            context.Report(Severity::Warning, section, nullptr,
                           "object " + IndexText(name.index) + " is in no object list; [" +
                               ObjectListName(CategoryOfIndex(name.index)) + "] should name it.");
    }
    const CheckedSection* mandatoryList = context.Find("MandatoryObjects");
    for (uint16_t mandatory : {0x1000, 0x1001, 0x1018}) {
        if (context.FindObject(mandatory) != nullptr)
            continue;
        std::string message = "mandatory object " + IndexText(mandatory) + " is missing.";
        if (mandatoryList != nullptr)
            context.Report(Severity::Warning, *mandatoryList, nullptr, std::move(message));
        else
            context.ReportAt(Severity::Warning, 1, "MandatoryObjects", "", std::move(message));
    }
}

} // namespace corvid
