#include "ModelJson.h"

#include "dictionaries/TextEncoding.h"

namespace corvid::cli {

using json = Json;

json JsonText(const std::string& bytes) {
    return DecodeForDisplay(bytes);
}

json HeaderToJson(const EDSFileHeader& header) {
    return json{{"Module", JsonText(header.Module)},
                {"Device", JsonText(header.Device)},
                {"Model", JsonText(header.Model)},
                {"PathName", JsonText(header.PathName)},
                {"SavePathName", JsonText(header.SavePathName)},
                {"Title", JsonText(header.Title)},
                {"Flags", header.Flags}};
}

namespace {

json FileInfoToJson(const CANopenFileInfo& info) {
    return json{{"SectionName", JsonText(info.SectionName)},
                {"FileName", JsonText(info.FileName)},
                {"FileVersion", info.FileVersion},
                {"FileRevision", info.FileRevision},
                {"EDSVersion", JsonText(info.EDSVersion)},
                {"Description", JsonText(info.Description)},
                {"CreationTime", JsonText(info.CreationTime)},
                {"CreationDate", JsonText(info.CreationDate)},
                {"CreatedBy", JsonText(info.CreatedBy)},
                {"ModificationTime", JsonText(info.ModificationTime)},
                {"ModificationDate", JsonText(info.ModificationDate)},
                {"ModifiedBy", JsonText(info.ModifiedBy)}};
}

json DeviceInfoToJson(const CANopenDeviceInfo& info) {
    return json{{"SectionName", JsonText(info.SectionName)},
                {"VendorName", JsonText(info.VendorName)},
                {"VendorNumber", info.VendorNumber},
                {"ProductName", JsonText(info.ProductName)},
                {"ProductNumber", info.ProductNumber},
                {"RevisionNumber", info.RevisionNumber},
                {"OrderCode", JsonText(info.OrderCode)},
                {"BaudRate_10", int(info.BaudRate_10)},
                {"BaudRate_20", int(info.BaudRate_20)},
                {"BaudRate_50", int(info.BaudRate_50)},
                {"BaudRate_125", int(info.BaudRate_125)},
                {"BaudRate_250", int(info.BaudRate_250)},
                {"BaudRate_500", int(info.BaudRate_500)},
                {"BaudRate_800", int(info.BaudRate_800)},
                {"BaudRate_1000", int(info.BaudRate_1000)},
                {"SimpleBootUpMaster", int(info.SimpleBootUpMaster)},
                {"SimpleBootUpSlave", int(info.SimpleBootUpSlave)},
                {"Granularity", info.Granularity},
                {"DynamicChannelsSupported", int(info.DynamicChannelsSupported)},
                {"GroupMessaging", int(info.GroupMessaging)},
                {"NrOfRXPDO", info.NrOfRXPDO},
                {"NrOfTXPDO", info.NrOfTXPDO},
                {"LSS_Supported", int(info.LSS_Supported)}};
}

json DummyUsageToJson(const CANopenDummyUsage& usage) {
    return json{{"SectionName", JsonText(usage.SectionName)}, {"Dummy0001", int(usage.Dummy0001)},
                {"Dummy0002", int(usage.Dummy0002)},          {"Dummy0003", int(usage.Dummy0003)},
                {"Dummy0004", int(usage.Dummy0004)},          {"Dummy0005", int(usage.Dummy0005)},
                {"Dummy0006", int(usage.Dummy0006)},          {"Dummy0007", int(usage.Dummy0007)}};
}

json CommentsToJson(const CANopenComments& comments) {
    json lines = json::array();
    for (const std::string& line : comments.LineTexts)
        lines.push_back(JsonText(line));
    return json{{"SectionName", JsonText(comments.SectionName)},
                {"Lines", comments.Lines},
                {"LineTexts", lines}};
}

json ObjectToJson(const CANopenObject& object) {
    json subObjects = nullptr;
    if (object.SubObjects) {
        subObjects = json::array();
        for (const CANopenObject& sub : *object.SubObjects)
            subObjects.push_back(ObjectToJson(sub));
    }
    return json{{"Index", object.Index},
                {"SubIndex", object.SubIndex},
                {"Category", object.Category},
                {"SubNumber", object.SubNumber},
                {"ParameterName", JsonText(object.ParameterName)},
                {"ObjectType", object.ObjectType},
                {"DataType", object.DataType},
                {"LowLimit", JsonText(object.LowLimit)},
                {"HighLimit", JsonText(object.HighLimit)},
                {"DefaultValue", JsonText(object.DefaultValue)},
                {"AccessType", JsonText(object.AccessType)},
                {"PDOMapping", int(object.PDOMapping)},
                {"SubObjects", subObjects}};
}

} // namespace

json CANopenToJson(const CCANopenEDS& model) {
    json objects = json::array();
    for (const CANopenObject& object : model.Objects)
        objects.push_back(ObjectToJson(object));
    return json{{"FileInfo", FileInfoToJson(model.FileInfo)},
                {"DeviceInfo", DeviceInfoToJson(model.DeviceInfo)},
                {"DummyUsage", DummyUsageToJson(model.DummyUsage)},
                {"Comments", CommentsToJson(model.Comments)},
                {"Objects", objects}};
}

} // namespace corvid::cli

