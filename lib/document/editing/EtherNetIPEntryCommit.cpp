#include "CellRules.h"
#include "EtherNetIPEntries.h"
#include "FieldCommit.h"

#include "dictionaries/EDSTextHelper.h"
#include "ethernetip/EtherNetIPFields.h"

#include <algorithm>
#include <array>

namespace corvid::entries {

namespace {

using namespace cells;

template <typename Entry> Entry* Numbered(std::vector<Entry>& list, FindResult where) {
    return where.relation == FindRelation::Found ? &list[*where.position] : nullptr;
}

// The member row reads "size,reference": split at its comma.
CommitResult StoreMember(AssemblyEntry& assembly, size_t member, const CellEdit& edit) {
    std::string text;
    const CommitResult checked = StoreFieldList(text, edit, 1);
    if (checked.Status != CommitStatus::Stored)
        return checked;
    const size_t count =
        std::max({assembly.MemberSizes.size(), assembly.MemberReferences.size(), member + 1});
    assembly.MemberSizes.resize(count);
    assembly.MemberReferences.resize(count);
    const size_t comma = text.find(',');
    assembly.MemberSizes[member] = TrimmedBlanks(std::string_view(text).substr(0, comma));
    assembly.MemberReferences[member] = TrimmedBlanks(std::string_view(text).substr(comma + 1));
    return Stored();
}

CommitResult CommitAssembly(AssemblyEntry& assembly, size_t distance, const CellEdit& edit) {
    constexpr size_t kFields = kAssemblyEntryFields.size();
    if (distance < kFields)
        return StoreEntryField(assembly, kAssemblyEntryFields, distance, edit);
    const size_t members = std::max(assembly.MemberSizes.size(), assembly.MemberReferences.size());
    if (distance - kFields < members)
        return StoreMember(assembly, distance - kFields, edit);
    return NotEditable(edit);
}

// Legal slots are the last field of a rack and may list slots with commas.
CommitResult CommitRack(RackEntry& rack, size_t distance, const CellEdit& edit) {
    if (distance + 1 == kRackFields.size())
        return StoreFieldList(rack.LegalSlots, edit, kAnyCommas);
    return StoreEntryField(rack, kRackFields, distance, edit);
}

// String1 to String4 each hold several fields of the entry; the path is its
// last field.
CommitResult CommitConnection(ConnectionEntry& connection, size_t distance, const CellEdit& edit) {
    static_assert(kConnectionFieldCommas.back() == kAnyCommas);
    if (distance >= kConnectionFields.size())
        return NotEditable(edit);
    std::string& field =
        connection.*std::get<std::string ConnectionEntry::*>(kConnectionFields[distance].Member);
    return StoreFieldList(field, edit, kConnectionFieldCommas[distance]);
}

// The open head row of a class holds no value; the row d below it is the
// class's d-th value.
CommitResult CommitClassValue(CEtherNetIPEDS& model, int32_t number, size_t distance,
                              const CellEdit& edit) {
    if (distance == 0)
        return NotEditable(edit);
    const FindResult where = FindClassEntry(model, number, static_cast<int>(distance));
    ClassEntry* entry = Numbered(model.DeviceClassification, where);
    if (!entry)
        return NotEditable(edit);
    return StoreUnquotedField(entry->Value, edit);
}

CommitResult CommitPort(CEtherNetIPEDS& model, const CellEdit& edit) {
    const std::optional<int32_t> number = EntryNumberOf(edit.RowKey, "Port");
    const std::vector<uint32_t> numbers = PortNumbers(model);
    const auto at =
        std::find(numbers.begin(), numbers.end(), static_cast<uint32_t>(number.value_or(-1)));
    if (!number || at == numbers.end() || edit.Distance.value_or(0) != 0)
        return NotEditable(edit);
    PortEntry& port = *model.PortAt(static_cast<size_t>(at - numbers.begin()));
    // Column 0 is the key; the fields follow in table order.
    if (edit.Column < 1)
        return NotEditable(edit);
    return StoreEntryField(port, kPortFields, edit.Column - 1, edit);
}

// Closed head rows show no field: committing one would empty a value.
CommitResult CommitKeywordRow(CEtherNetIPEDS& model, const CellEdit& edit) {
    if (edit.Section == "Assembly")
        return CommitFields(model.AssemblySection, edit, kAssemblyFields);
    if (edit.Section == "Modular")
        return CommitFields(model.ModularSection, edit, kModularFields);
    if (edit.Section == "Connection Manager")
        return CommitFields(model.ConnectionManagerSection, edit, kObjectClassFields);
    if (edit.Section == "Capacity")
        return CommitFields(model.CapacitySection, edit, kCapacityFields);
    return NotEditable(edit);
}

CommitResult CommitEntryRow(CEtherNetIPEDS& model, int32_t number, size_t distance,
                            const CellEdit& edit) {
    if (edit.Section == "Device Classification")
        return CommitClassValue(model, number, distance, edit);
    if (edit.Section == "Assembly")
        if (AssemblyEntry* found =
                Numbered(model.AssemblySection.Assemblies, FindAssembly(model, number)))
            return CommitAssembly(*found, distance, edit);
    if (edit.Section == "Modular")
        if (RackEntry* found = Numbered(model.ModularSection.Racks, FindRack(model, number)))
            return CommitRack(*found, distance, edit);
    if (edit.Section == "Connection Manager")
        if (ConnectionEntry* found =
                Numbered(model.ConnectionManagerSection.Connections, FindConnection(model, number)))
            return CommitConnection(*found, distance, edit);
    if (edit.Section == "Capacity")
        if (TSpecEntry* found = Numbered(model.CapacitySection.TSpecs, FindTSpec(model, number)))
            return StoreEntryField(*found, kTSpecFields, distance, edit);
    return NotEditable(edit);
}

} // namespace

bool IsEntryPage(std::string_view section) {
    return !EntryPrefix(section).empty();
}

std::string_view EntryPrefix(std::string_view section) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kPrefixes = {{
        {"Device Classification", "Class"},
        {"Assembly", "Assem"},
        {"Port", "Port"},
        {"Modular", "Rack"},
        {"Connection Manager", "Connection"},
        {"Capacity", "TSpec"},
    }};
    for (const auto& [page, prefix] : kPrefixes)
        if (page == section)
            return prefix;
    return {};
}

std::optional<int32_t> EntryNumberOf(std::string_view key, std::string_view prefix) {
    if (prefix.empty() || !key.starts_with(prefix) || !IsDecimal(key.substr(prefix.size())))
        return std::nullopt;
    const std::optional<uint32_t> number = ParseCellNumber(key.substr(prefix.size()), 0x7FFFFFFF);
    if (!number)
        return std::nullopt;
    return static_cast<int32_t>(*number);
}

CommitResult CommitEntryPage(CEtherNetIPEDS& model, const CellEdit& edit) {
    if (edit.Section == "Port")
        return CommitPort(model, edit);
    if (!edit.Distance)
        return CommitKeywordRow(model, edit);
    const std::optional<int32_t> number = EntryNumberOf(edit.RowKey, EntryPrefix(edit.Section));
    if (!number || edit.Column != 1)
        return NotEditable(edit);
    return CommitEntryRow(model, *number, *edit.Distance, edit);
}

} // namespace corvid::entries
