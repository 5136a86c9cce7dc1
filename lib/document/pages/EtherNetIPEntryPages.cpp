#include "EtherNetIPEntryPages.h"

#include "FieldRows.h"
#include "ethernetip/EtherNetIPFields.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>

namespace corvid::pages {

namespace {

struct FieldRow {
    std::string Value;
    std::string Comment;
    bool Editable = true;
};

PageCell ValueCell(const FieldRow& field) {
    return field.Editable ? TextCell(field.Value) : ReadOnlyCell(field.Value);
}

// One entry: a closed head row shows " " and the closed comment; an open one
// shows the first field itself and the others below it.
void AddEntryRows(PageBuilder& page, std::string key, std::string closedComment,
                  const std::function<std::vector<FieldRow>()>& fields) {
    if (!page.IsOpen(key)) {
        page.AddHead(std::move(key), {ReadOnlyCell(" "), ReadOnlyCell(std::move(closedComment))});
        return;
    }
    const std::vector<FieldRow> rows = fields();
    page.AddHead(std::move(key), {ValueCell(rows.front()), ReadOnlyCell(rows.front().Comment)});
    for (size_t i = 1; i < rows.size(); ++i)
        page.AddField(" ", {}, {ValueCell(rows[i]), ReadOnlyCell(rows[i].Comment)});
}

// One row per field of `table`, each comment naming its field.
template <typename Entry, size_t N>
std::vector<FieldRow> TableRows(const Entry& entry, const FieldTable<Entry, N>& table) {
    std::vector<FieldRow> rows;
    for (const FieldEntry<Entry>& field : table)
        rows.push_back({FieldText(entry, field), "$ " + std::string(PageName(field))});
    return rows;
}

template <typename Entry, typename Fields>
void AddEntryList(PageBuilder& page, const char* prefix, const std::vector<Entry>& entries,
                  const char* closedComment, Fields fields) {
    // Entries are named by the number their key gave them, as the writer
    // names them, because other entries refer to them by it.
    for (const Entry& entry : entries)
        AddEntryRows(page, prefix + std::to_string(entry.Number), closedComment,
                     [&] { return fields(entry); });
}

std::vector<FieldRow> AssemblyFields(const AssemblyEntry& assembly) {
    std::vector<FieldRow> rows = TableRows(assembly, kAssemblyEntryFields);
    // A member whose size or reference is missing still shows what it has.
    const size_t members = std::max(assembly.MemberSizes.size(), assembly.MemberReferences.size());
    for (size_t k = 0; k < members; ++k) {
        const std::string size = k < assembly.MemberSizes.size() ? assembly.MemberSizes[k] : "";
        const std::string reference =
            k < assembly.MemberReferences.size() ? assembly.MemberReferences[k] : "";
        rows.push_back({size + "," + reference, "$Size,$Reference"});
    }
    return rows;
}

std::vector<FieldRow> RackFields(const RackEntry& rack) {
    return TableRows(rack, kRackFields);
}

std::vector<FieldRow> ConnectionFields(const ConnectionEntry& connection) {
    return TableRows(connection, kConnectionFields);
}

// Each TSpec row's comment repeats its value and names its unit.
constexpr std::array<std::string_view, kTSpecFields.size()> kTSpecUnits = {" ", " bytes",
                                                                           " Packets per sec"};

std::vector<FieldRow> TSpecFields(const TSpecEntry& tspec) {
    std::vector<FieldRow> rows;
    for (size_t i = 0; i < kTSpecFields.size(); ++i) {
        std::string value = FieldText(tspec, kTSpecFields[i]);
        std::string comment = "$ " + value + std::string(kTSpecUnits[i]);
        rows.push_back({std::move(value), std::move(comment)});
    }
    return rows;
}

// The comments of the [Capacity] keywords, in table order.
constexpr std::array<std::string_view, kCapacityFields.size()> kCapacityComments = {
    "$ Max CIP cnx - all classes",
    "$ Total number of TCP/IP connections supported by CIP router device",
    "$ MSEC TCP/IP connection not avail after TCP/IP attempt to an IP address not present",
    "$ MSEC TCP/IP connection not avail after TCP/IP attempt to a non-EtherNet/IP",
    "$ MSEC TCP/IP connection remains open with no activity.",
};
constexpr std::array<std::string_view, 1> kModularComments = {"$ Width"};

} // namespace

Page DeviceClassificationPage(const std::vector<ClassEntry>& entries, PageBuilder page) {
    page.AddKeywordColumns(true);
    // Values of one class may stand apart in the list; a class shows all of
    // them, in list order, under one head row.
    std::map<int32_t, std::vector<const ClassEntry*>> classes;
    for (const ClassEntry& entry : entries)
        classes[entry.Number].push_back(&entry);
    for (const auto& entry : classes) {
        const std::vector<const ClassEntry*>& values = entry.second;
        AddEntryRows(page, "Class" + std::to_string(entry.first), "$ Field Value", [&values] {
            // The open head row holds no value of its own.
            std::vector<FieldRow> rows{{"", "", false}};
            for (const ClassEntry* value : values)
                rows.push_back({value->Value, ""});
            return rows;
        });
    }
    return page.Take();
}

Page AssemblyPage(const AssemblyRecord& section, PageBuilder page) {
    page.AddKeywordColumns(true);
    AddEntryList(page, "Assem", section.Assemblies, "", AssemblyFields);
    AddFieldRows(page, section, kAssemblyFields, {});
    return page.Take();
}

Page ModularPage(const ModularRecord& section, PageBuilder page) {
    page.AddKeywordColumns(true);
    AddFieldRows(page, section, kModularFields, kModularComments);
    AddEntryList(page, "Rack", section.Racks, "", RackFields);
    return page.Take();
}

Page ConnectionManagerPage(const ConnectionManagerRecord& section, PageBuilder page) {
    page.AddKeywordColumns(true);
    AddFieldRows(page, section, kObjectClassFields, {});
    AddEntryList(page, "Connection", section.Connections, "", ConnectionFields);
    return page.Take();
}

Page CapacityPage(const CapacityRecord& section, PageBuilder page) {
    page.AddKeywordColumns(true);
    AddEntryList(page, "TSpec", section.TSpecs, "$ Packets per sec byte", TSpecFields);
    AddFieldRows(page, section, kCapacityFields, kCapacityComments);
    return page.Take();
}

} // namespace corvid::pages
