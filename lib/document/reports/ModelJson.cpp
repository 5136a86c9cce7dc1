#include "reports/ModelJson.h"

#include "canopen/CANopenFields.h"
#include "devicenet/DeviceNetFields.h"
#include "devicenet/EDSParamFields.h"
#include "dictionaries/TextEncoding.h"
#include "ethernetip/EtherNetIPFields.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <type_traits>
#include <variant>

namespace corvid {

Json JsonText(const std::string& bytes) {
    return DecodeForDisplay(bytes);
}

namespace {

// Most texts are already UTF-8 and go out without a copy.
void Bytes(CJsonWriter& out, const std::string& bytes) {
    if (IsValidUtf8(bytes))
        out.Text(bytes);
    else
        out.Text(DecodeForDisplay(bytes));
}

void Texts(CJsonWriter& out, const std::vector<std::string>& lines) {
    out.BeginArray();
    for (const std::string& line : lines)
        Bytes(out, line);
    out.EndArray();
}

// Texts as text, flags as 0 or 1, numbers as numbers, and null for a
// number the file left out.
void Value(CJsonWriter& out, const std::string& text) {
    Bytes(out, text);
}
template <typename Number> void Value(CJsonWriter& out, Number value) {
    out.Number(value);
}
template <typename Number> void Value(CJsonWriter& out, const std::optional<Number>& value) {
    if (value)
        out.Number(*value);
    else
        out.Null();
}

template <typename Record, typename Field>
void FieldValue(CJsonWriter& out, const Record& record, const Field& item) {
    std::visit([&](auto member) { Value(out, record.*member); }, item.Member);
}

// Each field of `table` under its keyword. A record of a derived section
// (EtherNet/IP's [File] over the shared one) takes the shared table.
template <typename Record, size_t N>
void Fields(CJsonWriter& out, const std::type_identity_t<Record>& record,
            const FieldTable<Record, N>& table) {
    for (const FieldEntry<Record>& item : table)
        FieldValue(out.Key(item.Keyword), record, item);
}

const PortEntry& EntryOf(const std::unique_ptr<PortEntry>& port) {
    return *port;
}
template <typename Entry> const Entry& EntryOf(const Entry& entry) {
    return entry;
}

// An entry numbered N: its number, then its fields, the object left open
// for what the entry holds beside them.
template <typename Entry, size_t N>
void BeginNumberedEntry(CJsonWriter& out, const Entry& entry, const FieldTable<Entry, N>& table) {
    out.BeginObject();
    out.Key("Number").Number(entry.Number);
    Fields(out, entry, table);
}

// Entries numbered N, each its number, then its fields.
template <typename Entries, typename Entry, size_t N>
void NumberedEntries(CJsonWriter& out, const Entries& entries, const FieldTable<Entry, N>& table) {
    out.BeginArray();
    for (const auto& item : entries) {
        BeginNumberedEntry(out, EntryOf(item), table);
        out.EndObject();
    }
    out.EndArray();
}

} // namespace

void WriteHeaderJson(CJsonWriter& out, const EDSFileHeader& header) {
    out.BeginObject();
    Bytes(out.Key("Module"), header.Module);
    Bytes(out.Key("Device"), header.Device);
    Bytes(out.Key("Model"), header.Model);
    Bytes(out.Key("PathName"), header.PathName);
    Bytes(out.Key("SavePathName"), header.SavePathName);
    Bytes(out.Key("Title"), header.Title);
    out.Key("Flags").Number(header.Flags);
    out.EndObject();
}

namespace {

void CANopenKeptSections(CJsonWriter& out, const std::vector<CANopenKeptSection>& sections) {
    out.BeginArray();
    for (const CANopenKeptSection& section : sections) {
        out.BeginObject();
        Bytes(out.Key("After"), section.After);
        Bytes(out.Key("Header"), section.Header);
        Texts(out.Key("Lines"), section.Lines);
        out.EndObject();
    }
    out.EndArray();
}

// A section of fixed keywords: its name, its fields (null where the file
// does not give one), its kept lines.
template <typename Record, size_t N>
void FixedSection(CJsonWriter& out, const Record& record, const FieldTable<Record, N>& table) {
    out.BeginObject();
    Bytes(out.Key("SectionName"), record.SectionName);
    for (const FieldEntry<Record>& item : table) {
        out.Key(item.Keyword);
        if (record.Given.Has(FieldPlace(table, item)))
            FieldValue(out, record, item);
        else
            out.Null();
    }
    Texts(out.Key("Kept"), record.KeptLines);
    out.EndObject();
}

void Comments(CJsonWriter& out, const CANopenComments& comments) {
    out.BeginObject();
    Bytes(out.Key("SectionName"), comments.SectionName);
    Fields(out, comments, kCommentsFields);
    Texts(out.Key("LineTexts"), comments.LineTexts);
    Texts(out.Key("Kept"), comments.KeptLines);
    out.EndObject();
}

void Object(CJsonWriter& out, const CANopenObject& object) {
    out.BeginObject();
    out.Key("Index").Number(object.Index);
    out.Key("SubIndex").Number(object.SubIndex);
    out.Key("Category").Number(object.Category);
    Fields(out, object, kObjectFields);
    Texts(out.Key("Kept"), object.KeptLines.Lines());
    // null for a record that has no sub-indexes and states none; a list for
    // an object that states some, even when its file gave none of them.
    out.Key("SubObjects");
    if (object.SubNumber != 0 || !object.SubObjects.empty()) {
        out.BeginArray();
        for (const CANopenObject& sub : object.SubObjects)
            Object(out, sub);
        out.EndArray();
    } else {
        out.Null();
    }
    out.EndObject();
}

void ObjectListKept(CJsonWriter& out, const std::vector<std::string>& lines) {
    out.BeginObject();
    Texts(out.Key("Kept"), lines);
    out.EndObject();
}

} // namespace

void WriteCANopenJson(CJsonWriter& out, const CCANopenEDS& model) {
    out.Key("ByteOrderMark").Number(model.ByteOrderMark);
    FixedSection(out.Key(kFileInfoSection), model.FileInfo, kFileInfoFields);
    FixedSection(out.Key(kDeviceInfoSection), model.DeviceInfo, kDeviceInfoFields);
    FixedSection(out.Key(kDummyUsageSection), model.DummyUsage, kDummyUsageFields);
    Comments(out.Key(kCommentsSection), model.Comments);
    ObjectListKept(out.Key("MandatoryObjects"), model.ListKeptLines[0]);
    ObjectListKept(out.Key("OptionalObjects"), model.ListKeptLines[1]);
    ObjectListKept(out.Key("ManufacturerObjects"), model.ListKeptLines[2]);
    out.Key("Objects").BeginArray();
    for (const CANopenObject& object : model.Objects)
        Object(out, object);
    out.EndArray();
    CANopenKeptSections(out.Key("KeptSections"), model.KeptSections);
}

} // namespace corvid

