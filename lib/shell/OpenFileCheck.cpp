#include "shell/OpenFileCheck.h"

#include "shell/KeptSave.h"

namespace corvid {

CheckFindings CheckOpenFile(const CEDSDoc& doc, EDSFileRef file) {
    CheckFindings findings;
    doc.Visit(file, [&]<typename Model>(const Model& model) {
        const EDSFileHeader& header = model.Header;
        const std::string& path = !header.SavePathName.empty() ? header.SavePathName
                                  : !header.PathName.empty()   ? header.PathName
                                                               : header.Title;
        findings = CheckEDSText(EDSDocKind<Model>::kKind, KeptLayoutText(model), path);
    });
    return findings;
}

std::string SeverityCount(size_t count, Severity severity) {
    return std::to_string(count) + " " + SeverityName(severity) + (count == 1 ? "" : "s");
}

std::string CheckMessage(const std::string& path, const CheckCounts& counts) {
    if (counts.errors == 0 && counts.warnings == 0)
        return {};
    return "Check:  " + SeverityCount(counts.errors, Severity::Error) + ", " +
           SeverityCount(counts.warnings, Severity::Warning) + " in " + path + "\r\n";
}

} // namespace corvid
