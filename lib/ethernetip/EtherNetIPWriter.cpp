#include "ethernetip/EtherNetIPWriter.h"

#include "devicenet/EDSIdentitySections.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/FileIO.h"

#include <set>

namespace corvid {

namespace {

constexpr std::string_view kIndent6 = "\t      ";

void WriteFile(CEDSLineWriter& out, const EtherNetIPFileSection& file) {
    FormatFileKeywords(out, file);
    if (!file.HomeURL.empty())
        FormatKeyword(out, "HomeURL", file.HomeURL);
    out.Line("");
}

void WriteDevice(CEDSLineWriter& out, const EtherNetIPDeviceSection& device) {
    FormatDeviceKeywords(out, device);
    if (!device.Icon.empty())
        FormatKeyword(out, "Icon", device.Icon);
    out.Line("");
}

// One line per class number present, ascending, each with its values in
// list order: numbers that do not continue a run from 1 are kept too.
void WriteClassification(CEDSLineWriter& out, const std::vector<ClassEntry>& entries) {
    out.Line("[Device Classification]");
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
    out.Line("");
}

// With no member, the reserved fields end the entry, so it reads back with
// no member rather than with an empty one.
void WriteAssemblies(CEDSLineWriter& out, const AssemblyRecord& section) {
    out.Line("[Assembly]");
    FormatKeyword(out, "Revision", section.Revision);
    int position = 0;
    for (const AssemblyEntry& assembly : section.Assemblies) {
        out.Line("\tAssem" + std::to_string(++position) + "=");
        for (const std::string* field :
             {&assembly.Name, &assembly.Path, &assembly.Size, &assembly.Data})
            out.Append(kIndent6).Append(*field).Line(",");
        const size_t members = assembly.MemberSizes.size();
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
    out.Line("");
}

void WritePorts(CEDSLineWriter& out, const std::vector<std::unique_ptr<PortEntry>>& ports) {
    if (!ports.empty())
        out.Line("[Port]");
    int position = 0;
    for (const auto& port : ports) {
        out.Line("\tPort" + std::to_string(++position) + "=")
            .Line("\t\t" + port->PortType + ",")
            .Line("\t\t" + port->PortName + ",")
            .Line("\t\t" + port->PathToPortObject + ",")
            .Line("\t\t" + port->PortNumber + ";")
            .Line("");
    }
    out.Line("");
}

void WriteModular(CEDSLineWriter& out, const ModularRecord& section) {
    out.Line("[Modular]");
    FormatKeyword(out, "Width", section.Width);
    int position = 0;
    for (const RackEntry& rack : section.Racks) {
        out.Line("\tRack" + std::to_string(++position) + "=")
            .Line("\t\t" + rack.VendorID + "," + rack.ProductType + "," + rack.ProductCode + "," +
                  rack.MajorRevision + "," + rack.MinorRevision + ",,,,")
            .Line("\t\t" + rack.LegalSlots + ";");
    }
    out.Line("");
}

void WriteClassLines(CEDSLineWriter& out, const ObjectClassSection& section) {
    FormatKeyword(out, "Revision", section.Revision);
    FormatKeyword(out, "MaxInst", section.MaxInst);
    FormatKeyword(out, "Number_Of_Static_Instances", section.Number_Of_Static_Instances);
    FormatKeyword(out, "Max_Number_Of_Dynamic_Instances", section.Max_Number_Of_Dynamic_Instances);
}

void WriteObjectClass(CEDSLineWriter& out, std::string_view name,
                      const ObjectClassSection& section) {
    out.Section(name);
    WriteClassLines(out, section);
    out.Line("");
}

void WriteDLRClass(CEDSLineWriter& out, const DLRClassRecord& section) {
    out.Section("DLR Class");
    WriteClassLines(out, section);
    out.Line("\tRing_Supervisor_Capable =" + section.Ring_Supervisor_Capable + ";").Line("");
}

void WriteEthernetLink(CEDSLineWriter& out, const EthernetLinkClassRecord& section) {
    out.Section("Ethernet Link Class");
    WriteClassLines(out, section);
    FormatKeyword(out, "InterfaceLabel1", section.InterfaceLabel1);
    FormatKeyword(out, "InterfaceLabel2", section.InterfaceLabel2);
    FormatKeyword(out, "InterfaceType1", section.InterfaceType1);
    FormatKeyword(out, "InterfaceType2", section.InterfaceType2);
    out.Line("");
}

void WriteConnectionManager(CEDSLineWriter& out, const ConnectionManagerRecord& section) {
    out.Section("Connection Manager");
    WriteClassLines(out, section);
    out.Line("");
    int position = 0;
    for (const ConnectionEntry& connection : section.Connections) {
        out.Line("\tConnection" + std::to_string(++position) + "=");
        for (const std::string* field :
             {&connection.Hex1, &connection.Hex2, &connection.String1, &connection.String2,
              &connection.String3, &connection.String4, &connection.String5, &connection.String6})
            out.Line("\t\t" + *field + ",");
        out.Line("\t\t" + connection.Path + ";").Line("");
    }
    out.Line("");
}

void WriteCapacity(CEDSLineWriter& out, const CapacityRecord& section) {
    out.Section("Capacity");
    int position = 0;
    for (const TSpecEntry& tspec : section.TSpecs)
        out.Line("\tTSpec" + std::to_string(++position) + "= " + tspec.TxRx + ", " +
                 tspec.ConnSize + ", " + tspec.PacketsPerSec + ";");
    FormatKeyword(out, "MaxCIPConnections", section.MaxCIPConnections);
    FormatKeyword(out, "1_NumberOfTCPIPConnections", section.NumberOfTCPIPConnections);
    FormatKeyword(out, "1_TCPIPConnectionReuseTime", section.TCPIPConnectionReuseTime);
    FormatKeyword(out, "1_TCPIPCIPInactivityTimeout", section.TCPIPCIPInactivityTimeout);
    FormatKeyword(out, "1_TCPIPInactivityTimeout", section.TCPIPInactivityTimeout);
    out.Line("");
}

} // namespace

std::string FormatEtherNetIPEDS(const CEtherNetIPEDS& model) {
    CEDSLineWriter out;
    FormatHeaderComment(out, model.Header, "EthernetIP");
    WriteFile(out, model.FileSection);
    WriteDevice(out, model.DeviceSection);
    WriteClassification(out, model.DeviceClassification);
    FormatParamSections(out, model.Params, model.GroupNames);
    WriteAssemblies(out, model.AssemblySection);
    WritePorts(out, model.Ports);
    WriteModular(out, model.ModularSection);
    WriteDLRClass(out, model.DLRClassSection);
    WriteObjectClass(out, "TCP/IP Interface Class", model.TCPIPInterfaceClass);
    WriteEthernetLink(out, model.EthernetLinkClassSection);
    WriteConnectionManager(out, model.ConnectionManagerSection);
    WriteCapacity(out, model.CapacitySection);
    WriteObjectClass(out, "QoS Class", model.QoSClass);
    WriteObjectClass(out, "Identity Class", model.IdentityClass);
    WriteObjectClass(out, "Message Router Class", model.MessageRouterClass);
    WriteObjectClass(out, "File Class", model.FileClass);
    return out.Take();
}

bool WriteEtherNetIPEDS(const CEtherNetIPEDS& model, const std::string& path, std::string& error) {
    return SaveFileReplacing(path, FormatEtherNetIPEDS(model), error);
}

} // namespace corvid
