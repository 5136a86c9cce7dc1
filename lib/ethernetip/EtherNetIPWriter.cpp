#include "ethernetip/EtherNetIPWriter.h"

#include "devicenet/EDSIdentitySections.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/FileIO.h"
#include "ethernetip/EtherNetIPFields.h"

#include <algorithm>
#include <initializer_list>
#include <set>

namespace corvid {

namespace {

constexpr std::string_view kIndent6 = "\t      ";

// A section its file did not have, that nothing was put in since, is left
// out: other tools stop on or complain about empty keywords and sections.
// Sections kept behind it keep it, as they read back in place only there.
bool LeftOut(const CKeptLinesWriter& kept, std::string_view name,
             std::initializer_list<const GivenFields*> given, bool entries) {
    return !entries && !kept.HasEntries(name) && !kept.HasSectionsAfter(name) &&
           std::all_of(given.begin(), given.end(), [](const GivenFields* g) { return g->None(); });
}

void WriteFile(CEDSLineWriter& out, CKeptLinesWriter& kept, const EtherNetIPFileSection& file) {
    const auto name = WrittenSectionName(file.SectionName, "File",
                                         {&file.DeviceNetFileSection::Given, &file.Given});
    if (!name)
        return;
    FormatFileKeywords(out, kept, *name, file);
    FormatFieldLines(out, file, kEtherNetIPFileFields, EmptyFields::Omit);
    kept.Entries(*name);
    out.Line("");
}

void WriteDevice(CEDSLineWriter& out, CKeptLinesWriter& kept,
                 const EtherNetIPDeviceSection& device) {
    const auto name = WrittenSectionName(device.SectionName, "Device",
                                         {&device.DeviceNetDeviceSection::Given, &device.Given});
    if (!name)
        return;
    FormatDeviceKeywords(out, kept, *name, device);
    FormatFieldLines(out, device, kEtherNetIPDeviceFields, EmptyFields::Omit);
    kept.Entries(*name);
    out.Line("");
}

// One line per class number present, ascending, each with its values in
// list order: numbers that do not continue a run from 1 are kept too. A
// file read without classes gets no section for them.
void WriteClassification(CEDSLineWriter& out, CKeptLinesWriter& kept,
                         const std::vector<ClassEntry>& entries, bool modelRead) {
    if (modelRead && LeftOut(kept, "Device Classification", {}, !entries.empty()))
        return;
    kept.Section("Device Classification");
    std::set<int32_t> numbers;
    for (const ClassEntry& entry : entries)
        numbers.insert(entry.Number);
    for (const int32_t number : numbers) {
        out.Append("\tClass" + std::to_string(number) + " = ");
        const char* separator = "";
        for (const ClassEntry& entry : entries) {
            if (entry.Number != number)
                continue;
            out.Append(separator).Append(entry.Value);
            separator = ", ";
        }
        out.Line(";");
    }
    kept.Entries("Device Classification");
    out.Line("");
}

// With no member, the reserved fields end the entry, so it reads back with
// no member rather than with an empty one.
void WriteAssemblies(CEDSLineWriter& out, CKeptLinesWriter& kept, const AssemblyRecord& section) {
    if (LeftOut(kept, "Assembly", {&section.Given}, !section.Assemblies.empty()))
        return;
    kept.Section("Assembly");
    FormatFieldLines(out, section, kAssemblyFields);
    for (const AssemblyEntry& assembly : section.Assemblies) {
        out.Line("\tAssem" + std::to_string(assembly.Number) + "=");
        for (const FieldEntry<AssemblyEntry>& field : kAssemblyEntryFields)
            out.Append(kIndent6).Append(FieldText(assembly, field)).Line(",");
        const size_t members = assembly.MemberSizes.size();
        static_assert(kAssemblyReservedFields == 2);
        out.Append(kIndent6).Line(members == 0 ? ",;" : ",,");
        for (size_t k = 0; k < members; ++k) {
            const std::string& reference =
                k < assembly.MemberReferences.size() ? assembly.MemberReferences[k] : "";
            out.Append(kIndent6)
                .Append(assembly.MemberSizes[k])
                .Append(",")
                .Append(reference)
                .Line(k + 1 < members ? "," : ";");
        }
    }
    kept.Entries("Assembly");
    out.Line("");
}

void WritePorts(CEDSLineWriter& out, CKeptLinesWriter& kept, const CEtherNetIPEDS& model) {
    if (!model.Ports.empty() || kept.HasEntries("Port"))
        kept.Section("Port");
    const std::vector<uint32_t> numbers = PortNumbers(model);
    for (size_t i = 0; i < model.Ports.size(); ++i) {
        const PortEntry* port = model.Ports[i].get();
        out.Line("\tPort" + std::to_string(numbers[i]) + "=");
        for (size_t f = 0; f < kPortFields.size(); ++f)
            out.Line("\t\t" + FieldText(*port, kPortFields[f]) +
                     (f + 1 < kPortFields.size() ? "," : ";"));
        out.Line("");
    }
    kept.Entries("Port");
    out.Line("");
}

void WriteModular(CEDSLineWriter& out, CKeptLinesWriter& kept, const ModularRecord& section) {
    if (LeftOut(kept, "Modular", {&section.Given}, !section.Racks.empty()))
        return;
    kept.Section("Modular");
    FormatFieldLines(out, section, kModularFields);
    // The identity fields and the reserved ones share a line; the legal
    // slots, the last field, have a line of their own.
    for (const RackEntry& rack : section.Racks) {
        out.Line("\tRack" + std::to_string(rack.Number) + "=").Append("\t\t");
        for (size_t f = 0; f + 1 < kRackFields.size(); ++f)
            out.Append(FieldText(rack, kRackFields[f])).Append(",");
        out.Line(std::string(kRackReservedFields, ','));
        out.Line("\t\t" + FieldText(rack, kRackFields.back()) + ";");
    }
    kept.Entries("Modular");
    out.Line("");
}

void WriteClassLines(CEDSLineWriter& out, const ObjectClassSection& section) {
    FormatFieldLines(out, section, kObjectClassFields);
}

void WriteObjectClass(CEDSLineWriter& out, CKeptLinesWriter& kept, std::string_view name,
                      const ObjectClassSection& section) {
    if (LeftOut(kept, name, {&section.Given}, false))
        return;
    kept.Section(name);
    WriteClassLines(out, section);
    kept.Entries(name);
    out.Line("");
}

void WriteDLRClass(CEDSLineWriter& out, CKeptLinesWriter& kept, const DLRClassRecord& section) {
    if (LeftOut(kept, "DLR Class", {&section.ObjectClassSection::Given, &section.Given}, false))
        return;
    kept.Section("DLR Class");
    WriteClassLines(out, section);
    // This line has always had a blank in front of its "=", and saved files
    // are compared byte for byte.
    const FieldEntry<DLRClassRecord>& ring = kDLRClassFields[0];
    if (section.Given.Has(0))
        out.Line("\t" + std::string(ring.Keyword) + " =" + FieldText(section, ring) + ";");
    kept.Entries("DLR Class");
    out.Line("");
}

void WriteEthernetLink(CEDSLineWriter& out, CKeptLinesWriter& kept,
                       const EthernetLinkClassRecord& section) {
    if (LeftOut(kept, "Ethernet Link Class", {&section.ObjectClassSection::Given, &section.Given},
                false))
        return;
    kept.Section("Ethernet Link Class");
    WriteClassLines(out, section);
    FormatFieldLines(out, section, kEthernetLinkClassFields);
    kept.Entries("Ethernet Link Class");
    out.Line("");
}

void WriteConnectionManager(CEDSLineWriter& out, CKeptLinesWriter& kept,
                            const ConnectionManagerRecord& section) {
    if (LeftOut(kept, "Connection Manager", {&section.Given}, !section.Connections.empty()))
        return;
    kept.Section("Connection Manager");
    WriteClassLines(out, section);
    out.Line("");
    for (const ConnectionEntry& connection : section.Connections) {
        out.Line("\tConnection" + std::to_string(connection.Number) + "=");
        for (size_t f = 0; f < kConnectionFields.size(); ++f)
            out.Line("\t\t" + FieldText(connection, kConnectionFields[f]) +
                     (f + 1 < kConnectionFields.size() ? "," : ";"));
        out.Line("");
    }
    kept.Entries("Connection Manager");
    out.Line("");
}

void WriteCapacity(CEDSLineWriter& out, CKeptLinesWriter& kept, const CapacityRecord& section) {
    if (LeftOut(kept, "Capacity", {&section.Given}, !section.TSpecs.empty()))
        return;
    kept.Section("Capacity");
    for (const TSpecEntry& tspec : section.TSpecs) {
        out.Append("\tTSpec" + std::to_string(tspec.Number) + "= ");
        const char* separator = "";
        for (const FieldEntry<TSpecEntry>& field : kTSpecFields) {
            out.Append(separator).Append(FieldText(tspec, field));
            separator = ", ";
        }
        out.Line(";");
    }
    FormatFieldLines(out, section, kCapacityFields);
    kept.Entries("Capacity");
    out.Line("");
}

} // namespace

std::string FormatEtherNetIPEDS(const CEtherNetIPEDS& model) {
    CEDSLineWriter out;
    CKeptLinesWriter kept(out, model.Kept);
    FormatHeaderComment(out, model.Header, "EthernetIP");
    WriteFile(out, kept, model.FileSection);
    WriteDevice(out, kept, model.DeviceSection);
    // Every model read from a file has what it gave of [File] tracked; a
    // model Corvid made has not.
    WriteClassification(out, kept, model.DeviceClassification,
                        model.FileSection.DeviceNetFileSection::Given.Read());
    FormatParamSections(out, model.Params, model.GroupNames, &kept);
    WriteAssemblies(out, kept, model.AssemblySection);
    WritePorts(out, kept, model);
    WriteModular(out, kept, model.ModularSection);
    WriteDLRClass(out, kept, model.DLRClassSection);
    WriteObjectClass(out, kept, "TCP/IP Interface Class", model.TCPIPInterfaceClass);
    WriteEthernetLink(out, kept, model.EthernetLinkClassSection);
    WriteConnectionManager(out, kept, model.ConnectionManagerSection);
    WriteCapacity(out, kept, model.CapacitySection);
    WriteObjectClass(out, kept, "QoS Class", model.QoSClass);
    WriteObjectClass(out, kept, "Identity Class", model.IdentityClass);
    WriteObjectClass(out, kept, "Message Router Class", model.MessageRouterClass);
    WriteObjectClass(out, kept, "File Class", model.FileClass);
    kept.Finish();
    return out.Take();
}

bool WriteEtherNetIPEDS(const CEtherNetIPEDS& model, const std::string& path, std::string& error) {
    return SaveFileReplacing(path, FormatEtherNetIPEDS(model), error);
}

} // namespace corvid
