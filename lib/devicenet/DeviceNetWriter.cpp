#include "devicenet/DeviceNetWriter.h"

#include "devicenet/DeviceNetFields.h"
#include "devicenet/EDSIdentitySections.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

namespace corvid {

namespace {

std::string Dec(unsigned long long value) {
    return std::to_string(value);
}

void WriteConnection(CEDSLineWriter& out, std::string_view keyword, const ConnectionInfo& info,
                     size_t indent) {
    if (info.Present == 0)
        return;
    const std::string lead = "\t" + std::string(indent, ' ');
    out.Line("").Line("\t" + std::string(keyword) + "=");
    out.Line(lead + FormatHex16(info.TypeMask) + ",");
    out.Line(lead + Dec(info.DefaultInput) + ",");
    out.Line(lead + Dec(info.DefaultOutput) + ";");
}

void WriteIOEntries(CEDSLineWriter& out, std::string_view keyword,
                    const std::vector<IOEntry>& entries) {
    const std::string lead = "\t       ";
    for (const IOEntry& entry : entries) {
        out.Line("").Line("\t" + std::string(keyword) + Dec(entry.Number) + "=");
        out.Line(lead + Dec(entry.Size) + ",");
        out.Line(lead + Dec(entry.SigBits) + ",");
        out.Line(lead + FormatHex16(entry.TypeMask) + ",");
        out.Line(lead + entry.Name + ",");
        out.Line(lead + Dec(entry.PathSize) + ", " + entry.Path + ",");
        out.Line(lead + entry.Help + ";");
    }
}

void WriteIOInfo(CEDSLineWriter& out, CKeptLinesWriter& kept, const DeviceNetIOInfoSection& io) {
    kept.Section(io.SectionName);
    FormatKeyword(out, "Default", FormatHex16(io.Default));
    WriteConnection(out, "PollInfo", io.PollInfo, 9);
    WriteConnection(out, "StrobeInfo", io.StrobeInfo, 11);
    WriteConnection(out, "COSInfo", io.COSInfo, 11);
    WriteConnection(out, "CyclicInfo", io.CyclicInfo, 11);
    WriteIOEntries(out, "Input", io.Inputs);
    WriteIOEntries(out, "Output", io.Outputs);
    kept.Entries(io.SectionName);
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
    FormatFileKeywords(out, kept, model.FileSection);
    kept.Entries(model.FileSection.SectionName);
    out.Line("");
    FormatDeviceKeywords(out, kept, model.DeviceSection);
    kept.Entries(model.DeviceSection.SectionName);
    out.Line("");
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
