#include "CanopenDriveBuilder.h"

#include "CanopenRecords.h"

#include <algorithm>
#include <array>

namespace corvid::canopen_generation {

namespace {

constexpr uint16_t kFirstGroupIndex = 0x2000;

// Drive types whose parameters are not offered for PDO mapping.
constexpr std::array<uint8_t, 8> kUnmappedTypes = {7, 20, 21, 25, 31, 32, 200, 201};

bool Mappable(uint8_t driveType) {
    return std::find(kUnmappedTypes.begin(), kUnmappedTypes.end(), driveType) ==
           kUnmappedTypes.end();
}

} // namespace

void CCANopenDriveBuilder::BeginGroup(uint8_t group, const std::string& name, bool) {
    group_ = GroupObject(static_cast<uint16_t>(kFirstGroupIndex + group), name);
    capLogged_ = false;
}

void CCANopenDriveBuilder::AddParameter(const DriveParameter& parameter) {
    if (!group_)
        return;
    // A 255th parameter would take sub-index 255 and wrap SubNumber to 0.
    if (group_->SubObjects.size() >= kMaxGroupParameters) {
        if (!capLogged_)
            LogLeftOut(ui_, group_->Index, "parameters past 254 are left out.");
        capLogged_ = true;
        return;
    }
    const auto subIndex = static_cast<uint8_t>(parameter.index + 1);
    if (parameter.ignored) {
        group_->SubObjects.push_back(IgnoredRecord(group_->Index, subIndex));
        return;
    }
    CANopenObject record = ParameterRecord(group_->Index, subIndex, driveType_, parameter,
                                           AccessOf(parameter), Mappable(driveType_));
    LogLimitWarning(ui_, record, parameter);
    group_->SubObjects.push_back(std::move(record));
}

void CCANopenDriveBuilder::EndGroup(uint8_t) {
    if (!group_)
        return;
    FinishGroup(*group_, static_cast<unsigned>(group_->SubObjects.size()));
    InsertOrdered(model_.Objects, std::move(*group_));
    group_.reset();
}

} // namespace corvid::canopen_generation
