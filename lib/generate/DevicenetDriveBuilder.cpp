#include "DevicenetDriveBuilder.h"

#include "dictionaries/EDSTextHelper.h"
#include "generate/GenerationCommon.h"

#include <array>

namespace corvid::devicenet_generation {

namespace {

constexpr uint8_t kUint = 2;
constexpr uint8_t kInt = 3;
constexpr uint8_t kPathSize = 7;
constexpr std::array<uint16_t, 4> kDividers = {1, 10, 100, 1000};

// Drive type 1 has one precision bit; the others give 0 to 3 decimal places.
uint8_t PrecisionOf(uint8_t driveType, uint16_t attribute) {
    if (driveType == 1)
        return (attribute & 1) != 0 ? 2 : 0;
    return static_cast<uint8_t>((attribute >> 8) & 3);
}

std::string Hex2(unsigned value) {
    return FormatHex8(value).substr(2);
}

// The fields every generated parameter has, read or ignored.
CEDSParam BaseParam(std::string linkPath, uint8_t group) {
    CEDSParam param;
    param.PathSize = kPathSize;
    param.LinkPath = std::move(linkPath);
    param.Descriptor = kDescMonitor;
    param.DataType = kUint;
    param.DataSize = 2;
    param.Multiplier = 1;
    param.Divider = 1;
    param.Base = 1;
    param.Group = group;
    return param;
}

} // namespace

void CDeviceNetDriveBuilder::BeginGroup(uint8_t, const std::string& name, bool) {
    model_.GroupNames.push_back(QuotedName(name));
}

// A logical class segment, a 16-bit instance segment and attribute 1.
std::string CDeviceNetDriveBuilder::LinkPath(const DriveParameter& parameter) const {
    const unsigned instance =
        runningInstances_ ? runningNumber_ : parameter.group * 256u + parameter.index + 1u;
    return "\"20 " + Hex2(classId_) + " 25 " + Hex2(instance & 0xFF) + " " +
           Hex2((instance >> 8) & 0xFF) + " 30 01\"";
}

void CDeviceNetDriveBuilder::AddParameter(const DriveParameter& parameter) {
    ++runningNumber_;
    auto param = BaseParam(LinkPath(parameter), static_cast<uint8_t>(parameter.group + 1));
    if (!parameter.ignored) {
        // No decimals is written as an empty precision.
        const uint8_t precision = PrecisionOf(driveType_, parameter.attribute);
        param.Divider = kDividers[precision];
        if (precision != 0) {
            param.Precision = precision;
            param.Descriptor |= kDescScaling;
        }
        if ((parameter.attribute & kAttributeReadOnly) != 0)
            param.Descriptor |= kDescReadOnly;
        if (IsSignedParameter(driveType_, parameter))
            param.DataType = kInt;
        param.ParameterName = QuotedName(parameter.name);
        param.UnitsStr = "\"\"";
        param.HelpStr = "\"\"";
        param.Minimum = std::to_string(parameter.minimum);
        param.Maximum = std::to_string(parameter.maximum);
        param.Default = std::to_string(parameter.defaultValue);
        const LimitCheck check = CheckLimits(parameter);
        if (check != LimitCheck::Good)
            ui_.AppendMessage("Load File: Warning : Param" + std::to_string(runningNumber_) +
                              (check == LimitCheck::MinimumAboveMaximum
                                   ? "'s minimum is greater than maximum.\r\n"
                                   : "'s default value is not between the maximum and "
                                     "minimum.\r\n"));
    }
    model_.Params.push_back(std::move(param));
}

} // namespace corvid::devicenet_generation
