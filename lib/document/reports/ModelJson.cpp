#include "reports/ModelJson.h"

#include "canopen/CANopenFields.h"
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

// Texts as text, flags as 0 or 1, numbers as numbers.
template <typename Record> json FieldValue(const Record& record, const FieldEntry<Record>& item) {
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
        item.Member);
}

// Adds each field of `table` under its keyword. A record of a derived
// section (EtherNet/IP's [File] over the shared one) takes the shared table.
template <typename Record, size_t N>
void AddFields(json& object, const std::type_identity_t<Record>& record,
               const FieldTable<Record, N>& table) {
    for (const FieldEntry<Record>& item : table)
        object[std::string(item.Keyword)] = FieldValue(record, item);
}

// A section of fixed keywords: its name, its fields, its kept lines.
template <typename Record, size_t N>
json SectionToJson(const Record& record, const FieldTable<Record, N>& table) {
    json section{{"SectionName", JsonText(record.SectionName)}};
    AddFields(section, record, table);
    for (const FieldEntry<Record>& item : table)
        if (!record.Given.Has(FieldPlace(table, item)))
            section[std::string(item.Keyword)] = nullptr; // the file does not give it
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

// null for a field the file left empty.
template <typename Number> json NumberOrNull(const std::optional<Number>& value) {
    return value ? json(*value) : json(nullptr);
}

json ParamToJson(const CEDSParam& p) {
    return json{{"Number", p.Number},
                {"Reserved", p.Reserved},
                {"PathSize", NumberOrNull(p.PathSize)},
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
                {"Multiplier", NumberOrNull(p.Multiplier)},
                {"Divider", NumberOrNull(p.Divider)},
                {"Base", NumberOrNull(p.Base)},
                {"Offset", NumberOrNull(p.Offset)},
                {"MultiplierLink", JsonText(p.MultiplierLink)},
                {"DivisorLink", JsonText(p.DivisorLink)},
                {"BaseLink", JsonText(p.BaseLink)},
                {"OffsetLink", JsonText(p.OffsetLink)},
                {"Precision", NumberOrNull(p.Precision)},
                {"Group", p.Group},
                {"EnumStrings", p.EnumStrings ? TextsToJson(*p.EnumStrings) : json(nullptr)}};
}

// A section's name as read, then its fields.
template <typename Record, size_t N>
json NamedSectionToJson(const Record& section, const FieldTable<Record, N>& table) {
    json out{{"SectionName", JsonText(section.SectionName)}};
    AddFields(out, section, table);
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
            entries[JsonText(section.Section).get<std::string>()] = TextsToJson(section.Lines);
    json sections = json::array();
    for (const KeptSection& section : kept.Sections)
        sections.push_back(json{{"After", section.After ? JsonText(*section.After) : json()},
                                {"Header", JsonText(section.Header)},
                                {"Lines", TextsToJson(section.Lines)}});
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
        {"GroupNames", TextsToJson(model.GroupNames)},
        {"Kept", KeptToJson(model.Kept)}};
}

namespace {

// The [File] and [Device] fields both fieldbuses share, then the ones
// EtherNet/IP adds.
template <typename Record, typename Shared, size_t N, size_t M>
json EtherNetIPSectionToJson(const Record& section, const FieldTable<Shared, N>& shared,
                             const FieldTable<Record, M>& more) {
    json out = NamedSectionToJson<Shared>(section, shared);
    AddFields(out, section, more);
    return out;
}

// An entry's number, then its fields.
template <typename Record, size_t N>
json NumberedEntryToJson(const Record& entry, const FieldTable<Record, N>& table) {
    json out{{"Number", entry.Number}};
    AddFields(out, entry, table);
    return out;
}

// The four class keywords, then those `more` adds.
template <typename Record, size_t... N>
json ObjectClassToJson(const Record& section, const FieldTable<Record, N>&... more) {
    json out = json::object();
    AddFields(out, section, kObjectClassFields);
    (AddFields(out, section, more), ...);
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
                                  {"MemberSizes", TextsToJson(a.MemberSizes)},
                                  {"MemberReferences", TextsToJson(a.MemberReferences)}});
    json out = json::object();
    AddFields(out, section, kAssemblyFields);
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
    AddFields(out, section, kModularFields);
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
        {"GroupNames", TextsToJson(model.GroupNames)},
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
