#pragma once

// Reading a drive over its Modbus link: who it is (type, sub-type, rating,
// product code, model name) and its parameter groups. Every failed read is
// put to the user (Abort, Retry, Ignore); the port is open before any of it.

#include "device/DriveParameter.h"
#include "device/ModbusMaster.h"
#include "dictionaries/UserInterface.h"

#include <cstdint>
#include <string>

namespace corvid {

enum class PromptedRead { Done, Ignored, Aborted };

// The fieldbus a drive is identified for: the rating table and the product
// code rules differ.
enum class DriveProtocol { CANopen, DeviceNet };

// Sets the master's current request.
void SetReadRequest(CModbusMaster& master, uint8_t function, uint16_t registerAddress,
                    uint16_t quantity);

// "Load File: Error occurs when reading register 0x%X.\r\n".
std::string ReadErrorLine(uint16_t registerAddress);

// Runs the master's current request (ReadRegisters, or ReadRegistersInto
// `into` when given) until it succeeds or the user gives up on it: each
// failure logs "Load File: Error occurs when reading register 0x%X." and asks
// Abort, Retry or Ignore.
PromptedRead ReadWithPrompt(CModbusMaster& master, IUserInterface& ui,
                            ModbusBuffer* into = nullptr);

// The catalogue entry the drive is identified for: its module's conf.ini and
// the device's section in it.
struct CatalogueDevice {
    std::string confIni;
    std::string device;
};

// {program folder}/CANopen/{module}/conf.ini or DeviceNet/..., with the device.
CatalogueDevice CatalogueDeviceFor(DriveProtocol protocol, const std::string& module,
                                   const std::string& device);

// Fills the master's identity fields from the drive, conf.ini and
// DeviceName.ini in the program folder. False when the user aborted, or (for
// DeviceNet) when the drive did not answer the first read.
bool IdentifyDrive(CModbusMaster& master, IUserInterface& ui, DriveProtocol protocol,
                   const CatalogueDevice& catalogue);

// modelName and modelSuffix from the drive type, sub-type and voltage class.
void ReadModelNames(CModbusMaster& master, const std::string& deviceNameIni);

// Receives the groups and parameters of a walk, in drive order.
class IDriveGroupBuilder {
public:
    virtual ~IDriveGroupBuilder() = default;
    // `name` is empty when its read was ignored (`nameIgnored`).
    virtual void BeginGroup(uint8_t group, const std::string& name, bool nameIgnored) = 0;
    virtual void AddParameter(const DriveParameter& parameter) = 0;
    virtual void EndGroup(uint8_t group) = 0;
};

// Reads every group of an identified drive and hands each group and
// parameter to `builder`, showing progress from 0 to 100. False when the user
// aborted.
bool WalkGroups(CModbusMaster& master, IUserInterface& ui, IDriveGroupBuilder& builder);

} // namespace corvid