namespace corvid {

namespace {

// Whether the file gives the entry, then its fields.
void Connection(CJsonWriter& out, const ConnectionInfo& info) {
    out.BeginObject();
    out.Key("Present").Number(info.Present);
    Fields(out, info, kConnectionInfoFields);
    out.EndObject();
}

void IOInfo(CJsonWriter& out, const DeviceNetIOInfoSection& io) {
    out.BeginObject();
    Bytes(out.Key("SectionName"), io.SectionName);
    Fields(out, io, kIOInfoFields);
    for (const ConnectionInfoEntry& entry : kConnectionInfoEntries)
        Connection(out.Key(entry.Keyword), io.*entry.Member);
    NumberedEntries(out.Key("Inputs"), io.Inputs, kIOEntryFields);
    NumberedEntries(out.Key("Outputs"), io.Outputs, kIOEntryFields);
    out.EndObject();
}

// The parameter's fields under their members' names, then what lives
// beside the entry.
void Param(CJsonWriter& out, const CEDSParam& p) {
    out.BeginObject();
    out.Key("Number").Number(p.Number);
    for (const ParamField& field : kParamFields)
        FieldValue(out.Key(field.JsonName), p, field);
    out.Key("Group").Number(p.Group);
    out.Key("EnumStrings");
    if (p.EnumStrings)
        Texts(out, *p.EnumStrings);
    else
        out.Null();
    out.EndObject();
}

void Params(CJsonWriter& out, const CEDSParamList& params) {
    out.BeginArray();
    for (const CEDSParam& param : params)
        Param(out, param);
    out.EndArray();
}

// A section's name as read, then its fields.
template <typename Record, size_t N>
void NamedSection(CJsonWriter& out, const Record& section, const FieldTable<Record, N>& table) {
    out.BeginObject();
    Bytes(out.Key("SectionName"), section.SectionName);
    Fields(out, section, table);
    out.EndObject();
}

// Section names that read as the same text (one in UTF-8, one in
// Windows-1252) share one member: where the first stands, with the lines of
// the last.
void KeptEntriesByName(CJsonWriter& out, const std::vector<KeptEntries>& entries) {
    std::vector<std::pair<std::string, const KeptEntries*>> named;
    for (const KeptEntries& section : entries) {
        if (section.Lines.empty())
            continue;
        std::string name = DecodeForDisplay(section.Section);
        const auto same = std::ranges::find(named, name, &decltype(named)::value_type::first);
        if (same != named.end())
            same->second = &section;
        else
            named.emplace_back(std::move(name), &section);
    }
    out.BeginObject();
    for (const auto& [name, section] : named)
        Texts(out.Key(name), section->Lines);
    out.EndObject();
}

// The kept lines of every section that has some, by section name, and the
// sections kept whole, in file order.
void Kept(CJsonWriter& out, const CEDSKeptLines& kept) {
    out.BeginObject();
    out.Key("ByteOrderMark").Bool(kept.ByteOrderMark);
    KeptEntriesByName(out.Key("Entries"), kept.Entries);
    out.Key("Sections").BeginArray();
    for (const KeptSection& section : kept.Sections) {
        out.BeginObject();
        out.Key("After");
        if (section.After)
            Bytes(out, *section.After);
        else
            out.Null();
        Bytes(out.Key("Header"), section.Header);
        Texts(out.Key("Lines"), section.Lines);
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
}

} // namespace

void WriteDeviceNetJson(CJsonWriter& out, const CDeviceNetEDS& model) {
    NamedSection(out.Key("FileSection"), model.FileSection, kFileFields);
    NamedSection(out.Key("DeviceSection"), model.DeviceSection, kDeviceFields);
    IOInfo(out.Key("IOInfoSection"), model.IOInfoSection);
    NamedSection(out.Key("ParamClassSection"), model.ParamClassSection, kParamClassFields);
    Params(out.Key("Params"), model.Params);
    Texts(out.Key("GroupNames"), model.GroupNames);
    Kept(out.Key("Kept"), model.Kept);
}

namespace {

// The [File] and [Device] fields both fieldbuses share, then the ones
// EtherNet/IP adds.
template <typename Record, typename Shared, size_t N, size_t M>
void EtherNetIPSection(CJsonWriter& out, const Record& section, const FieldTable<Shared, N>& shared,
                       const FieldTable<Record, M>& more) {
    out.BeginObject();
    Bytes(out.Key("SectionName"), section.SectionName);
    Fields<Shared>(out, section, shared);
    Fields(out, section, more);
    out.EndObject();
}

// The four class keywords, then those `more` adds.
template <typename Record, size_t... N>
void ObjectClass(CJsonWriter& out, const Record& section, const FieldTable<Record, N>&... more) {
    out.BeginObject();
    Fields(out, section, kObjectClassFields);
    (Fields(out, section, more), ...);
    out.EndObject();
}

void Classification(CJsonWriter& out, const std::vector<ClassEntry>& entries) {
    out.BeginArray();
    for (const ClassEntry& entry : entries) {
        out.BeginObject();
        out.Key("Number").Number(entry.Number);
        out.Key("Sequence").Number(entry.Sequence);
        Bytes(out.Key("Value"), entry.Value);
        out.EndObject();
    }
    out.EndArray();
}

void ConnectionManager(CJsonWriter& out, const ConnectionManagerRecord& section) {
    out.BeginObject();
    Fields(out, section, kObjectClassFields);
    NumberedEntries(out.Key("Connections"), section.Connections, kConnectionFields);
    out.EndObject();
}

void Assembly(CJsonWriter& out, const AssemblyEntry& a) {
    BeginNumberedEntry(out, a, kAssemblyEntryFields);
    Texts(out.Key("MemberSizes"), a.MemberSizes);
    Texts(out.Key("MemberReferences"), a.MemberReferences);
    out.EndObject();
}

void Rack(CJsonWriter& out, const RackEntry& r) {
    BeginNumberedEntry(out, r, kRackFields);
    out.EndObject();
}

// A section's own fields, then its entries under `listName`.
template <typename Record, size_t N, typename Entry>
void SectionWithEntries(CJsonWriter& out, const Record& section, const FieldTable<Record, N>& table,
                        std::string_view listName, const std::vector<Entry>& entries,
                        void (*entryJson)(CJsonWriter&, const Entry&)) {
    out.BeginObject();
    Fields(out, section, table);
    out.Key(listName).BeginArray();
    for (const Entry& entry : entries)
        entryJson(out, entry);
    out.EndArray();
    out.EndObject();
}

// The capacity keywords of the TCP/IP port ("1_NumberOfTCPIPConnections")
// are dumped under the member's name, without the port's number.
std::string_view WithoutPortNumber(std::string_view keyword) {
    return keyword.starts_with("1_") ? keyword.substr(2) : keyword;
}

void Capacity(CJsonWriter& out, const CapacityRecord& section) {
    out.BeginObject();
    NumberedEntries(out.Key("TSpecs"), section.TSpecs, kTSpecFields);
    for (const FieldEntry<CapacityRecord>& item : kCapacityFields)
        FieldValue(out.Key(WithoutPortNumber(item.Keyword)), section, item);
    out.EndObject();
}

} // namespace

void WriteEtherNetIPJson(CJsonWriter& out, const CEtherNetIPEDS& model) {
    NamedSection(out.Key("ParamClassSection"), model.ParamClassSection, kParamClassFields);
    EtherNetIPSection(out.Key("FileSection"), model.FileSection, kFileFields,
                      kEtherNetIPFileFields);
    EtherNetIPSection(out.Key("DeviceSection"), model.DeviceSection, kDeviceFields,
                      kEtherNetIPDeviceFields);
    Classification(out.Key("DeviceClassification"), model.DeviceClassification);
    ConnectionManager(out.Key("ConnectionManagerSection"), model.ConnectionManagerSection);
    Params(out.Key("Params"), model.Params);
    Texts(out.Key("GroupNames"), model.GroupNames);
    SectionWithEntries(out.Key("AssemblySection"), model.AssemblySection, kAssemblyFields,
                       "Assemblies", model.AssemblySection.Assemblies, Assembly);
    NumberedEntries(out.Key("Ports"), model.Ports, kPortFields);
    SectionWithEntries(out.Key("ModularSection"), model.ModularSection, kModularFields, "Racks",
                       model.ModularSection.Racks, Rack);
    ObjectClass(out.Key("DLRClassSection"), model.DLRClassSection, kDLRClassFields);
    ObjectClass(out.Key("QoSClass"), model.QoSClass);
    ObjectClass(out.Key("TCPIPInterfaceClass"), model.TCPIPInterfaceClass);
    ObjectClass(out.Key("IdentityClass"), model.IdentityClass);
    ObjectClass(out.Key("FileClass"), model.FileClass);
    ObjectClass(out.Key("MessageRouterClass"), model.MessageRouterClass);
    ObjectClass(out.Key("EthernetLinkClassSection"), model.EthernetLinkClassSection,
                kEthernetLinkClassFields);
    Capacity(out.Key("CapacitySection"), model.CapacitySection);
    Kept(out.Key("Kept"), model.Kept);
}

} // namespace corvid
