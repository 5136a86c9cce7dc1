// The check's rule for PDO mapping entries (objects 0x1600-0x17FF and
// 0x1A00-0x1BFF, sub-indexes 1 and up): each names an object that exists,
// may be mapped, and is as long as the entry says. Dummy entries (a data
// type's index) need the dummy enabled in [DummyUsage].

#include "CANopenCheckContext.h"

#include "canopen/CANopenValueRules.h"
#include "dictionaries/EDSTextHelper.h"

namespace corvid {

namespace {

struct Mapped {
    uint16_t index = 0;
    uint8_t subIndex = 0;
    uint8_t bits = 0;
};

std::string MappedText(const Mapped& mapped) {
    return IndexText(mapped.index) + " sub-index " + std::to_string(mapped.subIndex);
}

// The bits a value of the data type takes, or 0 when it has no fixed size.
unsigned TypeBits(uint16_t dataType) {
    const CANopenTypeRule* rule = FindCANopenTypeRule(dataType);
    if (rule == nullptr)
        return 0;
    switch (rule->kind) {
    case CANopenValueKind::Boolean:
        return 1;
    case CANopenValueKind::Integer:
    case CANopenValueKind::Real32:
    case CANopenValueKind::Real64:
        return rule->bits;
    default:
        break;
    }
    return 0;
}

bool DummyEnabled(const CANopenCheckContext& context, uint16_t dummy) {
    const CheckedSection* usage = context.Find("DummyUsage");
    const CheckedKey* key =
        usage ? usage->Find("dummy" + ToLowerAscii(FormatHex16(dummy).substr(2))) : nullptr;
    return key != nullptr && UnsignedValue(key->value).value_or(0) != 0;
}

// The section that holds the mapped value: a sub-index section, or the
// object's own section for a VAR at sub-index 0 or an object with compact
// sub-objects.
const CheckedSection* MappedSection(const CANopenCheckContext& context, const Mapped& mapped) {
    if (const CheckedSection* sub = context.FindSubIndex(mapped.index, mapped.subIndex))
        return sub;
    const CheckedSection* object = context.FindObject(mapped.index);
    if (object == nullptr)
        return nullptr;
    if (mapped.subIndex == 0 && object->Find("subnumber") == nullptr)
        return object;
    const CheckedKey* compact = object->Find("compactsubobj");
    const uint64_t count = compact ? UnsignedValue(compact->value).value_or(0) : 0;
    return mapped.subIndex >= 1 && mapped.subIndex <= count ? object : nullptr;
}

std::string MappingFault(const CANopenCheckContext& context, const Mapped& mapped) {
    if (mapped.index < 0x1000 && FindCANopenTypeRule(mapped.index) != nullptr) {
        if (!DummyEnabled(context, mapped.index))
            return "maps dummy " + IndexText(mapped.index) +
                   ", which [DummyUsage] does not enable.";
        const unsigned bits = TypeBits(mapped.index);
        return bits == 0 || bits == mapped.bits ? std::string()
                                                : "maps dummy " + IndexText(mapped.index) +
                                                      " with " + std::to_string(mapped.bits) +
                                                      " bits; it has " + std::to_string(bits) + ".";
    }
    const CheckedSection* target = MappedSection(context, mapped);
    if (target == nullptr)
        return "maps " + MappedText(mapped) + ", which does not exist.";
    const CheckedKey* flag = target->Find("pdomapping");
    if (flag == nullptr || UnsignedValue(flag->value).value_or(0) == 0)
        return "maps " + MappedText(mapped) + ", which may not be mapped.";
    const CheckedKey* type = target->Find("datatype");
    const unsigned bits =
        type ? TypeBits(static_cast<uint16_t>(UnsignedValue(type->value).value_or(0xFFFF))) : 0;
    // Tools commonly map a BOOLEAN as a whole byte.
    if (bits != 0 && bits != mapped.bits && !(bits == 1 && mapped.bits == 8))
        return "maps " + MappedText(mapped) + " with " + std::to_string(mapped.bits) +
               " bits; its data type has " + std::to_string(bits) + ".";
    return {};
}

void CheckMappingObject(CANopenCheckContext& context, uint16_t index) {
    for (const auto& [subIndex, section] : context.SubIndexesOf(index)) {
        const CheckedKey* value = section->Find("defaultvalue");
        if (subIndex == 0 || value == nullptr)
            continue;
        const std::optional<uint64_t> entry = UnsignedValue(value->value);
        if (!entry || *entry == 0 || *entry > 0xFFFFFFFF)
            continue; // a value that does not fit is reported with the values
        const Mapped mapped{static_cast<uint16_t>(*entry >> 16),
                            static_cast<uint8_t>((*entry >> 8) & 0xFF),
                            static_cast<uint8_t>(*entry & 0xFF)};
        if (std::string fault = MappingFault(context, mapped); !fault.empty())
            context.Report(Severity::Warning, *section, value, std::move(fault));
    }
}

} // namespace

void CheckPDOMappings(CANopenCheckContext& context) {
    for (unsigned first : {0x1600u, 0x1A00u})
        for (unsigned index = first; index < first + 0x200u; ++index)
            if (context.FindObject(static_cast<uint16_t>(index)) != nullptr)
                CheckMappingObject(context, static_cast<uint16_t>(index));
}

} // namespace corvid
