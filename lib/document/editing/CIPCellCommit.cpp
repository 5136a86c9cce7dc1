#include "CellRules.h"
#include "EtherNetIPEntries.h"
#include "FieldCommit.h"
#include "IOInfoEntries.h"
#include "ParamCells.h"
#include "devicenet/DeviceNetFields.h"
#include "editing/ParamEditing.h"
#include "ethernetip/EtherNetIPFields.h"

namespace corvid {

using namespace cells;

CommitResult CommitCell(CDeviceNetEDS& model, const CellEdit& edit) {
    if (edit.Section == "File")
        return CommitFields(model.FileSection, edit, kFileFields);
    if (edit.Section == "Device")
        return CommitFields(model.DeviceSection, edit, kDeviceFields);
    if (edit.Section == "IO_Info")
        return io_entries::CommitIOInfo(model.IOInfoSection, edit);
    if (IsParamPage(edit.Section))
        return CommitParamPage(model.Params, model.GroupNames, edit);
    return NotEditable(edit);
}

CommitResult CommitCell(CEtherNetIPEDS& model, const CellEdit& edit) {
    if (edit.Section == "File")
        return CommitFields(model.FileSection, edit, kFileFields, kEtherNetIPFileFields);
    if (edit.Section == "Device")
        return CommitFields(model.DeviceSection, edit, kDeviceFields, kEtherNetIPDeviceFields);
    if (entries::IsEntryPage(edit.Section))
        return entries::CommitEntryPage(model, edit);
    if (IsParamPage(edit.Section))
        return CommitParamPage(model.Params, model.GroupNames, edit);
    if (ObjectClassSection* section = FindPlainClass(model, edit.Section))
        return CommitFields(*section, edit, kObjectClassFields);
    if (edit.Section == "DLR Class")
        return CommitFields(model.DLRClassSection, edit, kObjectClassFields, kDLRClassFields);
    if (edit.Section == "Ethernet Link Class")
        return CommitFields(model.EthernetLinkClassSection, edit, kObjectClassFields,
                            kEthernetLinkClassFields);
    return NotEditable(edit);
}

// Delete on the Params page removes the parameter the row shows, however
// many there are.
template <typename Model>
CommitResult DeleteParamRow(Model& model, std::string_view rowKey, IUserInterface& ui) {
    const std::optional<size_t> position = ParamPosition(model.Params, rowKey);
    if (!position)
        return NotDeletable("Params", rowKey);
    return DeleteParam(model, *position, ui);
}

CommitResult DeleteRow(CDeviceNetEDS& model, std::string_view section, std::string_view rowKey,
                       IUserInterface& ui) {
    if (section == "Params")
        return DeleteParamRow(model, rowKey, ui);
    if (section == "IO_Info")
        return io_entries::DeleteIOInfo(model.IOInfoSection, rowKey, ui);
    return NotDeletable(section, rowKey);
}

CommitResult DeleteRow(CEtherNetIPEDS& model, std::string_view section, std::string_view rowKey,
                       IUserInterface& ui) {
    if (section == "Params")
        return DeleteParamRow(model, rowKey, ui);
    if (entries::IsEntryPage(section))
        return entries::DeleteEntry(model, section, rowKey, ui);
    return NotDeletable(section, rowKey);
}

} // namespace corvid
