#include "CIPEditCommands.h"

#include "editing/EtherNetIPEntryEditing.h"
#include "editing/ParamEditing.h"

namespace corvid::app {

namespace {

// Runs `use` on the shown DeviceNet or EtherNet/IP model, to read it.
template <typename Use> decltype(auto) OnModel(const CEDSDoc& doc, EDSFileRef file, Use&& use) {
    if (file.kind == EDSKind::DeviceNet)
        return use(std::as_const(*doc.Files<CDeviceNetEDS>()[file.position]));
    return use(std::as_const(*doc.Files<CEtherNetIPEDS>()[file.position]));
}

EDSCommitted CommitTo(CEDSDoc& doc, EDSFileRef file, EDSChange change) {
    const std::optional<EDSFileId> id = doc.IdAt(file);
    return id ? doc.Commit(*id, std::move(change)) : EDSCommitted{};
}

} // namespace

bool IsCIP(EDSKind kind) {
    return kind == EDSKind::DeviceNet || kind == EDSKind::EtherNetIP;
}

bool CanDeleteCIP(const CIPSelection& s) {
    if (!IsCIP(s.file.kind) || s.key.empty())
        return false;
    if (s.section == "Params")
        return true;
    return s.file.kind == EDSKind::DeviceNet ? s.section == "IO_Info"
                                             : IsEtherNetIPEntryPage(s.section);
}

bool CanInsertCIP(const CIPSelection& s) {
    return IsParamsPage(s) || IsIOInfoPage(s) ||
           (s.file.kind == EDSKind::EtherNetIP && IsEtherNetIPEntryPage(s.section));
}

bool IsParamsPage(const CIPSelection& s) {
    return IsCIP(s.file.kind) && s.section == "Params";
}

bool IsIOInfoPage(const CIPSelection& s) {
    return s.file.kind == EDSKind::DeviceNet && s.section == "IO_Info";
}

EDSCommitted DeleteCIP(CEDSDoc& doc, const CIPSelection& s) {
    return CommitTo(doc, s.file, DeleteChange{s.section, s.key});
}

EDSCommitted InsertCIP(CEDSDoc& doc, const CIPSelection& s) {
    // The selected row addressed as a commit addresses it: an assembly's
    // member row adds a member, a class value row a value.
    CellEdit at(s.section, {}, 0, {});
    if (s.page != nullptr && s.row)
        at = EditOfCell(*s.page, *s.row, 0, {});
    return CommitTo(doc, s.file, EntryInsertChange{s.section, std::string(at.RowKey), at.Distance});
}

const CEDSParamList& ParamsOf(const CEDSDoc& doc, EDSFileRef file) {
    return OnModel(doc, file,
                   [](const auto& model) -> const CEDSParamList& { return model.Params; });
}

const std::vector<std::string>& GroupNamesOf(const CEDSDoc& doc, EDSFileRef file) {
    return OnModel(doc, file, [](const auto& model) -> const std::vector<std::string>& {
        return model.GroupNames;
    });
}

std::string ParamKeyAt(const CEDSDoc& doc, EDSFileRef file, size_t position) {
    return "Param" + std::to_string(ParamNumbers(ParamsOf(doc, file))[position]);
}

std::optional<CEDSParam>& ParamSlot(CViewClipboard& clipboard, EDSKind kind) {
    return kind == EDSKind::DeviceNet ? clipboard.deviceNetParam : clipboard.etherNetIPParam;
}

std::optional<CEDSParam> CutCIPParam(CEDSDoc& doc, EDSFileRef file, size_t position) {
    return CommitTo(doc, file, CutParamChange{position}).CutParam;
}

CommitResult InsertCIPParam(CEDSDoc& doc, EDSFileRef file, CEDSParam param,
                            std::optional<size_t> selected, InsertPlace place, size_t* position) {
    EDSCommitted committed =
        CommitTo(doc, file, InsertParamChange{std::move(param), selected, place});
    if (committed.PlacedParam && position != nullptr)
        *position = *committed.PlacedParam;
    return {committed.Status, std::move(committed.Message)};
}

std::string PasteCIPParam(CEDSDoc& doc, EDSFileRef file, const CEDSParam& copied,
                          std::optional<size_t> selected) {
    const EDSCommitted committed = CommitTo(doc, file, PasteParamChange{copied, selected});
    return committed.PlacedParam ? ParamKeyAt(doc, file, *committed.PlacedParam) : std::string();
}

} // namespace corvid::app
