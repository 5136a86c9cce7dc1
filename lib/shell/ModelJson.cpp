#include "shell/ModelJson.h"

#include "canopen/CANopenFields.h"
#include "dictionaries/TextEncoding.h"

#include <type_traits>
#include <variant>

namespace corvid {

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

json TextsToJson(const std::vector<std::string>& lines) {
    json kept = json::array();
    for (const std::string& line : lines)
        kept.push_back(JsonText(line));
    return kept;
}

json KeptSectionsToJson(const std::vector<CANopenKeptSection>& sections) {
    json kept = json::array();
    for (const CANopenKeptSection& section : sections)
        kept.push_back(json{{"After", JsonText(section.After)},
                            {"Header", JsonText(section.Header)},
                            {"Lines", TextsToJson(section.Lines)}});
    return kept;
}

// Texts as text, flags as 0 or 1, numbers as numbers.
template <typename Record> json FieldValue(const Record& record, const FieldSpec<Record>& spec) {
    return std::visit(
        [&](auto member) -> json {
            const auto& value = record.*member;
            using Field = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Field, std::string>)
                return JsonText(value);
            else if constexpr (std::is_same_v<Field, bool>)
                return int(value);
            else
                return value;
        },
        spec.Member);
}

template <typename Record, size_t N>
void AddFields(json& object, const Record& record, const FieldTable<Record, N>& table) {
    for (const FieldSpec<Record>& spec : table)
        object[std::string(spec.Keyword)] = FieldValue(record, spec);
}

// A section of fixed keywords: its name, its fields, its kept lines.
template <typename Record, size_t N>
json SectionToJson(const Record& record, const FieldTable<Record, N>& table) {
    json section{{"SectionName", JsonText(record.SectionName)}};
    AddFields(section, record, table);
    section["Kept"] = TextsToJson(record.KeptLines);
    return section;
}

json CommentsToJson(const CANopenComments& comments) {
    json section{{"SectionName", JsonText(comments.SectionName)}};
    AddFields(section, comments, kCommentsFields);
    section["LineTexts"] = TextsToJson(comments.LineTexts);
    section["Kept"] = TextsToJson(comments.KeptLines);
    return section;
}

json ObjectToJson(const CANopenObject& object) {
    json subObjects = nullptr;
    if (object.SubObjects) {
        subObjects = json::array();
        for (const CANopenObject& sub : *object.SubObjects)
            subObjects.push_back(ObjectToJson(sub));
    }
    json record{
        {"Index", object.Index}, {"SubIndex", object.SubIndex}, {"Category", object.Category}};
    AddFields(record, object, kObjectFields);
    record["Kept"] = TextsToJson(object.KeptLines);
    record["SubObjects"] = subObjects;
    return record;
}

} // namespace

json CANopenToJson(const CCANopenEDS& model) {
    json objects = json::array();
    for (const CANopenObject& object : model.Objects)
        objects.push_back(ObjectToJson(object));
    return json{{"ByteOrderMark", int(model.ByteOrderMark)},
                {kFileInfoSection, SectionToJson(model.FileInfo, kFileInfoFields)},
                {kDeviceInfoSection, SectionToJson(model.DeviceInfo, kDeviceInfoFields)},
                {kDummyUsageSection, SectionToJson(model.DummyUsage, kDummyUsageFields)},
                {kCommentsSection, CommentsToJson(model.Comments)},
                {"MandatoryObjects", {{"Kept", TextsToJson(model.ListKeptLines[0])}}},
                {"OptionalObjects", {{"Kept", TextsToJson(model.ListKeptLines[1])}}},
                {"ManufacturerObjects", {{"Kept", TextsToJson(model.ListKeptLines[2])}}},
                {"Objects", objects},
                {"KeptSections", KeptSectionsToJson(model.KeptSections)}};
}

} // namespace corvid

