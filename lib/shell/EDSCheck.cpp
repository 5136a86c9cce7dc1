#include "shell/EDSCheck.h"

#include "canopen/CANopenCheck.h"
#include "devicenet/CIPCheck.h"
#include "devicenet/DeviceNetReader.h"
#include "ethernetip/EtherNetIPReader.h"

namespace corvid {

CheckFindings CheckEDSText(EDSKind kind, std::string_view text, const std::string& path) {
    ReaderDiagnostics kept;
    switch (kind) {
    case EDSKind::CANopen:
        return CheckCANopenText(text, path);
    case EDSKind::DeviceNet: {
        CDeviceNetEDS model;
        LoadDeviceNetEDSText(model, text, path, &kept);
        return CheckCIPText(text, path, CIPFileKind::DeviceNet, kept);
    }
    case EDSKind::EtherNetIP: {
        CEtherNetIPEDS model;
        LoadEtherNetIPEDSText(model, text, path, &kept);
        return CheckCIPText(text, path, CIPFileKind::EtherNetIP, kept);
    }
    case EDSKind::Unknown:
        break;
    }
    return {{path, 0, Severity::Error, "", "", "not an EDS file of a known kind."}};
}

CheckFindings CheckEDSFileText(std::string_view text, const std::string& path) {
    EDSKind kind = DetectEDSKindText(path, text);
    for (EDSKind held : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP})
        if (kind == EDSKind::Unknown && HoldsSectionsOfKind(text, held))
            kind = held;
    return CheckEDSText(kind, text, path);
}

CheckCounts CountFindings(const CheckFindings& findings) {
    CheckCounts counts;
    for (const CheckFinding& finding : findings) {
        if (finding.severity == Severity::Error)
            ++counts.errors;
        else if (finding.severity == Severity::Warning)
            ++counts.warnings;
        else
            ++counts.notes;
    }
    return counts;
}

} // namespace corvid
