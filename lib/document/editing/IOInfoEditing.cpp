#include "editing/IOInfoEditing.h"

#include "EditTexts.h"
#include "IOInfoEntries.h"

#include <array>
#include <type_traits>

namespace corvid {

namespace {

constexpr uint64_t kLargest16 = 0xFFFF;

// Works for a const section too, giving a const entry. Input and Output
// are entries of their own lists, not connections.
template <typename Section>
auto ConnectionOf(Section& io, IOInsertKind kind) -> decltype(&io.PollInfo) {
    using Info = std::remove_const_t<Section>;
    static constexpr std::array<ConnectionInfo Info::*, 4> kConnections = {
        &Info::PollInfo, &Info::StrobeInfo, &Info::COSInfo, &Info::CyclicInfo};
    const auto at = static_cast<size_t>(kind) - static_cast<size_t>(IOInsertKind::PollInfo);
    return kind >= IOInsertKind::PollInfo ? &(io.*kConnections[at]) : nullptr;
}

std::string_view KindName(IOInsertKind kind) {
    static constexpr std::array<std::string_view, 6> kNames = {
        "Input", "Output", "PollInfo", "StrobeInfo", "COSInfo", "CyclicInfo"};
    return kNames[static_cast<size_t>(kind)];
}

CommitResult Warn(IUserInterface& ui, std::string_view text) {
    ui.AskMessage(std::string(text), std::string(edit_texts::kWarningCaption), MessageButtons::Ok,
                  MessageIcon::Warning);
    return {CommitStatus::Refused, "Edit:  IO_Info: " + std::string(text) + "\r\n"};
}

CommitResult InsertConnection(ConnectionInfo& info, const IOInsertRequest& request,
                              IUserInterface& ui) {
    if (info.Present != 0 &&
        !edit_texts::AskYes(ui, edit_texts::ReplaceQuestion(KindName(request.Kind)),
                            edit_texts::kWarningCaption))
        return {CommitStatus::Declined, {}};
    info.Present = 1;
    info.TypeMask = request.TypeMask & 0x0F;
    info.DefaultInput = request.DefaultInput.value_or(0);
    info.DefaultOutput = request.DefaultOutput.value_or(0);
    return {CommitStatus::Stored, {}};
}

CommitResult InsertEntry(std::vector<IOEntry>& list, const IOInsertRequest& request,
                         IUserInterface& ui) {
    if (request.Index < 1 || request.Index > kLargest16)
        return Warn(ui, edit_texts::kIndexRange);
    if (request.Size > kLargest16 || request.SigBits > kLargest16 || request.PathSize > kLargest16)
        return Warn(ui, "Size, Bit and Path Size are from 0 to 65535.");
    const auto number = static_cast<uint32_t>(request.Index);
    if (FindIOEntry(list, number).relation == FindRelation::Found &&
        !edit_texts::AskYes(ui,
                            edit_texts::ReplaceQuestion(std::string(KindName(request.Kind)) +
                                                        std::to_string(number)),
                            edit_texts::kWarningCaption))
        return {CommitStatus::Declined, {}};
    IOEntry entry;
    entry.Number = number;
    entry.Size = static_cast<uint16_t>(request.Size);
    entry.SigBits = static_cast<uint16_t>(request.SigBits);
    entry.TypeMask = request.TypeMask & 0x0F;
    entry.Name = QuotedEDSText(request.Name);
    entry.PathSize = static_cast<uint16_t>(request.PathSize);
    entry.Path = QuotedEDSText(request.Path);
    entry.Help = QuotedEDSText(request.Help);
    InsertOrdered(list, std::move(entry));
    return {CommitStatus::Stored, {}};
}

} // namespace

std::optional<IOInsertRequest> IOInsertSource(const CDeviceNetEDS& model, std::string_view rowKey) {
    const std::optional<io_entries::IORow> row = io_entries::ParseIORowKey(rowKey);
    if (!row)
        return std::nullopt;
    const DeviceNetIOInfoSection& io = model.IOInfoSection;
    IOInsertRequest request;
    request.Kind = row->Kind;
    if (const ConnectionInfo* info = ConnectionOf(io, row->Kind)) {
        request.TypeMask = info->TypeMask & 0x0F;
        request.DefaultInput = info->DefaultInput;
        request.DefaultOutput = info->DefaultOutput;
        return request;
    }
    request.Index = row->Number;
    const std::vector<IOEntry>& list = row->Kind == IOInsertKind::Input ? io.Inputs : io.Outputs;
    const FindResult where = FindIOEntry(list, row->Number);
    if (where.relation != FindRelation::Found)
        return request;
    const IOEntry& entry = list[*where.position];
    request.Size = entry.Size;
    request.SigBits = entry.SigBits;
    request.TypeMask = entry.TypeMask & 0x0F;
    request.Name = entry.Name;
    request.PathSize = entry.PathSize;
    request.Path = entry.Path;
    request.Help = entry.Help;
    return request;
}

CommitResult InsertIOInfo(CDeviceNetEDS& model, const IOInsertRequest& request,
                          IUserInterface& ui) {
    DeviceNetIOInfoSection& io = model.IOInfoSection;
    if (ConnectionInfo* info = ConnectionOf(io, request.Kind))
        return InsertConnection(*info, request, ui);
    return InsertEntry(request.Kind == IOInsertKind::Input ? io.Inputs : io.Outputs, request, ui);
}

} // namespace corvid
