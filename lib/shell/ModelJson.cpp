#include "shell/ModelJson.h"

#include "devicenet/DeviceNetFields.h"
#include "dictionaries/TextEncoding.h"
#include "ethernetip/EtherNetIPFields.h"

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
                {"ModifiedBy", JsonText(info.ModifiedBy)},
                {"Kept", TextsToJson(info.KeptLines)}};
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
                {"LSS_Supported", int(info.LSS_Supported)},
                {"Kept", TextsToJson(info.KeptLines)}};
}

json DummyUsageToJson(const CANopenDummyUsage& usage) {
    return json{{"SectionName", JsonText(usage.SectionName)}, {"Dummy0001", int(usage.Dummy0001)},
                {"Dummy0002", int(usage.Dummy0002)},          {"Dummy0003", int(usage.Dummy0003)},
                {"Dummy0004", int(usage.Dummy0004)},          {"Dummy0005", int(usage.Dummy0005)},
                {"Dummy0006", int(usage.Dummy0006)},          {"Dummy0007", int(usage.Dummy0007)},
                {"Kept", TextsToJson(usage.KeptLines)}};
}

json CommentsToJson(const CANopenComments& comments) {
    return json{{"SectionName", JsonText(comments.SectionName)},
                {"Lines", comments.Lines},
                {"LineTexts", TextsToJson(comments.LineTexts)},
                {"Kept", TextsToJson(comments.KeptLines)}};
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
                {"Kept", TextsToJson(object.KeptLines)},
                {"SubObjects", subObjects}};
}

} // namespace

json CANopenToJson(const CCANopenEDS& model) {
    json objects = json::array();
    for (const CANopenObject& object : model.Objects)
        objects.push_back(ObjectToJson(object));
    return json{{"ByteOrderMark", int(model.ByteOrderMark)},
                {"FileInfo", FileInfoToJson(model.FileInfo)},
                {"DeviceInfo", DeviceInfoToJson(model.DeviceInfo)},
                {"DummyUsage", DummyUsageToJson(model.DummyUsage)},
                {"Comments", CommentsToJson(model.Comments)},
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

// Adds each field of `table` under its keyword: numbers as numbers, texts
// as shown.
template <typename Record, size_t N>
void AddFieldsToJson(json& out, const std::type_identity_t<Record>& record,
                     const FieldTable<Record, N>& table) {
    for (const FieldSpec<Record>& spec : table)
        std::visit(
            [&](auto member) {
                const auto& value = static_cast<const Record&>(record).*member;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                    out[std::string(spec.Keyword)] = JsonText(value);
                else
                    out[std::string(spec.Keyword)] = value;
            },
            spec.Member);
}

// A section's name as read, then its fields.
template <typename Record, size_t N>
json NamedSectionToJson(const Record& section, const FieldTable<Record, N>& table) {
    json out{{"SectionName", JsonText(section.SectionName)}};
    AddFieldsToJson(out, section, table);
    return out;
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
    return json{
        {"FileSection", NamedSectionToJson(model.FileSection, kFileFields)},
        {"DeviceSection", NamedSectionToJson(model.DeviceSection, kDeviceFields)},
        {"IOInfoSection",
         {{"SectionName", JsonText(io.SectionName)},
          {"Default", io.Default},
          {"PollInfo", ConnectionToJson(io.PollInfo)},
          {"StrobeInfo", ConnectionToJson(io.StrobeInfo)},
          {"COSInfo", ConnectionToJson(io.COSInfo)},
          {"CyclicInfo", ConnectionToJson(io.CyclicInfo)},
          {"Inputs", IOEntriesToJson(io.Inputs)},
          {"Outputs", IOEntriesToJson(io.Outputs)}}},
        {"ParamClassSection", NamedSectionToJson(model.ParamClassSection, kParamClassFields)},
        {"Params", ParamsToJson(model.Params)},
        {"GroupNames", TextList(model.GroupNames)},
        {"Kept", KeptToJson(model.Kept)}};
}

namespace {

// The [File] and [Device] fields both fieldbuses share, then the ones
// EtherNet/IP adds.
template <typename Record, typename Shared, size_t N, size_t M>
json EtherNetIPSectionToJson(const Record& section, const FieldTable<Shared, N>& shared,
                             const FieldTable<Record, M>& more) {
    json out = NamedSectionToJson<Shared>(section, shared);
    AddFieldsToJson(out, section, more);
    return out;
}

// An entry's number, then its fields.
template <typename Record, size_t N>
json NumberedEntryToJson(const Record& entry, const FieldTable<Record, N>& table) {
    json out{{"Number", entry.Number}};
    AddFieldsToJson(out, entry, table);
    return out;
}

// The four class keywords, then those `more` adds.
template <typename Record, size_t... N>
json ObjectClassToJson(const Record& section, const FieldTable<Record, N>&... more) {
    json out = json::object();
    AddFieldsToJson(out, section, kObjectClassFields);
    (AddFieldsToJson(out, section, more), ...);
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
    for (const ConnectionEntry& connection : section.Connections)
        connections.push_back(NumberedEntryToJson(connection, kConnectionFields));
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
    json out = json::object();
    AddFieldsToJson(out, section, kAssemblyFields);
    out["Assemblies"] = assemblies;
    return out;
}

json PortsToJson(const std::vector<std::unique_ptr<PortEntry>>& ports) {
    json array = json::array();
    for (const auto& port : ports)
        array.push_back(NumberedEntryToJson(*port, kPortFields));
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
    json out = json::object();
    AddFieldsToJson(out, section, kModularFields);
    out["Racks"] = racks;
    return out;
}

json CapacityToJson(const CapacityRecord& section) {
    json tspecs = json::array();
    for (const TSpecEntry& tspec : section.TSpecs)
        tspecs.push_back(NumberedEntryToJson(tspec, kTSpecFields));
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
        {"ParamClassSection", NamedSectionToJson(model.ParamClassSection, kParamClassFields)},
        {"FileSection",
         EtherNetIPSectionToJson(model.FileSection, kFileFields, kEtherNetIPFileFields)},
        {"DeviceSection",
         EtherNetIPSectionToJson(model.DeviceSection, kDeviceFields, kEtherNetIPDeviceFields)},
        {"DeviceClassification", ClassificationToJson(model.DeviceClassification)},
        {"ConnectionManagerSection", ConnectionManagerToJson(model.ConnectionManagerSection)},
        {"Params", ParamsToJson(model.Params)},
        {"GroupNames", TextList(model.GroupNames)},
        {"AssemblySection", AssemblyToJson(model.AssemblySection)},
        {"Ports", PortsToJson(model.Ports)},
        {"ModularSection", ModularToJson(model.ModularSection)},
        {"DLRClassSection", ObjectClassToJson(model.DLRClassSection, kDLRClassFields)},
        {"QoSClass", ObjectClassToJson(model.QoSClass)},
        {"TCPIPInterfaceClass", ObjectClassToJson(model.TCPIPInterfaceClass)},
        {"IdentityClass", ObjectClassToJson(model.IdentityClass)},
        {"FileClass", ObjectClassToJson(model.FileClass)},
        {"MessageRouterClass", ObjectClassToJson(model.MessageRouterClass)},
        {"EthernetLinkClassSection",
         ObjectClassToJson(model.EthernetLinkClassSection, kEthernetLinkClassFields)},
        {"CapacitySection", CapacityToJson(model.CapacitySection)},
        {"Kept", KeptToJson(model.Kept)}};
}

} // namespace corvid
