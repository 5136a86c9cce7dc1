#include "editing/EtherNetIPEntryEditing.h"

#include "CellRules.h"
#include "EditTexts.h"
#include "EntryReferences.h"
#include "EtherNetIPEntries.h"

#include "devicenet/EntryNumbers.h"

#include <algorithm>

namespace corvid {

namespace {

using cells::NotDeletable;
using cells::Stored;
using entries::EntryNumberOf;
using entries::EntryPrefix;

CommitResult NoInsert(std::string_view section) {
    return {CommitStatus::NotEditable, "Edit:  " + std::string(section) + " has no Insert.\r\n"};
}

CommitResult NoEntry(std::string_view section, std::string_view key) {
    return {CommitStatus::NotEditable,
            "Edit:  " + std::string(section) + " has no entry " + std::string(key) + ".\r\n"};
}

int32_t NextFreeClassNumber(const CEtherNetIPEDS& model) {
    return static_cast<int32_t>(
        NextFreeNumber(model.DeviceClassification, [](const ClassEntry& e) { return e.Number; }));
}

// Behind the d-th value of class `number`, so the new value shows right
// under the selected one.
CommitResult InsertClassValue(CEtherNetIPEDS& model, int32_t number, size_t distance) {
    const FindResult where = FindClassEntry(model, number, static_cast<int>(distance));
    if (where.relation != FindRelation::Found)
        return NoEntry("Device Classification", "Class" + std::to_string(number));
    std::vector<ClassEntry>& list = model.DeviceClassification;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(*where.position) + 1,
                ClassEntry{number, 0, {}});
    return Stored();
}

CommitResult InsertMember(CEtherNetIPEDS& model, int32_t number) {
    const FindResult where = FindAssembly(model, number);
    if (where.relation != FindRelation::Found)
        return NoEntry("Assembly", "Assem" + std::to_string(number));
    AssemblyEntry& assembly = model.AssemblySection.Assemblies[*where.position];
    // A reference without its size is shown as a member; give it one first.
    const size_t members = std::max(assembly.MemberSizes.size(), assembly.MemberReferences.size());
    assembly.MemberSizes.resize(members + 1);
    assembly.MemberReferences.resize(members + 1);
    return Stored();
}

CommitResult InsertNewEntry(CEtherNetIPEDS& model, std::string_view section) {
    if (section == "Device Classification") {
        model.DeviceClassification.push_back({NextFreeClassNumber(model), 0, {}});
    } else if (section == "Assembly") {
        AssemblyEntry assembly;
        assembly.Number = NextFreeAssemblyNumber(model);
        assembly.MemberSizes = {""};
        assembly.MemberReferences = {""};
        InsertOrdered(model.AssemblySection.Assemblies, std::move(assembly));
    } else if (section == "Port") {
        auto port = std::make_unique<PortEntry>();
        port->Number = NextFreePortNumber(model);
        model.Ports.push_back(std::move(port));
    } else if (section == "Modular") {
        RackEntry rack;
        rack.Number = NextFreeRackNumber(model);
        InsertOrdered(model.ModularSection.Racks, std::move(rack));
    } else if (section == "Connection Manager") {
        ConnectionEntry connection;
        connection.Number = NextFreeConnectionNumber(model);
        connection.String1 = ",,";
        connection.String2 = ",,";
        connection.String3 = ",";
        connection.String4 = ",";
        InsertOrdered(model.ConnectionManagerSection.Connections, std::move(connection));
    } else if (section == "Capacity") {
        TSpecEntry tspec{NextFreeTSpecNumber(model), "TxRx", "0", "0"};
        InsertOrdered(model.CapacitySection.TSpecs, std::move(tspec));
    } else {
        return NoInsert(section);
    }
    return Stored();
}

template <typename Entry> void EraseNumbered(std::vector<Entry>& list, const FindResult& where) {
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(*where.position));
}

// Where the entry of a head key stands, Found only when it exists.
FindResult FindEntry(const CEtherNetIPEDS& model, std::string_view section, int32_t number) {
    if (section == "Device Classification")
        return FindClassEntry(model, number, 1);
    if (section == "Assembly")
        return FindAssembly(model, number);
    if (section == "Modular")
        return FindRack(model, number);
    if (section == "Connection Manager")
        return FindConnection(model, number);
    if (section == "Capacity")
        return FindTSpec(model, number);
    return {};
}

void EraseEntry(CEtherNetIPEDS& model, std::string_view section, const FindResult& where) {
    if (section == "Device Classification")
        EraseNumbered(model.DeviceClassification, where);
    else if (section == "Assembly")
        EraseNumbered(model.AssemblySection.Assemblies, where);
    else if (section == "Modular")
        EraseNumbered(model.ModularSection.Racks, where);
    else if (section == "Connection Manager")
        EraseNumbered(model.ConnectionManagerSection.Connections, where);
    else if (section == "Capacity")
        EraseNumbered(model.CapacitySection.TSpecs, where);
}

CommitResult DeletePort(CEtherNetIPEDS& model, std::string_view rowKey, IUserInterface& ui) {
    const std::optional<int32_t> number = EntryNumberOf(rowKey, "Port");
    const std::vector<uint32_t> numbers = PortNumbers(model);
    const auto at =
        std::find(numbers.begin(), numbers.end(), static_cast<uint32_t>(number.value_or(-1)));
    if (!number || at == numbers.end())
        return NotDeletable("Port", rowKey);
    if (!edit_texts::AskDelete(ui, rowKey, model.Ports[at - numbers.begin()]->PortName, {}))
        return {CommitStatus::Declined, {}};
    model.Ports.erase(model.Ports.begin() + (at - numbers.begin()));
    return Stored();
}

} // namespace

bool IsEtherNetIPEntryPage(std::string_view section) {
    return entries::IsEntryPage(section);
}

CommitResult InsertEntry(CEtherNetIPEDS& model, std::string_view section, std::string_view rowKey,
                         std::optional<size_t> distance) {
    const std::optional<int32_t> number = EntryNumberOf(rowKey, EntryPrefix(section));
    const bool onFieldRow = number && distance.value_or(0) > 0;
    if (onFieldRow && section == "Device Classification")
        return InsertClassValue(model, *number, *distance);
    if (onFieldRow && section == "Assembly")
        return InsertMember(model, *number);
    return InsertNewEntry(model, section);
}

namespace entries {

CommitResult DeleteEntry(CEtherNetIPEDS& model, std::string_view section, std::string_view rowKey,
                         IUserInterface& ui) {
    if (section == "Port")
        return DeletePort(model, rowKey, ui);
    const std::optional<int32_t> number = EntryNumberOf(rowKey, EntryPrefix(section));
    const FindResult where = number ? FindEntry(model, section, *number) : FindResult{};
    if (where.relation != FindRelation::Found)
        return NotDeletable(section, rowKey);
    // Connections and other assemblies name assemblies by number.
    const std::vector<std::string> namedBy =
        section == "Assembly" ? refs::NamedBy(model, "Assem", static_cast<uint32_t>(*number))
                              : std::vector<std::string>{};
    const std::string_view name =
        section == "Assembly" ? model.AssemblySection.Assemblies[*where.position].Name : "";
    if (!edit_texts::AskDelete(ui, rowKey, name, namedBy))
        return {CommitStatus::Declined, {}};
    EraseEntry(model, section, where);
    return Stored();
}

} // namespace entries

} // namespace corvid
