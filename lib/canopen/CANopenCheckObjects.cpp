// The check's rules for object and sub-index sections: object type, data
// type, access type, the values against the data type and each other,
// SubNumber against the sub-index sections, compact sub-objects and their
// names.

#include "CANopenCheckContext.h"

#include "canopen/CANopenObjectEditing.h"
#include "canopen/CANopenValueRules.h"
#include "dictionaries/EDSTextHelper.h"

namespace corvid {

namespace {

// Files may describe types (DEFTYPE); Corvid's editing never makes one.
constexpr uint8_t kObjectTypeDefType = 5;

// The object type a section gives (VAR when it gives none); none when it
// gives one the format does not know, which is reported.
std::optional<uint8_t> ObjectTypeOf(CANopenCheckContext& context, const CheckedSection& section) {
    const CheckedKey* key = section.Find("objecttype");
    if (key == nullptr)
        return kObjectTypeVar;
    const std::optional<uint64_t> code = UnsignedValue(key->value);
    if (code &&
        (*code == kObjectTypeDomain || (*code >= kObjectTypeDefType && *code <= kObjectTypeRecord)))
        return static_cast<uint8_t>(*code);
    context.Report(Severity::Error, section, key,
                   "ObjectType " + key->value +
                       " is no object type (0x2 DOMAIN, 0x5 DEFTYPE, 0x6 DEFSTRUCT, 0x7 VAR, 0x8 "
                       "ARRAY, 0x9 RECORD).");
    return std::nullopt;
}

// The data type a value section gives, when the format or the file defines
// it; reported otherwise.
std::optional<uint16_t> DataTypeOf(CANopenCheckContext& context, const CheckedSection& section) {
    const CheckedKey* key = section.Find("datatype");
    if (key == nullptr) {
        context.Report(Severity::Error, section, nullptr, "DataType missing.");
        return std::nullopt;
    }
    const std::optional<uint64_t> index = UnsignedValue(key->value);
    if (index && *index <= 0xFFFF &&
        (FindCANopenTypeRule(static_cast<uint16_t>(*index)) != nullptr ||
         (*index < 0x1000 && context.FindObject(static_cast<uint16_t>(*index)) != nullptr)))
        return static_cast<uint16_t>(*index);
    context.Report(Severity::Error, section, key,
                   "DataType " + key->value + " is no known data type.");
    return std::nullopt;
}

void CheckAccessType(CANopenCheckContext& context, const CheckedSection& section) {
    const CheckedKey* key = section.Find("accesstype");
    if (key == nullptr)
        context.Report(Severity::Warning, section, nullptr, "AccessType missing.");
    else if (!IsCANopenAccessType(ToLowerAscii(key->value)))
        context.Report(Severity::Error, section, key,
                       "AccessType " + key->value +
                           " is no access type (ro, wo, rw, rwr, rww, const).");
}

// The three values against the data type, then against each other.
void CheckValues(CANopenCheckContext& context, const CheckedSection& section, uint16_t dataType) {
    CANopenObject record;
    record.DataType = dataType;
    const CheckedKey* keys[3] = {section.Find("lowlimit"), section.Find("highlimit"),
                                 section.Find("defaultvalue")};
    std::string* values[3] = {&record.LowLimit, &record.HighLimit, &record.DefaultValue};
    const std::string_view labels[3] = {kLowLimitLabel, kHighLimitLabel, kDefaultValueLabel};
    const CANopenTypeRule* rule = FindCANopenTypeRule(dataType);
    const bool limited = rule == nullptr || (rule->kind != CANopenValueKind::Text &&
                                             rule->kind != CANopenValueKind::AsWritten);
    bool fit = true;
    for (int i = 0; i < 3; ++i) {
        if (i < 2 && keys[i] != nullptr && !keys[i]->value.empty() && !limited)
            context.Report(Severity::Warning, section, keys[i],
                           keys[i]->written + " given on a data type that takes none.");
        if (keys[i] == nullptr)
            continue;
        *values[i] = keys[i]->value;
        if (std::string fault = CANopenValueFault(labels[i], keys[i]->value, dataType);
            !fault.empty()) {
            context.Report(Severity::Error, section, keys[i], std::move(fault));
            fit = false;
        }
    }
    if (!fit)
        return;
    // Crossed limits stand at Low Limit, a default outside them at the default.
    std::string fault = CANopenLimitOrderFault(record);
    if (fault.empty())
        return;
    const CheckedKey* at =
        fault.starts_with(kLowLimitLabel) || keys[2] == nullptr ? keys[0] : keys[2];
    context.Report(Severity::Warning, section, at, std::move(fault));
}

void CheckPDOMappingFlag(CANopenCheckContext& context, const CheckedSection& section) {
    if (const CheckedKey* key = section.Find("pdomapping"))
        if (std::string fault = CANopenValueFault(key->written, key->value, 0x0001); !fault.empty())
            context.Report(Severity::Error, section, key, std::move(fault));
}

// A section that holds a value: VAR, DOMAIN, DEFTYPE, or any sub-index.
void CheckValueSection(CANopenCheckContext& context, const CheckedSection& section,
                       bool subIndexZero) {
    CheckAccessType(context, section);
    CheckPDOMappingFlag(context, section);
    const std::optional<uint16_t> dataType = DataTypeOf(context, section);
    if (!dataType)
        return;
    if (subIndexZero && *dataType != 0x0005)
        context.Report(Severity::Warning, section, section.Find("datatype"),
                       "sub-index 0 is not UNSIGNED8.");
    CheckValues(context, section, *dataType);
}

// Names of compact sub-objects: NrOfEntries counts entries 1 to the
// object's CompactSubObj.
void CheckCompactNames(CANopenCheckContext& context, uint16_t index, uint64_t compact) {
    const CheckedSection* names = context.Find(FormatHexDigits(index) + "Name");
    if (names == nullptr)
        return;
    uint64_t entries = 0;
    for (const CheckedKey& key : names->keys) {
        if (key.lower == "nrofentries")
            continue;
        ++entries;
        const std::optional<uint64_t> number = UnsignedValue(key.lower);
        if (!number || *number == 0 || *number > compact)
            context.Report(Severity::Warning, *names, &key,
                           "names sub-index " + key.written +
                               ", beyond CompactSubObj=" + std::to_string(compact) + ".");
    }
    const CheckedKey* count = names->Find("nrofentries");
    if (count != nullptr && UnsignedValue(count->value) != entries)
        context.Report(Severity::Warning, *names, count,
                       "NrOfEntries says " + count->value + ", but " + std::to_string(entries) +
                           " names are present.");
}

// An ARRAY, RECORD or DEFSTRUCT: no value keys of its own, and as many
// sub-index sections as SubNumber says, unless CompactSubObj stands for
// them, whose values its own keys then give.
void CheckSubIndexedObject(CANopenCheckContext& context, const CheckedSection& section,
                           uint16_t index) {
    const size_t present = context.SubIndexesOf(index).size();
    const CheckedKey* compactKey = section.Find("compactsubobj");
    const uint64_t compact = compactKey ? UnsignedValue(compactKey->value).value_or(0) : 0;
    if (compact == 0) {
        for (std::string_view name : {"accesstype", "lowlimit", "highlimit"})
            if (const CheckedKey* key = section.Find(name))
                context.Report(Severity::Warning, section, key,
                               key->written + " given on an object type that takes none.");
    } else {
        // The object's own keys describe each of its compact sub-objects.
        CheckValueSection(context, section, false);
        if (present != 0)
            context.Report(Severity::Warning, section, compactKey,
                           "CompactSubObj stands for the sub-indexes, yet " +
                               std::to_string(present) + " sub-index sections are present.");
        CheckCompactNames(context, index, compact);
        return;
    }
    const CheckedKey* subNumber = section.Find("subnumber");
    if (subNumber == nullptr) {
        if (present != 0)
            context.Report(Severity::Warning, section, nullptr,
                           "SubNumber missing; " + std::to_string(present) +
                               " sub-index sections are present.");
        return;
    }
    const std::optional<uint64_t> stated = UnsignedValue(subNumber->value);
    if (stated && *stated != present)
        context.Report(Severity::Warning, section, subNumber,
                       std::string(present > *stated ? "more" : "fewer") + " sub-index sections (" +
                           std::to_string(present) + ") than SubNumber says (" +
                           std::to_string(*stated) + ").");
    else if (!stated)
        context.Report(Severity::Error, section, subNumber,
                       "SubNumber " + subNumber->value + " is no number.");
}

} // namespace

void CheckObjectSections(CANopenCheckContext& context) {
    for (const CheckedSection& section : context.Sections()) {
        if (!section.first)
            continue;
        const ObjectSectionParts name = ParseObjectSectionName(section.Name());
        if (name.kind == ObjectSectionParts::Kind::Object) {
            const std::optional<uint8_t> type = ObjectTypeOf(context, section);
            if (type && IsStructuredObjectType(*type))
                CheckSubIndexedObject(context, section, name.index);
            else if (type)
                CheckValueSection(context, section, false);
        } else if (name.kind == ObjectSectionParts::Kind::SubIndex) {
            const CheckedSection* object = context.FindObject(name.index);
            if (object == nullptr)
                context.Report(Severity::Warning, section, nullptr,
                               "sub-index of object " + IndexText(name.index) +
                                   ", which has no section.");
            ObjectTypeOf(context, section);
            CheckValueSection(context, section, name.subIndex == 0);
        }
    }
}

} // namespace corvid
