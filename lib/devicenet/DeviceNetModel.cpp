#include "devicenet/DeviceNetModel.h"

namespace corvid {

namespace {

uint32_t NumberOf(const IOEntry& entry) {
    return entry.Number;
}

} // namespace

std::vector<GivenFields*> GivenFieldsOf(CDeviceNetEDS& model) {
    return {&model.FileSection.Given, &model.DeviceSection.Given, &model.IOInfoSection.Given};
}

FindResult FindIOEntry(const std::vector<IOEntry>& list, uint32_t number) {
    return FindOrdered(list, number, NumberOf);
}

void InsertOrdered(std::vector<IOEntry>& list, IOEntry entry) {
    const FindResult where = FindIOEntry(list, entry.Number);
    PlaceAt(list, where, std::move(entry));
}

} // namespace corvid
