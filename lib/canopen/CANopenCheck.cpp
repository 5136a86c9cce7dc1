#include "canopen/CANopenCheck.h"

#include "CANopenCheckContext.h"

#include "canopen/CANopenModel.h"
#include "canopen/CANopenReader.h"
#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <set>

namespace corvid {

namespace {

// Which keys a section may hold, by what its name says.
enum class SectionKind { Unknown, Fixed, ObjectList, Object, SubIndex, Names, Values };

constexpr std::string_view kFixedSections[] = {"FileInfo",       "DeviceInfo",         "DummyUsage",
                                               "Comments",       "DeviceComissioning", "Tools",
                                               "DynamicChannels"};

constexpr std::string_view kRecordKeys[] = {
    "parametername", "objecttype", "datatype",    "lowlimit", "highlimit",
    "defaultvalue",  "accesstype", "pdomapping",  "objflags", "parametervalue",
    "denotation",    "uploadfile", "downloadfile"};

SectionKind KindOf(const CheckedSection& section) {
    const std::string_view name = section.Name();
    if (ObjectListCategory(name) != 0)
        return SectionKind::ObjectList;
    for (std::string_view fixed : kFixedSections)
        if (EqualsNoCase(name, fixed))
            return SectionKind::Fixed;
    if (name.size() > 4 && EqualsNoCase(name.substr(0, 4), "Tool"))
        return SectionKind::Fixed;
    switch (ParseObjectSectionName(name).kind) {
    case ObjectSectionParts::Kind::Object:
        return SectionKind::Object;
    case ObjectSectionParts::Kind::SubIndex:
        return SectionKind::SubIndex;
    case ObjectSectionParts::Kind::Names:
        return SectionKind::Names;
    case ObjectSectionParts::Kind::Values:
        return SectionKind::Values;
    case ObjectSectionParts::Kind::None:
        break;
    }
    return SectionKind::Unknown;
}

bool IsNumberKey(const std::string& key) {
    return !key.empty() &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool KeyAllowed(SectionKind kind, const std::string& key) {
    const bool record =
        std::find(std::begin(kRecordKeys), std::end(kRecordKeys), key) != std::end(kRecordKeys);
    switch (kind) {
    case SectionKind::ObjectList:
        return key == "supportedobjects" || IsNumberKey(key);
    case SectionKind::Object:
        return record || key == "subnumber" || key == "compactsubobj";
    case SectionKind::SubIndex:
        return record;
    case SectionKind::Names:
    case SectionKind::Values:
        return key == "nrofentries" || IsNumberKey(key);
    default:
        break;
    }
    return true; // the fixed sections check their keys themselves
}

void CheckSectionsAndKeys(CANopenCheckContext& context) {
    for (const CheckedSection& section : context.Sections()) {
        if (!section.first) {
            context.Report(Severity::Warning, section, nullptr,
                           "section given again; only the first one is read.");
            continue;
        }
        const SectionKind kind = KindOf(section);
        if (kind == SectionKind::Unknown) {
            context.Report(Severity::Warning, section, nullptr, "section not known to the format.");
            continue;
        }
        std::set<std::string> seen;
        for (const CheckedKey& key : section.keys) {
            if (!KeyAllowed(kind, key.lower))
                context.Report(Severity::Warning, section, &key,
                               "key not allowed in this section.");
            else if (!seen.insert(key.lower).second)
                context.Report(Severity::Warning, section, &key,
                               "key given again in this section.");
        }
    }
}

constexpr std::string_view kKeptLine = "kept as written: ";

// What the reader keeps without a field for it, as notes, unless the line
// already has a finding of its own. Comment lines are kept too, but are no
// content to understand.
void NoteKeptContent(std::string_view text, const std::string& path, CheckFindings& findings) {
    ReaderDiagnostics diagnostics;
    CCANopenEDS model;
    LoadCANopenEDSText(model, text, path, &diagnostics);
    std::set<int> found;
    for (const CheckFinding& finding : findings)
        found.insert(finding.line);
    for (ReaderDiagnostic& diagnostic : diagnostics) {
        const size_t kept = diagnostic.text.find(kKeptLine);
        if (found.contains(diagnostic.line) ||
            (kept != std::string::npos &&
             IsCommentLine(std::string_view(diagnostic.text).substr(kept + kKeptLine.size()))))
            continue;
        std::string section;
        std::string message = std::move(diagnostic.text);
        if (message.starts_with('[')) {
            const size_t close = message.find("] ");
            if (close != std::string::npos) {
                section = message.substr(1, close - 1);
                message.erase(0, close + 2);
            }
        }
        findings.push_back(
            {path, diagnostic.line, Severity::Note, std::move(section), "", std::move(message)});
    }
}

} // namespace

CheckFindings CheckCANopenText(std::string_view text, const std::string& path) {
    const std::string_view whole = text;
    StripByteOrderMark(text);
    CANopenSource source(text);
    CANopenCheckContext context(source, path);
    CheckSectionsAndKeys(context);
    CheckFixedSections(context);
    CheckObjectLists(context);
    CheckObjectSections(context);
    CheckPDOMappings(context);
    CheckFindings findings = context.TakeFindings();
    NoteKeptContent(whole, path, findings);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
    return findings;
}

} // namespace corvid