namespace corvid::cli {

namespace {

json TextList(const std::vector<std::string>& texts) {
    json list = json::array();
    for (const std::string& text : texts)
        list.push_back(JsonText(text));
    return list;
}

json ConnectionToJson(const ConnectionInfo& info) {
    return json{{"Present", info.Present},
                {"TypeMask", info.TypeMask},
                {"DefaultInput", info.DefaultInput},
                {"DefaultOutput", info.DefaultOutput}};
}

json IOEntriesToJson(const std::vector<IOEntry>& entries) {
    json list = json::array();
    for (const IOEntry& entry : entries)
        list.push_back(json{{"Number", entry.Number},
                            {"Size", entry.Size},
                            {"SigBits", entry.SigBits},
                            {"TypeMask", entry.TypeMask},
                            {"Name", JsonText(entry.Name)},
                            {"PathSize", entry.PathSize},
                            {"Path", JsonText(entry.Path)},
                            {"Help", JsonText(entry.Help)}});
    return list;
}

json ParamToJson(const CEDSParam& p) {
    return json{{"Reserved", p.Reserved},
                {"PathSize", p.PathSize},
                {"LinkPath", JsonText(p.LinkPath)},
                {"Descriptor", p.Descriptor},
                {"DataType", p.DataType},
                {"DataSize", p.DataSize},
                {"ParameterName", JsonText(p.ParameterName)},
                {"UnitsStr", JsonText(p.UnitsStr)},
                {"HelpStr", JsonText(p.HelpStr)},
                {"Minimum", JsonText(p.Minimum)},
                {"Maximum", JsonText(p.Maximum)},
                {"Default", JsonText(p.Default)},
                {"Multiplier", p.Multiplier},
                {"Divider", p.Divider},
                {"Base", p.Base},
                {"Offset", p.Offset},
                {"MultiplierLink", JsonText(p.MultiplierLink)},
                {"DivisorLink", JsonText(p.DivisorLink)},
                {"BaseLink", JsonText(p.BaseLink)},
                {"OffsetLink", JsonText(p.OffsetLink)},
                {"Precision", p.Precision},
                {"Group", p.Group},
                {"EnumStrings", p.EnumStrings ? TextList(*p.EnumStrings) : json(nullptr)}};
}

} // namespace

json DeviceNetToJson(const CDeviceNetEDS& model) {
    const DeviceNetFileSection& file = model.FileSection;
    const DeviceNetDeviceSection& device = model.DeviceSection;
    const DeviceNetIOInfoSection& io = model.IOInfoSection;
    const EDSParamClassSection& paramClass = model.ParamClassSection;
    json params = json::array();
    for (const auto& param : model.Params)
        params.push_back(ParamToJson(*param));
    return json{{"FileSection",
                 {{"SectionName", JsonText(file.SectionName)},
                  {"DescText", JsonText(file.DescText)},
                  {"CreateDate", JsonText(file.CreateDate)},
                  {"CreateTime", JsonText(file.CreateTime)},
                  {"ModDate", JsonText(file.ModDate)},
                  {"ModTime", JsonText(file.ModTime)},
                  {"Revision", JsonText(file.Revision)}}},
                {"DeviceSection",
                 {{"SectionName", JsonText(device.SectionName)},
                  {"VendCode", device.VendCode},
                  {"VendName", JsonText(device.VendName)},
                  {"ProdType", device.ProdType},
                  {"ProdTypeStr", JsonText(device.ProdTypeStr)},
                  {"ProdCode", device.ProdCode},
                  {"MajRev", device.MajRev},
                  {"MinRev", device.MinRev},
                  {"ProdName", JsonText(device.ProdName)},
                  {"Catalog", JsonText(device.Catalog)}}},
                {"IOInfoSection",
                 {{"SectionName", JsonText(io.SectionName)},
                  {"Default", io.Default},
                  {"PollInfo", ConnectionToJson(io.PollInfo)},
                  {"StrobeInfo", ConnectionToJson(io.StrobeInfo)},
                  {"COSInfo", ConnectionToJson(io.COSInfo)},
                  {"CyclicInfo", ConnectionToJson(io.CyclicInfo)},
                  {"Inputs", IOEntriesToJson(io.Inputs)},
                  {"Outputs", IOEntriesToJson(io.Outputs)}}},
                {"ParamClassSection",
                 {{"SectionName", JsonText(paramClass.SectionName)},
                  {"MaxInst", paramClass.MaxInst},
                  {"Descriptor", paramClass.Descriptor},
                  {"CfgAssembly", paramClass.CfgAssembly}}},
                {"Params", params},
                {"GroupNames", TextList(model.GroupNames)}};
}

} // namespace corvid::cli
