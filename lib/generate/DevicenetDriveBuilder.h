#pragma once

// Turns the groups of a drive walk into DeviceNet parameters and groups.

#include "device/DriveReading.h"
#include "devicenet/DeviceNetModel.h"

namespace corvid::devicenet_generation {

class CDeviceNetDriveBuilder : public IDriveGroupBuilder {
public:
    CDeviceNetDriveBuilder(CDeviceNetEDS& model, IUserInterface& ui, uint8_t driveType,
                           uint8_t classId, bool runningInstances)
        : model_(model), ui_(ui), driveType_(driveType), classId_(classId),
          runningInstances_(runningInstances) {}

    void BeginGroup(uint8_t group, const std::string& name, bool nameIgnored) override;
    void AddParameter(const DriveParameter& parameter) override;
    void EndGroup(uint8_t) override {}

private:
    std::string LinkPath(const DriveParameter& parameter) const;

    CDeviceNetEDS& model_;
    IUserInterface& ui_;
    uint8_t driveType_;
    uint8_t classId_;
    bool runningInstances_;
    unsigned runningNumber_ = 0;
};

} // namespace corvid::devicenet_generation
