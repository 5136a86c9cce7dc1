#include "reports/OpenFileCheck.h"

#include "door/KeptSave.h"

namespace corvid {

CheckFindings CheckOpenFile(const CEDSDoc& doc, EDSFileRef file) {
    CheckFindings findings;
    const std::optional<EDSFileId> id = doc.IdAt(file);
    const CKeptReach* reach = id ? doc.Reach(*id) : nullptr;
    doc.Visit(file, [&]<typename Model>(const Model& model) {
        const EDSFileHeader& header = model.Header;
        const std::string& path = !header.SavePathName.empty() ? header.SavePathName
                                  : !header.PathName.empty()   ? header.PathName
                                                               : header.Title;
        // A file unchanged since it was read or saved is the text it holds;
        // only an edited one needs the writer's render, which costs a read
        // and two writes of the whole file unless the reach names the parts
        // the changes touched.
        const bool unchanged = header.SourceText && (header.Flags & FLAG_MODIFIED) == 0;
        const std::string edited = unchanged ? std::string() : KeptLayoutText(model, reach);
        findings =
            CheckEDSText(EDSDocKind<Model>::kKind, unchanged ? *header.SourceText : edited, path);
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
