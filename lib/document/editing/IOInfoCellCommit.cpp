#include "CellRules.h"
#include "EditTexts.h"
#include "FieldCommit.h"
#include "IOInfoEntries.h"

#include "devicenet/DeviceNetFields.h"
#include "dictionaries/EDSTextHelper.h"

#include <algorithm>

namespace corvid::io_entries {

namespace {

using namespace cells;

// The connection kinds stand in the order of the connection entries.
static_assert(static_cast<size_t>(IOInsertKind::CyclicInfo) -
                      static_cast<size_t>(IOInsertKind::PollInfo) + 1 ==
                  kConnectionInfoEntries.size(),
              "one insert kind per connection entry");

IOInsertKind KindOf(const ConnectionInfoEntry& connection) {
    const auto place = static_cast<size_t>(&connection - kConnectionInfoEntries.data());
    return static_cast<IOInsertKind>(static_cast<size_t>(IOInsertKind::PollInfo) + place);
}

// The popup sets the four connection bits; bits 4 to 15 are kept as read.
CommitResult StoreTypeMaskBits(uint16_t& mask, const CellEdit& edit) {
    const std::optional<uint32_t> bits = ParseCellNumber(Trimmed(edit), 0x0F);
    if (!bits)
        return Refused(edit, "not connection bits 0 to 3 (0 to 0x0F)");
    mask = static_cast<uint16_t>((mask & ~0x0Fu) | *bits);
    return Stored();
}

ConnectionInfo* PresentConnection(DeviceNetIOInfoSection& io, IOInsertKind kind) {
    for (const ConnectionInfoEntry& connection : kConnectionInfoEntries)
        if (KindOf(connection) == kind && (io.*connection.Member).Present != 0)
            return &(io.*connection.Member);
    return nullptr;
}

bool IsEntry(const IORow& row) {
    return row.Kind == IOInsertKind::Input || row.Kind == IOInsertKind::Output;
}

std::vector<IOEntry>& ListOf(DeviceNetIOInfoSection& io, IOInsertKind kind) {
    return kind == IOInsertKind::Input ? io.Inputs : io.Outputs;
}

IOEntry* EntryOf(DeviceNetIOInfoSection& io, const IORow& row) {
    std::vector<IOEntry>& list = ListOf(io, row.Kind);
    const FindResult where = FindIOEntry(list, row.Number);
    return where.relation == FindRelation::Found ? &list[*where.position] : nullptr;
}

// The row `distance` below an entry's head is its field `distance`; the
// connection bits go through their popup's rule.
template <typename Record, size_t N>
CommitResult CommitEntryFieldRow(Record& record, const FieldTable<Record, N>& table,
                                 size_t distance, const CellEdit& edit) {
    if (distance == 0 || distance > N)
        return NotEditable(edit);
    const FieldEntry<Record>& item = table[distance - 1];
    if (item.Traits.Editor == FieldEditor::Popup)
        return StoreTypeMaskBits(record.*std::get<uint16_t Record::*>(item.Member), edit);
    return StoreField(record, item, edit);
}

// The connection entries whose default names the input or output.
std::vector<std::string> DefaultsNaming(const DeviceNetIOInfoSection& io, const IORow& row) {
    std::vector<std::string> names;
    for (const ConnectionInfoEntry& connection : kConnectionInfoEntries) {
        const ConnectionInfo& info = io.*connection.Member;
        const uint16_t named =
            row.Kind == IOInsertKind::Input ? info.DefaultInput : info.DefaultOutput;
        if (info.Present != 0 && named == row.Number)
            names.emplace_back(connection.Keyword);
    }
    return names;
}

} // namespace

std::optional<IORow> ParseIORowKey(std::string_view key) {
    for (const ConnectionInfoEntry& connection : kConnectionInfoEntries)
        if (key == connection.Keyword)
            return IORow{KindOf(connection), 0};
    for (const auto& [prefix, kind] :
         {std::pair{std::string_view("Input"), IOInsertKind::Input},
          std::pair{std::string_view("Output"), IOInsertKind::Output}}) {
        const std::string_view digits = key.starts_with(prefix) ? key.substr(prefix.size()) : "";
        if (!IsDecimal(digits))
            continue;
        const std::optional<uint32_t> number = ParseCellNumber(digits, 0xFFFFFFFFu);
        if (number)
            return IORow{kind, *number};
    }
    return std::nullopt;
}

// A Default the file left out is written once given.
CommitResult CommitDefault(DeviceNetIOInfoSection& io, const CellEdit& edit) {
    const FieldEntry<DeviceNetIOInfoSection>& item = kIOInfoFields[0];
    if (edit.RowKey != item.Keyword)
        return NotEditable(edit);
    CommitResult result = StoreTypeMaskBits(io.Default, edit);
    if (result.Status == CommitStatus::Stored)
        MarkGiven(io, kIOInfoFields, item);
    return result;
}

CommitResult CommitIOInfo(DeviceNetIOInfoSection& io, const CellEdit& edit) {
    if (edit.Column != 1)
        return NotEditable(edit);
    if (!edit.Distance)
        return CommitDefault(io, edit);
    const std::optional<IORow> row = ParseIORowKey(edit.RowKey);
    if (!row)
        return NotEditable(edit);
    if (ConnectionInfo* info = PresentConnection(io, row->Kind))
        return CommitEntryFieldRow(*info, kConnectionInfoFields, *edit.Distance, edit);
    if (IOEntry* entry = IsEntry(*row) ? EntryOf(io, *row) : nullptr)
        return CommitEntryFieldRow(*entry, kIOEntryFields, *edit.Distance, edit);
    return NotEditable(edit);
}

CommitResult DeleteIOInfo(DeviceNetIOInfoSection& io, std::string_view rowKey, IUserInterface& ui) {
    const std::optional<IORow> row = ParseIORowKey(rowKey);
    ConnectionInfo* info = row ? PresentConnection(io, row->Kind) : nullptr;
    const bool entry = row && IsEntry(*row) && EntryOf(io, *row);
    if (!info && !entry)
        return NotDeletable("IO_Info", rowKey);
    const std::string_view name = entry ? std::string_view(EntryOf(io, *row)->Name) : "";
    if (!edit_texts::AskDelete(ui, rowKey, name,
                               info ? std::vector<std::string>{} : DefaultsNaming(io, *row)))
        return {CommitStatus::Declined, {}};
    if (info) {
        *info = ConnectionInfo{};
        return Stored();
    }
    std::vector<IOEntry>& list = ListOf(io, row->Kind);
    list.erase(list.begin() +
               static_cast<std::ptrdiff_t>(*FindIOEntry(list, row->Number).position));
    return Stored();
}

} // namespace corvid::io_entries
