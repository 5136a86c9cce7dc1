#include "canopen/CANopenModel.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid {

namespace {

uint16_t IndexOf(const CANopenObject& record) {
    return record.Index;
}
uint8_t SubIndexOf(const CANopenObject& record) {
    return record.SubIndex;
}

} // namespace

KeptLineList::KeptLineList(const KeptLineList& other)
    : lines_(other.empty() ? nullptr : std::make_unique<std::vector<std::string>>(*other.lines_)) {}

KeptLineList& KeptLineList::operator=(const KeptLineList& other) {
    if (this != &other)
        *this = KeptLineList(other);
    return *this;
}

const std::vector<std::string>& KeptLineList::Lines() const {
    static const std::vector<std::string> kNone;
    return lines_ != nullptr ? *lines_ : kNone;
}

void KeptLineList::emplace_back(std::string_view line) {
    if (lines_ == nullptr)
        lines_ = std::make_unique<std::vector<std::string>>();
    lines_->emplace_back(line);
}

FindResult FindObject(const std::vector<CANopenObject>& objects, uint16_t index) {
    return FindOrdered(objects, index, IndexOf);
}

FindResult FindSubObject(const std::vector<CANopenObject>& subObjects, uint8_t subIndex) {
    return FindOrdered(subObjects, subIndex, SubIndexOf);
}

// Readers and generators add objects in rising order nearly always: those
// go at the end without a search.
void InsertOrdered(std::vector<CANopenObject>& objects, CANopenObject record) {
    if (objects.empty() || objects.back().Index < record.Index) {
        objects.push_back(std::move(record));
        return;
    }
    const FindResult where = FindObject(objects, record.Index);
    PlaceAt(objects, where, std::move(record));
}

uint8_t ObjectListCategory(std::string_view section) {
    if (section == "MandatoryObjects")
        return kCategoryMandatory;
    if (section == "OptionalObjects")
        return kCategoryOptional;
    if (section == "ManufacturerObjects")
        return kCategoryManufacturer;
    return 0;
}

std::string ObjectSectionName(uint16_t index) {
    return FormatHexDigits(index);
}

std::string SubIndexSectionName(uint16_t index, uint8_t subIndex) {
    return FormatHexDigits(index) + "sub" + FormatHexDigits(subIndex);
}

void InsertOrderedSub(std::vector<CANopenObject>& subObjects, CANopenObject record) {
    const FindResult where = FindSubObject(subObjects, record.SubIndex);
    PlaceAt(subObjects, where, std::move(record));
}

std::vector<GivenFields*> GivenFieldsOf(CCANopenEDS& model) {
    return {&model.FileInfo.Given, &model.DeviceInfo.Given, &model.DummyUsage.Given,
            &model.Comments.Given};
}

} // namespace corvid
