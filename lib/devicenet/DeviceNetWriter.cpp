#include "devicenet/DeviceNetWriter.h"

#include "devicenet/EDSParamSections.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

namespace corvid {

namespace {

std::string Dec(unsigned long long value) {
    return std::to_string(value);
}

// "\tKeyword=value;"
void Keyword(CEDSLineWriter& out, std::string_view keyword, std::string_view value) {
    out.Line("\t" + std::string(keyword) + "=" + std::string(value) + ";");
}

void WriteHeader(CEDSLineWriter& out, const EDSFileHeader& header) {
    out.Line("$ HALVARD ELECTRONIC, INC.")
        .Line("")
        .Line("$ Network: DeviceNet")
        .Line("$ Modlue:" + header.Module)
        .Line("$ Device:" + header.Device)
        .Line("$ Model:" + header.Model)
        .Line("$ Create by Corvid software")
        .Line("");
}

void WriteFile(CEDSLineWriter& out, const DeviceNetFileSection& file) {
    out.Section(file.SectionName);
    Keyword(out, "DescText", file.DescText);
    Keyword(out, "CreateDate", file.CreateDate);
    Keyword(out, "CreateTime", file.CreateTime);
    Keyword(out, "ModDate", file.ModDate);
    Keyword(out, "ModTime", file.ModTime);
    Keyword(out, "Revision", file.Revision);
    out.Line("");
}

void WriteDevice(CEDSLineWriter& out, const DeviceNetDeviceSection& device) {
    out.Section(device.SectionName);
    Keyword(out, "VendCode", Dec(device.VendCode));
    Keyword(out, "VendName", device.VendName);
    Keyword(out, "ProdType", Dec(device.ProdType));
    Keyword(out, "ProdTypeStr", device.ProdTypeStr);
    Keyword(out, "ProdCode", FormatHex16(device.ProdCode));
    Keyword(out, "MajRev", Dec(device.MajRev));
    Keyword(out, "MinRev", Dec(device.MinRev));
    Keyword(out, "ProdName", device.ProdName);
    Keyword(out, "Catalog", device.Catalog);
    out.Line("");
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

void WriteIOInfo(CEDSLineWriter& out, const DeviceNetIOInfoSection& io) {
    out.Section(io.SectionName);
    Keyword(out, "Default", FormatHex16(io.Default));
    WriteConnection(out, "PollInfo", io.PollInfo, 9);
    WriteConnection(out, "StrobeInfo", io.StrobeInfo, 11);
    WriteConnection(out, "COSInfo", io.COSInfo, 11);
    WriteConnection(out, "CyclicInfo", io.CyclicInfo, 11);
    WriteIOEntries(out, "Input", io.Inputs);
    WriteIOEntries(out, "Output", io.Outputs);
    out.Line("");
}

void WriteParamClass(CEDSLineWriter& out, const EDSParamClassSection& paramClass) {
    if (paramClass.SectionName != "ParamClass")
        return;
    out.Section("ParamClass");
    Keyword(out, "MaxInst", Dec(paramClass.MaxInst));
    Keyword(out, "Descriptor", Dec(paramClass.Descriptor));
    Keyword(out, "CfgAssembly", Dec(paramClass.CfgAssembly));
    out.Line("");
}

} // namespace

std::string FormatDeviceNetEDS(const CDeviceNetEDS& model) {
    CEDSLineWriter out;
    WriteHeader(out, model.Header);
    WriteFile(out, model.FileSection);
    WriteDevice(out, model.DeviceSection);
    WriteIOInfo(out, model.IOInfoSection);
    WriteParamClass(out, model.ParamClassSection);
    FormatParamSections(out, model.Params, model.GroupNames);
    return out.Take();
}

bool WriteDeviceNetEDS(const CDeviceNetEDS& model, const std::string& path, std::string& error) {
    return SaveFileReplacing(path, FormatDeviceNetEDS(model), error);
}

} // namespace corvid
