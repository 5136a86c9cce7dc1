#include "devicenet/DeviceNetWriter.h"

#include "devicenet/DeviceNetFields.h"
#include "devicenet/EDSIdentitySections.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

namespace corvid {

namespace {

void WriteConnection(CEDSLineWriter& out, const ConnectionInfoEntry& key,
                     const ConnectionInfo& info) {
    if (info.Present == 0)
        return;
    const std::string lead = std::string("\t") + std::string(key.Indent, ' ');
    out.Line("").Line(std::string("\t") + std::string(key.Keyword) + "=");
    for (size_t f = 0; f < kConnectionInfoFields.size(); ++f)
        out.Line(lead + FieldText(info, kConnectionInfoFields[f]) +
                 (f + 1 < kConnectionInfoFields.size() ? "," : ";"));
}

void WriteIOEntries(CEDSLineWriter& out, std::string_view keyword,
                    const std::vector<IOEntry>& entries) {
    const std::string_view lead = "\t       ";
    for (const IOEntry& entry : entries) {
        out.Line("").Line(std::string("\t") + std::string(keyword) + std::to_string(entry.Number) +
                          "=");
        for (size_t f = 0; f < kIOEntryFields.size(); ++f) {
            if (f != kIOPathSizeField + 1)
                out.Append(lead);
            out.Append(FieldText(entry, kIOEntryFields[f]));
            if (f == kIOPathSizeField)
                out.Append(", ");
            else
                out.Line(f + 1 < kIOEntryFields.size() ? "," : ";");
        }
    }
}

// [File] or [Device], with the entries kept from the file behind it.
template <typename Section, typename FormatKeywords>
void WriteKeywordSection(CEDSLineWriter& out, CKeptLinesWriter& kept, const Section& section,
                         std::string_view ownName, FormatKeywords format) {
    const auto name = WrittenSectionName(section.SectionName, ownName, {&section.Given});
    if (!name)
        return;
    format(out, kept, *name, section);
    kept.Entries(*name);
    out.Line("");
}

void WriteIOInfo(CEDSLineWriter& out, CKeptLinesWriter& kept, const DeviceNetIOInfoSection& io) {
    const auto name =
        WrittenSectionName(io.SectionName, "IO_Info", {&io.Given}, HoldsIOEntries(io));
    if (!name)
        return;
    kept.Section(*name);
    FormatFieldLines(out, io, kIOInfoFields);
    for (const ConnectionInfoEntry& key : kConnectionInfoEntries)
        WriteConnection(out, key, io.*key.Member);
    WriteIOEntries(out, "Input", io.Inputs);
    WriteIOEntries(out, "Output", io.Outputs);
    kept.Entries(*name);
    out.Line("");
}

void WriteParamClass(CEDSLineWriter& out, CKeptLinesWriter& kept,
                     const EDSParamClassSection& paramClass) {
    if (paramClass.SectionName != "ParamClass")
        return;
    kept.Section("ParamClass");
    FormatFieldLines(out, paramClass, kParamClassFields);
    kept.Entries("ParamClass");
    out.Line("");
}

} // namespace

std::string FormatDeviceNetEDS(const CDeviceNetEDS& model) {
    CEDSLineWriter out;
    CKeptLinesWriter kept(out, model.Kept);
    FormatHeaderComment(out, model.Header, "DeviceNet");
    WriteKeywordSection(out, kept, model.FileSection, "File", FormatFileKeywords);
    WriteKeywordSection(out, kept, model.DeviceSection, "Device", FormatDeviceKeywords);
    WriteIOInfo(out, kept, model.IOInfoSection);
    WriteParamClass(out, kept, model.ParamClassSection);
    FormatParamSections(out, model.Params, model.GroupNames, &kept);
    kept.Finish();
    return out.Take();
}

bool WriteDeviceNetEDS(const CDeviceNetEDS& model, const std::string& path, std::string& error) {
    return SaveFileReplacing(path, FormatDeviceNetEDS(model), error);
}

} // namespace corvid
