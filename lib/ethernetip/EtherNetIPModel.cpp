#include "ethernetip/EtherNetIPModel.h"

#include "devicenet/EntryNumbers.h"

#include <algorithm>

namespace corvid {

namespace {

template <typename Entry> int32_t NumberOf(const Entry& entry) {
    return entry.Number;
}

uint32_t PortNumberOf(const std::unique_ptr<PortEntry>& port) {
    return static_cast<uint32_t>(port->Number);
}

template <typename Entry> int32_t NextFree(const std::vector<Entry>& list) {
    return static_cast<int32_t>(NextFreeNumber(list, NumberOf<Entry>));
}

template <typename Entry> Entry& FreshEntryAt(std::vector<Entry>& list, int32_t number) {
    // Files list their entries in order, so a read mostly appends.
    Entry* entry = nullptr;
    if (list.empty() || list.back().Number < number) {
        entry = &list.emplace_back();
    } else {
        const FindResult where = FindOrdered(list, number, NumberOf<Entry>);
        PlaceAt(list, where, Entry{});
        const size_t at = *where.position + (where.relation == FindRelation::After ? 1 : 0);
        entry = &list[at];
    }
    entry->Number = number;
    return *entry;
}

} // namespace

FindResult FindAssembly(const CEtherNetIPEDS& model, int32_t number) {
    return FindOrdered(model.AssemblySection.Assemblies, number, NumberOf<AssemblyEntry>);
}

FindResult FindConnection(const CEtherNetIPEDS& model, int32_t number) {
    return FindOrdered(model.ConnectionManagerSection.Connections, number,
                       NumberOf<ConnectionEntry>);
}

FindResult FindRack(const CEtherNetIPEDS& model, int32_t number) {
    return FindOrdered(model.ModularSection.Racks, number, NumberOf<RackEntry>);
}

FindResult FindTSpec(const CEtherNetIPEDS& model, int32_t number) {
    return FindOrdered(model.CapacitySection.TSpecs, number, NumberOf<TSpecEntry>);
}

int32_t NextFreeAssemblyNumber(const CEtherNetIPEDS& model) {
    return NextFree(model.AssemblySection.Assemblies);
}

int32_t NextFreeConnectionNumber(const CEtherNetIPEDS& model) {
    return NextFree(model.ConnectionManagerSection.Connections);
}

int32_t NextFreeRackNumber(const CEtherNetIPEDS& model) {
    return NextFree(model.ModularSection.Racks);
}

int32_t NextFreeTSpecNumber(const CEtherNetIPEDS& model) {
    return NextFree(model.CapacitySection.TSpecs);
}

int32_t NextFreePortNumber(const CEtherNetIPEDS& model) {
    return static_cast<int32_t>(NextFreeNumber(model.Ports, PortNumberOf));
}

std::vector<uint32_t> PortNumbers(const CEtherNetIPEDS& model) {
    return EntryNumbers(model.Ports, PortNumberOf);
}

// The class list is kept in the order entries were added, not sorted, so
// this is a walk from the head; entries of the number before the wanted
// occurrence are passed over.
FindResult FindClassEntry(const CEtherNetIPEDS& model, int32_t number, int occurrence) {
    const std::vector<ClassEntry>& list = model.DeviceClassification;
    if (list.empty())
        return {std::nullopt, FindRelation::After};
    int seen = 0;
    for (size_t position = 0; position < list.size(); ++position) {
        const int32_t at = list[position].Number;
        if (at == number && ++seen >= std::max(occurrence, 1))
            return {position, FindRelation::Found};
        if (at > number)
            return {position, FindRelation::Before};
    }
    return {list.size() - 1, FindRelation::After};
}

AssemblyEntry& PlaceOrdered(std::vector<AssemblyEntry>& list, int32_t number) {
    return FreshEntryAt(list, number);
}

ConnectionEntry& PlaceOrdered(std::vector<ConnectionEntry>& list, int32_t number) {
    return FreshEntryAt(list, number);
}

RackEntry& PlaceOrdered(std::vector<RackEntry>& list, int32_t number) {
    return FreshEntryAt(list, number);
}

TSpecEntry& PlaceOrdered(std::vector<TSpecEntry>& list, int32_t number) {
    return FreshEntryAt(list, number);
}

void InsertOrdered(std::vector<AssemblyEntry>& list, AssemblyEntry entry) {
    PlaceOrdered(list, entry.Number) = std::move(entry);
}

void InsertOrdered(std::vector<ConnectionEntry>& list, ConnectionEntry entry) {
    PlaceOrdered(list, entry.Number) = std::move(entry);
}

void InsertOrdered(std::vector<RackEntry>& list, RackEntry entry) {
    PlaceOrdered(list, entry.Number) = std::move(entry);
}

void InsertOrdered(std::vector<TSpecEntry>& list, TSpecEntry entry) {
    PlaceOrdered(list, entry.Number) = std::move(entry);
}

std::vector<GivenFields*> GivenFieldsOf(CEtherNetIPEDS& model) {
    return {&model.FileSection.DeviceNetFileSection::Given,
            &model.FileSection.Given,
            &model.DeviceSection.DeviceNetDeviceSection::Given,
            &model.DeviceSection.Given,
            &model.TCPIPInterfaceClass.Given,
            &model.QoSClass.Given,
            &model.IdentityClass.Given,
            &model.MessageRouterClass.Given,
            &model.FileClass.Given,
            &model.ConnectionManagerSection.Given,
            &model.DLRClassSection.ObjectClassSection::Given,
            &model.DLRClassSection.Given,
            &model.EthernetLinkClassSection.ObjectClassSection::Given,
            &model.EthernetLinkClassSection.Given,
            &model.AssemblySection.Given,
            &model.ModularSection.Given,
            &model.CapacitySection.Given};
}

} // namespace corvid
