#include "CanopenRecords.h"

#include "dictionaries/EDSTextHelper.h"
#include "generate/GenerationCommon.h"

namespace corvid::canopen_generation {

namespace {

constexpr uint16_t kUnsigned8 = 5;
constexpr uint16_t kUnsigned16 = 6;
constexpr uint16_t kInteger16 = 3;

} // namespace

CANopenObject GroupObject(uint16_t index, const std::string& name) {
    CANopenObject group;
    group.Index = index;
    group.Category = kCategoryManufacturer;
    group.ObjectType = kObjectTypeRecord;
    group.ParameterName = TrimmedBlanks(name);
    return group;
}

CANopenObject ParameterRecord(uint16_t index, uint8_t subIndex, uint8_t driveType,
                              const DriveParameter& parameter, std::string accessType,
                              bool pdoMapping) {
    CANopenObject record;
    record.Index = index;
    record.SubIndex = subIndex;
    record.ObjectType = kObjectTypeVar;
    record.DataType = IsSignedParameter(driveType, parameter) ? kInteger16 : kUnsigned16;
    // The reader trims values, so trailing blanks of a name would not read back.
    record.ParameterName = TrimmedBlanks(parameter.name);
    record.LowLimit = std::to_string(parameter.minimum);
    record.HighLimit = std::to_string(parameter.maximum);
    record.DefaultValue = std::to_string(parameter.defaultValue);
    record.AccessType = std::move(accessType);
    record.PDOMapping = pdoMapping;
    return record;
}

CANopenObject IgnoredRecord(uint16_t index, uint8_t subIndex) {
    CANopenObject record;
    record.Index = index;
    record.SubIndex = subIndex;
    return record;
}

std::string AccessOf(const DriveParameter& parameter) {
    return (parameter.attribute & kAttributeReadOnly) != 0 ? "ro" : "rw";
}

void FinishGroup(CANopenObject& group, unsigned highest) {
    CANopenObject entries;
    entries.Index = group.Index;
    entries.SubIndex = 0;
    entries.ParameterName = "Number of entries";
    entries.ObjectType = kObjectTypeVar;
    entries.DataType = kUnsigned8;
    entries.AccessType = "ro";
    entries.DefaultValue = std::to_string(highest);
    group.SubObjects.insert(group.SubObjects.begin(), std::move(entries));
    group.SubNumber = static_cast<uint8_t>(group.SubObjects.size());
}

void LogLimitWarning(IUserInterface& ui, const CANopenObject& record,
                     const DriveParameter& parameter) {
    const LimitCheck check = CheckLimits(parameter);
    if (check == LimitCheck::Good)
        return;
    const std::string where = "Load File: Warning : Param[" + std::to_string(record.Index) + "][" +
                              std::to_string(record.SubIndex) + "]'s ";
    ui.AppendMessage(where + (check == LimitCheck::MinimumAboveMaximum
                                  ? "minimum is greater than maximum.\r\n"
                                  : "default value is not between the maximum and minimum.\r\n"));
}

void LogLeftOut(IUserInterface& ui, uint16_t index, const std::string& why) {
    ui.AppendMessage("Load File:  Object " + FormatHex16(index) + ": " + why + "\r\n");
}

} // namespace corvid::canopen_generation
