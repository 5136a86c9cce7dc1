#include "ethernetip/EtherNetIPModel.h"

#include <algorithm>

namespace corvid {

namespace {

template <typename Entry> int32_t NumberOf(const Entry& entry) {
    return entry.Number;
}

template <typename Entry> void PlaceByNumber(std::vector<Entry>& list, Entry entry) {
    const FindResult where = FindOrdered(list, entry.Number, NumberOf<Entry>);
    PlaceAt(list, where, std::move(entry));
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

void InsertOrdered(std::vector<AssemblyEntry>& list, AssemblyEntry entry) {
    PlaceByNumber(list, std::move(entry));
}

void InsertOrdered(std::vector<ConnectionEntry>& list, ConnectionEntry entry) {
    PlaceByNumber(list, std::move(entry));
}

void InsertOrdered(std::vector<RackEntry>& list, RackEntry entry) {
    PlaceByNumber(list, std::move(entry));
}

void InsertOrdered(std::vector<TSpecEntry>& list, TSpecEntry entry) {
    PlaceByNumber(list, std::move(entry));
}

} // namespace corvid
