#pragma once

// Turns the groups of a drive walk into manufacturer objects 0x2000 + group.

#include "canopen/CANopenModel.h"
#include "device/DriveReading.h"

#include <optional>

namespace corvid::canopen_generation {

class CCANopenDriveBuilder : public IDriveGroupBuilder {
public:
    CCANopenDriveBuilder(CCANopenEDS& model, IUserInterface& ui, uint8_t driveType)
        : model_(model), ui_(ui), driveType_(driveType) {}

    void BeginGroup(uint8_t group, const std::string& name, bool nameIgnored) override;
    void AddParameter(const DriveParameter& parameter) override;
    void EndGroup(uint8_t group) override;

private:
    CCANopenEDS& model_;
    IUserInterface& ui_;
    uint8_t driveType_;
    std::optional<CANopenObject> group_; // the group being walked
    bool capLogged_ = false;
};

} // namespace corvid::canopen_generation
