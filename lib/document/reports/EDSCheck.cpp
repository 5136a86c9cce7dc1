#include "reports/EDSCheck.h"

#include "canopen/CANopenCheck.h"
#include "devicenet/CIPCheck.h"
#include "devicenet/DeviceNetReader.h"
#include "door/EDSDocKinds.h"
#include "ethernetip/EtherNetIPReader.h"

namespace corvid {

CheckFindings EDSDocKind<CCANopenEDS>::Check(std::string_view text, const std::string& path) {
    return CheckCANopenText(text, path);
}

// The reader's notes on what it keeps without understanding join the
// findings.
CheckFindings EDSDocKind<CDeviceNetEDS>::Check(std::string_view text, const std::string& path) {
    ReaderDiagnostics kept;
    CDeviceNetEDS model;
    LoadDeviceNetEDSText(model, text, path, &kept);
    return CheckCIPText(text, path, CIPFileKind::DeviceNet, kept);
}

CheckFindings EDSDocKind<CEtherNetIPEDS>::Check(std::string_view text, const std::string& path) {
    ReaderDiagnostics kept;
    CEtherNetIPEDS model;
    LoadEtherNetIPEDSText(model, text, path, &kept);
    return CheckCIPText(text, path, CIPFileKind::EtherNetIP, kept);
}

CheckFindings CheckEDSText(EDSKind kind, std::string_view text, const std::string& path) {
    CheckFindings findings;
    if (WithKind(kind, [&]<typename Model>(std::type_identity<Model>) {
            findings = EDSDocKind<Model>::Check(text, path);
        }))
        return findings;
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
