#include "CIPEditCommands.h"

#include "shell/EtherNetIPEntryEditing.h"
#include "shell/ParamEditing.h"

namespace corvid::app {

namespace {

// Runs `use` on the shown DeviceNet or EtherNet/IP model.
template <typename Use> decltype(auto) OnModel(CEDSDoc& doc, EDSFileRef file, Use&& use) {
    if (file.kind == EDSKind::DeviceNet)
        return use(*doc.Files<CDeviceNetEDS>()[file.position]);
    return use(*doc.Files<CEtherNetIPEDS>()[file.position]);
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

CommitResult DeleteCIP(CEDSDoc& doc, const CIPSelection& s, IUserInterface& ui) {
    return OnModel(doc, s.file,
                   [&](auto& model) { return DeleteRow(model, s.section, s.key, ui); });
}

CommitResult InsertCIP(CEDSDoc& doc, const CIPSelection& s) {
    // The selected row addressed as a commit addresses it: an assembly's
    // member row adds a member, a class value row a value.
    CellEdit at(s.section, {}, 0, {});
    if (s.page != nullptr && s.row)
        at = EditOfCell(*s.page, *s.row, 0, {});
    return InsertEntry(*doc.Files<CEtherNetIPEDS>()[s.file.position], s.section, at.RowKey,
                       at.Distance);
}

const CEDSParamList& ParamsOf(CEDSDoc& doc, EDSFileRef file) {
    return OnModel(doc, file, [](auto& model) -> const CEDSParamList& { return model.Params; });
}

const std::vector<std::string>& GroupNamesOf(CEDSDoc& doc, EDSFileRef file) {
    return OnModel(doc, file,
                   [](auto& model) -> const std::vector<std::string>& { return model.GroupNames; });
}

std::string ParamKeyAt(CEDSDoc& doc, EDSFileRef file, size_t position) {
    return "Param" + std::to_string(ParamNumbers(ParamsOf(doc, file))[position]);
}

std::optional<CEDSParam>& ParamSlot(CViewClipboard& clipboard, EDSKind kind) {
    return kind == EDSKind::DeviceNet ? clipboard.deviceNetParam : clipboard.etherNetIPParam;
}

std::optional<CEDSParam> CutCIPParam(CEDSDoc& doc, EDSFileRef file, size_t position,
                                     IUserInterface& ui) {
    return OnModel(doc, file, [&](auto& model) { return CutParam(model, position, ui); });
}

CommitResult InsertCIPParam(CEDSDoc& doc, EDSFileRef file, CEDSParam param,
                            std::optional<size_t> selected, InsertPlace place, IUserInterface& ui,
                            size_t* position) {
    return OnModel(doc, file, [&](auto& model) {
        return InsertParam(model, std::move(param), selected, place, ui, position);
    });
}

std::string PasteCIPParam(CEDSDoc& doc, EDSFileRef file, const CEDSParam& copied,
                          std::optional<size_t> selected) {
    const size_t position =
        OnModel(doc, file, [&](auto& model) { return PasteParam(model, copied, selected); });
    return ParamKeyAt(doc, file, position);
}

} // namespace corvid::app
