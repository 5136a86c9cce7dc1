// The check's rules for [FileInfo], [DeviceInfo], [DummyUsage], [Comments]
// and [DeviceComissioning]: known keys with values of their kind, and the
// counts and numbers that must agree with the objects.

#include "CANopenCheckContext.h"

#include "canopen/CANopenValueRules.h"
#include "dictionaries/EDSTextHelper.h"

#include <map>

namespace corvid {

namespace {

// The CANopen data type each key's value must fit.
constexpr uint16_t kFlag = 0x0001;
constexpr uint16_t kU8 = 0x0005;
constexpr uint16_t kU16 = 0x0006;
constexpr uint16_t kU32 = 0x0007;
constexpr uint16_t kText = 0x0009;

struct FixedKey {
    std::string_view key; // lower case
    uint16_t type;
};

constexpr FixedKey kFileInfoKeys[] = {
    {"filename", kText},         {"fileversion", kU8},   {"filerevision", kU8},
    {"edsversion", kText},       {"description", kText}, {"creationtime", kText},
    {"creationdate", kText},     {"createdby", kText},   {"modificationtime", kText},
    {"modificationdate", kText}, {"modifiedby", kText},  {"lasteds", kText}};

constexpr FixedKey kDeviceInfoKeys[] = {
    {"vendorname", kText},        {"vendornumber", kU32},   {"productname", kText},
    {"productnumber", kU32},      {"revisionnumber", kU32}, {"ordercode", kText},
    {"baudrate_10", kFlag},       {"baudrate_20", kFlag},   {"baudrate_50", kFlag},
    {"baudrate_125", kFlag},      {"baudrate_250", kFlag},  {"baudrate_500", kFlag},
    {"baudrate_800", kFlag},      {"baudrate_1000", kFlag}, {"simplebootupmaster", kFlag},
    {"simplebootupslave", kFlag}, {"granularity", kU8},     {"dynamicchannelssupported", kU8},
    {"groupmessaging", kFlag},    {"nrofrxpdo", kU16},      {"nroftxpdo", kU16},
    {"lss_supported", kFlag},     {"compactpdo", kU8}};

constexpr FixedKey kCommissioningKeys[] = {{"nodeid", kU8},           {"nodename", kText},
                                           {"baudrate", kU16},        {"netnumber", kU32},
                                           {"networkname", kText},    {"canopenmanager", kFlag},
                                           {"lss_serialnumber", kU32}};

// A value of [FileInfo] only informs; one of [DeviceInfo] is what tools use.
template <size_t N>
void CheckKeyTable(CANopenCheckContext& context, std::string_view name, const FixedKey (&table)[N],
                   Severity severity) {
    const CheckedSection* section = context.Find(name);
    if (section == nullptr)
        return;
    for (const CheckedKey& key : section->keys) {
        const FixedKey* known = nullptr;
        for (const FixedKey& entry : table)
            if (entry.key == key.lower)
                known = &entry;
        if (known == nullptr) {
            context.Report(Severity::Warning, *section, &key, "key not allowed in this section.");
            continue;
        }
        if (std::string fault = CANopenValueFault(key.written, key.value, known->type);
            !fault.empty())
            context.Report(severity, *section, &key, std::move(fault));
    }
}

// "DummyNNNN" for a data type NNNN (commonly 0001 to 0007), each 0 or 1.
void CheckDummyUsage(CANopenCheckContext& context) {
    const CheckedSection* section = context.Find("DummyUsage");
    if (section == nullptr)
        return;
    for (const CheckedKey& key : section->keys) {
        const std::optional<uint64_t> type =
            key.lower.size() == 9 && key.lower.starts_with("dummy") &&
                    IsHex("0x" + key.lower.substr(5))
                ? std::optional<uint64_t>(ParseNumber("0x" + key.lower.substr(5)))
                : std::nullopt;
        if (!type || FindCANopenTypeRule(static_cast<uint16_t>(*type)) == nullptr)
            context.Report(Severity::Warning, *section, &key,
                           "key not allowed in this section; a dummy names a data type "
                           "(Dummy0001 to Dummy0007).");
        else if (std::string fault = CANopenValueFault(key.written, key.value, kFlag);
                 !fault.empty())
            context.Report(Severity::Error, *section, &key, std::move(fault));
    }
}

// "Lines" counts "Line1" to "LineN"; each should be there, none beyond.
void CheckComments(CANopenCheckContext& context) {
    const CheckedSection* section = context.Find("Comments");
    if (section == nullptr)
        return;
    const CheckedKey* lines = section->Find("lines");
    const uint64_t count = lines ? UnsignedValue(lines->value).value_or(0) : 0;
    std::map<uint64_t, const CheckedKey*> present;
    for (const CheckedKey& key : section->keys) {
        if (key.lower == "lines")
            continue;
        const std::optional<uint64_t> number =
            key.lower.starts_with("line") && IsDecimal(key.lower.substr(4))
                ? UnsignedValue(key.lower.substr(4))
                : std::nullopt;
        if (!number || *number == 0)
            context.Report(Severity::Warning, *section, &key, "key not allowed in this section.");
        else if (*number > count)
            context.Report(Severity::Warning, *section, &key,
                           "comment line beyond Lines=" + std::to_string(count) +
                               "; it is not read.");
        else
            present.try_emplace(*number, &key);
    }
    if (lines != nullptr && present.size() < count)
        context.Report(Severity::Warning, *section, lines,
                       "Lines says " + std::to_string(count) + ", but " +
                           std::to_string(present.size()) +
                           (present.size() == 1 ? " comment line is present."
                                                : " comment lines are present."));
}

// The identity in [DeviceInfo] against object 0x1018's sub-indexes 1 to 3.
void CheckIdentity(CANopenCheckContext& context) {
    const CheckedSection* info = context.Find("DeviceInfo");
    if (info == nullptr)
        return;
    constexpr std::pair<std::string_view, uint8_t> kIdentity[] = {
        {"vendornumber", 1}, {"productnumber", 2}, {"revisionnumber", 3}};
    for (const auto& [name, subIndex] : kIdentity) {
        const CheckedKey* key = info->Find(name);
        const CheckedSection* sub = context.FindSubIndex(0x1018, subIndex);
        const CheckedKey* value = sub ? sub->Find("defaultvalue") : nullptr;
        if (key == nullptr || value == nullptr)
            continue;
        const auto a = UnsignedValue(key->value);
        const auto b = UnsignedValue(value->value);
        if (a && b && *a != *b)
            context.Report(Severity::Warning, *info, key,
                           key->written + " " + key->value + " differs from 0x1018 sub-index " +
                               std::to_string(subIndex) + " (" + value->value + ").");
    }
}

// NrOfRXPDO and NrOfTXPDO against the communication objects present.
void CheckPDOCounts(CANopenCheckContext& context) {
    const CheckedSection* info = context.Find("DeviceInfo");
    if (info == nullptr)
        return;
    constexpr std::tuple<std::string_view, uint16_t, const char*> kCounts[] = {
        {"nrofrxpdo", 0x1400, "0x1400-0x15FF"}, {"nroftxpdo", 0x1800, "0x1800-0x19FF"}};
    for (const auto& [name, first, range] : kCounts) {
        const CheckedKey* key = info->Find(name);
        const std::optional<uint64_t> stated = key ? UnsignedValue(key->value) : std::nullopt;
        if (!stated)
            continue;
        uint64_t present = 0;
        for (unsigned index = first; index < first + 0x200u; ++index)
            present += context.FindObject(static_cast<uint16_t>(index)) != nullptr ? 1 : 0;
        if (present != *stated)
            context.Report(Severity::Warning, *info, key,
                           key->written + " is " + key->value + ", but the file has " +
                               std::to_string(present) + " objects in " + range + ".");
    }
}

} // namespace

void CheckFixedSections(CANopenCheckContext& context) {
    CheckKeyTable(context, "FileInfo", kFileInfoKeys, Severity::Warning);
    CheckKeyTable(context, "DeviceInfo", kDeviceInfoKeys, Severity::Error);
    CheckKeyTable(context, "DeviceComissioning", kCommissioningKeys, Severity::Error);
    CheckDummyUsage(context);
    CheckComments(context);
    CheckIdentity(context);
    CheckPDOCounts(context);
}

} // namespace corvid