namespace corvid {

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
    return json{{"Number", p.Number},
                {"Reserved", p.Reserved},
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

json FileSectionToJson(const DeviceNetFileSection& file) {
    return json{
        {"SectionName", JsonText(file.SectionName)}, {"DescText", JsonText(file.DescText)},
        {"CreateDate", JsonText(file.CreateDate)},   {"CreateTime", JsonText(file.CreateTime)},
        {"ModDate", JsonText(file.ModDate)},         {"ModTime", JsonText(file.ModTime)},
        {"Revision", JsonText(file.Revision)}};
}

json DeviceSectionToJson(const DeviceNetDeviceSection& device) {
    return json{{"SectionName", JsonText(device.SectionName)},
                {"VendCode", device.VendCode},
                {"VendName", JsonText(device.VendName)},
                {"ProdType", device.ProdType},
                {"ProdTypeStr", JsonText(device.ProdTypeStr)},
                {"ProdCode", device.ProdCode},
                {"MajRev", device.MajRev},
                {"MinRev", device.MinRev},
                {"ProdName", JsonText(device.ProdName)},
                {"Catalog", JsonText(device.Catalog)}};
}

json ParamClassToJson(const EDSParamClassSection& paramClass) {
    return json{{"SectionName", JsonText(paramClass.SectionName)},
                {"MaxInst", paramClass.MaxInst},
                {"Descriptor", paramClass.Descriptor},
                {"CfgAssembly", paramClass.CfgAssembly}};
}

json ParamsToJson(const CEDSParamList& params) {
    json list = json::array();
    for (const auto& param : params)
        list.push_back(ParamToJson(*param));
    return list;
}

// The kept lines of every section that has some, by section name, and the
// sections kept whole, in file order.
json KeptToJson(const CEDSKeptLines& kept) {
    json entries = json::object();
    for (const KeptEntries& section : kept.Entries)
        if (!section.Lines.empty())
            entries[JsonText(section.Section).get<std::string>()] = TextList(section.Lines);
    json sections = json::array();
    for (const KeptSection& section : kept.Sections)
        sections.push_back(json{{"After", section.After ? JsonText(*section.After) : json()},
                                {"Header", JsonText(section.Header)},
                                {"Lines", TextList(section.Lines)}});
    return json{
        {"ByteOrderMark", kept.ByteOrderMark}, {"Entries", entries}, {"Sections", sections}};
}

} // namespace

json DeviceNetToJson(const CDeviceNetEDS& model) {
    const DeviceNetIOInfoSection& io = model.IOInfoSection;
    return json{{"FileSection", FileSectionToJson(model.FileSection)},
                {"DeviceSection", DeviceSectionToJson(model.DeviceSection)},
                {"IOInfoSection",
                 {{"SectionName", JsonText(io.SectionName)},
                  {"Default", io.Default},
                  {"PollInfo", ConnectionToJson(io.PollInfo)},
                  {"StrobeInfo", ConnectionToJson(io.StrobeInfo)},
                  {"COSInfo", ConnectionToJson(io.COSInfo)},
                  {"CyclicInfo", ConnectionToJson(io.CyclicInfo)},
                  {"Inputs", IOEntriesToJson(io.Inputs)},
                  {"Outputs", IOEntriesToJson(io.Outputs)}}},
                {"ParamClassSection", ParamClassToJson(model.ParamClassSection)},
                {"Params", ParamsToJson(model.Params)},
                {"GroupNames", TextList(model.GroupNames)},
                {"Kept", KeptToJson(model.Kept)}};
}

namespace {

json ObjectClassToJson(const ObjectClassSection& section) {
    return json{
        {"Revision", JsonText(section.Revision)},
        {"MaxInst", JsonText(section.MaxInst)},
        {"Number_Of_Static_Instances", JsonText(section.Number_Of_Static_Instances)},
        {"Max_Number_Of_Dynamic_Instances", JsonText(section.Max_Number_Of_Dynamic_Instances)}};
}

json EtherNetIPFileToJson(const EtherNetIPFileSection& file) {
    json out = FileSectionToJson(file);
    out["HomeURL"] = JsonText(file.HomeURL);
    return out;
}

json EtherNetIPDeviceToJson(const EtherNetIPDeviceSection& device) {
    json out = DeviceSectionToJson(device);
    out["Icon"] = JsonText(device.Icon);
    return out;
}

json ClassificationToJson(const std::vector<ClassEntry>& entries) {
    json array = json::array();
    for (const ClassEntry& entry : entries)
        array.push_back(json{{"Number", entry.Number},
                             {"Sequence", entry.Sequence},
                             {"Value", JsonText(entry.Value)}});
    return array;
}

json ConnectionManagerToJson(const ConnectionManagerRecord& section) {
    json connections = json::array();
    for (const ConnectionEntry& c : section.Connections)
        connections.push_back(json{{"Number", c.Number},
                                   {"Hex1", JsonText(c.Hex1)},
                                   {"Hex2", JsonText(c.Hex2)},
                                   {"String1", JsonText(c.String1)},
                                   {"String2", JsonText(c.String2)},
                                   {"String3", JsonText(c.String3)},
                                   {"String4", JsonText(c.String4)},
                                   {"String5", JsonText(c.String5)},
                                   {"String6", JsonText(c.String6)},
                                   {"Path", JsonText(c.Path)}});
    json out = ObjectClassToJson(section);
    out["Connections"] = connections;
    return out;
}

json AssemblyToJson(const AssemblyRecord& section) {
    json assemblies = json::array();
    for (const AssemblyEntry& a : section.Assemblies)
        assemblies.push_back(json{{"Number", a.Number},
                                  {"Name", JsonText(a.Name)},
                                  {"Path", JsonText(a.Path)},
                                  {"Size", JsonText(a.Size)},
                                  {"Data", JsonText(a.Data)},
                                  {"MemberSizes", TextList(a.MemberSizes)},
                                  {"MemberReferences", TextList(a.MemberReferences)}});
    return json{{"Revision", JsonText(section.Revision)}, {"Assemblies", assemblies}};
}

json PortsToJson(const std::vector<std::unique_ptr<PortEntry>>& ports) {
    json array = json::array();
    for (const auto& port : ports)
        array.push_back(json{{"Number", port->Number},
                             {"PortType", JsonText(port->PortType)},
                             {"PortName", JsonText(port->PortName)},
                             {"PathToPortObject", JsonText(port->PathToPortObject)},
                             {"PortNumber", JsonText(port->PortNumber)}});
    return array;
}

json ModularToJson(const ModularRecord& section) {
    json racks = json::array();
    for (const RackEntry& r : section.Racks)
        racks.push_back(json{{"Number", r.Number},
                             {"VendorID", JsonText(r.VendorID)},
                             {"ProductType", JsonText(r.ProductType)},
                             {"ProductCode", JsonText(r.ProductCode)},
                             {"MajorRevision", JsonText(r.MajorRevision)},
                             {"MinorRevision", JsonText(r.MinorRevision)},
                             {"LegalSlots", JsonText(r.LegalSlots)}});
    return json{{"Width", JsonText(section.Width)}, {"Racks", racks}};
}

json DLRClassToJson(const DLRClassRecord& section) {
    json out = ObjectClassToJson(section);
    out["Ring_Supervisor_Capable"] = JsonText(section.Ring_Supervisor_Capable);
    return out;
}

json EthernetLinkToJson(const EthernetLinkClassRecord& section) {
    json out = ObjectClassToJson(section);
    out["InterfaceLabel1"] = JsonText(section.InterfaceLabel1);
    out["InterfaceLabel2"] = JsonText(section.InterfaceLabel2);
    out["InterfaceType1"] = JsonText(section.InterfaceType1);
    out["InterfaceType2"] = JsonText(section.InterfaceType2);
    return out;
}

json CapacityToJson(const CapacityRecord& section) {
    json tspecs = json::array();
    for (const TSpecEntry& t : section.TSpecs)
        tspecs.push_back(json{{"Number", t.Number},
                              {"TxRx", JsonText(t.TxRx)},
                              {"ConnSize", JsonText(t.ConnSize)},
                              {"PacketsPerSec", JsonText(t.PacketsPerSec)}});
    return json{{"TSpecs", tspecs},
                {"MaxCIPConnections", JsonText(section.MaxCIPConnections)},
                {"NumberOfTCPIPConnections", JsonText(section.NumberOfTCPIPConnections)},
                {"TCPIPConnectionReuseTime", JsonText(section.TCPIPConnectionReuseTime)},
                {"TCPIPCIPInactivityTimeout", JsonText(section.TCPIPCIPInactivityTimeout)},
                {"TCPIPInactivityTimeout", JsonText(section.TCPIPInactivityTimeout)}};
}

} // namespace

json EtherNetIPToJson(const CEtherNetIPEDS& model) {
    return json{
        {"ParamClassSection", ParamClassToJson(model.ParamClassSection)},
        {"FileSection", EtherNetIPFileToJson(model.FileSection)},
        {"DeviceSection", EtherNetIPDeviceToJson(model.DeviceSection)},
        {"DeviceClassification", ClassificationToJson(model.DeviceClassification)},
        {"ConnectionManagerSection", ConnectionManagerToJson(model.ConnectionManagerSection)},
        {"Params", ParamsToJson(model.Params)},
        {"GroupNames", TextList(model.GroupNames)},
        {"AssemblySection", AssemblyToJson(model.AssemblySection)},
        {"Ports", PortsToJson(model.Ports)},
        {"ModularSection", ModularToJson(model.ModularSection)},
        {"DLRClassSection", DLRClassToJson(model.DLRClassSection)},
        {"QoSClass", ObjectClassToJson(model.QoSClass)},
        {"TCPIPInterfaceClass", ObjectClassToJson(model.TCPIPInterfaceClass)},
        {"IdentityClass", ObjectClassToJson(model.IdentityClass)},
        {"FileClass", ObjectClassToJson(model.FileClass)},
        {"MessageRouterClass", ObjectClassToJson(model.MessageRouterClass)},
        {"EthernetLinkClassSection", EthernetLinkToJson(model.EthernetLinkClassSection)},
        {"CapacitySection", CapacityToJson(model.CapacitySection)},
        {"Kept", KeptToJson(model.Kept)}};
}

} // namespace corvid
