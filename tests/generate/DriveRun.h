#pragma once

// One drive-mode Load against corvid-drive-sim, with scripted answers and
// the clock fixed, so the generated file can be compared whole.

#include "canopen/CANopenWriter.h"
#include "devicenet/DeviceNetWriter.h"
#include "generate/NewFileFlows.h"

#include "DriveSimulator.h"
#include "ProgramHome.h"
#include "ScriptedUserInterface.h"

namespace corvid::test {

// 2024-03-05 09:05:03 UTC, as the command line's SOURCE_DATE_EPOCH=1709629503.
inline GenerationTime FixedTime() {
    return UtcTime(1709629503);
}

struct DriveRun {
    DriveSimulator drive;
    ScriptedUserInterface ui;
    CEDSDoc doc{ui};
    CModbusMaster master;

    explicit DriveRun(const std::vector<std::string>& arguments) : drive(arguments) {}

    bool Load(EDSKind kind, const std::string& module, const std::string& device,
              const std::string& baud, const std::string& framing) {
        const DriveLine line{1, drive.path(), baud, framing, 255};
        return LoadFromDrive(doc, ui, master, {kind, module, device, ""}, line, FixedTime);
    }

    const CCANopenEDS& CANopen() const { return *doc.Files<CCANopenEDS>().back(); }
    const CDeviceNetEDS& DeviceNet() const { return *doc.Files<CDeviceNetEDS>().back(); }
    std::string CANopenText() const { return FormatCANopenEDS(CANopen()); }
    std::string DeviceNetText() const { return FormatDeviceNetEDS(DeviceNet()); }
};

} // namespace corvid::test
