#include "generate/CanopenGeneration.h"

#include "canopen/CANopenFields.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"

#include <vector>

namespace corvid {

namespace {

struct ExactLine {
    std::string key; // blanks removed, letter case as written
    std::string value;
};

std::vector<ExactLine> ExactLines(const std::vector<std::string>& lines) {
    std::vector<ExactLine> exact;
    for (std::string line : lines) {
        SqueezeKey(line);
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            exact.push_back({line, {}});
        else
            exact.push_back(
                {line.substr(0, equals), TrimmedBlanks(std::string_view(line).substr(equals + 1))});
    }
    return exact;
}

// The keys of an object or sub-index section, as written (SubNumber for
// objects only); a flag is set by "1" alone.
void ReadRecord(CANopenObject& record, const std::vector<std::string>& section, bool object) {
    for (const ExactLine& line : ExactLines(section)) {
        const FieldEntry<CANopenObject>* key =
            FindField(kObjectFields, line.key, KeywordMatch::Exact);
        if (key == nullptr || (key == &kSubNumberKey && !object))
            continue;
        StoreFieldText(
            record, *key, line.value, [](std::string_view text) { return ParseFlag(text); },
            [](std::string_view text, bool) { return ParseNumber(text); });
    }
    // Held in lower case, as every reader holds it.
    record.AccessType = ToLowerAscii(record.AccessType);
}

void ReadSubIndexes(const CProfileText& file, CANopenObject& object) {
    for (unsigned s = 0; s <= 255 && object.SubObjects.size() < object.SubNumber; ++s) {
        const auto subIndex = static_cast<uint8_t>(s);
        const auto& section = file.Section(SubIndexSectionName(object.Index, subIndex));
        if (section.empty())
            continue;
        CANopenObject sub;
        sub.Index = object.Index;
        sub.SubIndex = subIndex;
        ReadRecord(sub, section, false);
        InsertOrderedSub(object.SubObjects, std::move(sub));
    }
}

} // namespace

void AddManufacturerObjects(CCANopenEDS& model, std::string_view text) {
    const CProfileText file(text);
    const std::vector<ExactLine> list = ExactLines(file.Section("ManufacturerObjects"));
    for (size_t position = 0; position < list.size(); ++position) {
        const ExactLine& line = list[position];
        if (line.key == "SupportedObjects" || line.key != std::to_string(position))
            continue;
        CANopenObject object;
        object.Index = static_cast<uint16_t>(ParseNumber(line.value));
        object.Category = kCategoryManufacturer;
        ReadRecord(object, file.Section(ObjectSectionName(object.Index)), true);
        if (object.SubNumber != 0)
            ReadSubIndexes(file, object);
        InsertOrdered(model.Objects, std::move(object));
    }
}

} // namespace corvid
