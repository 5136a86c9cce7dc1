#include "CellRules.h"
#include "EtherNetIPEntries.h"
#include "IOInfoEntries.h"
#include "ParamCells.h"
#include "shell/ParamEditing.h"

namespace corvid {

namespace {

using namespace cells;

CommitResult CommitFile(DeviceNetFileSection& file, std::string* homeURL, const CellEdit& edit) {
    if (homeURL && edit.RowKey == "HomeURL")
        return CommitKeyword(edit, {{"HomeURL", [&] { return StoreQuoted(*homeURL, edit); }}});
    return CommitKeyword(edit,
                         {{"DescText", [&] { return StoreQuoted(file.DescText, edit); }},
                          {"CreateDate", [&] { return StoreEntryText(file.CreateDate, edit); }},
                          {"CreateTime", [&] { return StoreEntryText(file.CreateTime, edit); }},
                          {"ModDate", [&] { return StoreEntryText(file.ModDate, edit); }},
                          {"ModTime", [&] { return StoreEntryText(file.ModTime, edit); }},
                          {"Revision", [&] { return StoreEntryText(file.Revision, edit); }}});
}

CommitResult CommitDevice(DeviceNetDeviceSection& device, std::string* icon, const CellEdit& edit) {
    if (icon && edit.RowKey == "Icon")
        return CommitKeyword(edit, {{"Icon", [&] { return StoreQuoted(*icon, edit); }}});
    return CommitKeyword(edit,
                         {{"VendCode", [&] { return StoreNumber(device.VendCode, edit); }},
                          {"VendName", [&] { return StoreQuoted(device.VendName, edit); }},
                          {"ProdType", [&] { return StoreNumber(device.ProdType, edit); }},
                          {"ProdTypeStr", [&] { return StoreQuoted(device.ProdTypeStr, edit); }},
                          {"ProdCode", [&] { return StoreNumber(device.ProdCode, edit); }},
                          {"MajRev", [&] { return StoreNumber(device.MajRev, edit); }},
                          {"MinRev", [&] { return StoreNumber(device.MinRev, edit); }},
                          {"ProdName", [&] { return StoreQuoted(device.ProdName, edit); }},
                          {"Catalog", [&] { return StoreQuoted(device.Catalog, edit); }}});
}

// The four keywords of every object class section, and what some classes
// add.
CommitResult CommitClass(ObjectClassSection& section, const CellEdit& edit,
                         std::initializer_list<KeywordRule> more = {}) {
    for (const auto& [keyword, store] : more)
        if (keyword == edit.RowKey)
            return CommitKeyword(edit, {{keyword, store}});
    return CommitKeyword(
        edit, {{"Revision", [&] { return StoreEntryText(section.Revision, edit); }},
               {"MaxInst", [&] { return StoreEntryText(section.MaxInst, edit); }},
               {"Number_Of_Static_Instances",
                [&] { return StoreEntryText(section.Number_Of_Static_Instances, edit); }},
               {"Max_Number_Of_Dynamic_Instances",
                [&] { return StoreEntryText(section.Max_Number_Of_Dynamic_Instances, edit); }}});
}

ObjectClassSection* PlainClassSection(CEtherNetIPEDS& model, std::string_view section) {
    if (section == "QoS Class")
        return &model.QoSClass;
    if (section == "TCP/IP Interface Class")
        return &model.TCPIPInterfaceClass;
    if (section == "Identity Class")
        return &model.IdentityClass;
    if (section == "File Class")
        return &model.FileClass;
    if (section == "Message Router Class")
        return &model.MessageRouterClass;
    return nullptr;
}

} // namespace

CommitResult CommitCell(CDeviceNetEDS& model, const CellEdit& edit) {
    if (edit.Section == "File")
        return CommitFile(model.FileSection, nullptr, edit);
    if (edit.Section == "Device")
        return CommitDevice(model.DeviceSection, nullptr, edit);
    if (edit.Section == "IO_Info")
        return io_entries::CommitIOInfo(model.IOInfoSection, edit);
    if (IsParamPage(edit.Section))
        return CommitParamPage(model.Params, model.GroupNames, edit);
    return NotEditable(edit);
}

CommitResult CommitCell(CEtherNetIPEDS& model, const CellEdit& edit) {
    if (edit.Section == "File")
        return CommitFile(model.FileSection, &model.FileSection.HomeURL, edit);
    if (edit.Section == "Device")
        return CommitDevice(model.DeviceSection, &model.DeviceSection.Icon, edit);
    if (entries::IsEntryPage(edit.Section))
        return entries::CommitEntryPage(model, edit);
    if (IsParamPage(edit.Section))
        return CommitParamPage(model.Params, model.GroupNames, edit);
    if (ObjectClassSection* section = PlainClassSection(model, edit.Section))
        return CommitClass(*section, edit);
    if (edit.Section == "DLR Class") {
        DLRClassRecord& dlr = model.DLRClassSection;
        return CommitClass(dlr, edit,
                           {{"Ring_Supervisor_Capable",
                             [&] { return StoreEntryText(dlr.Ring_Supervisor_Capable, edit); }}});
    }
    if (edit.Section == "Ethernet Link Class") {
        EthernetLinkClassRecord& link = model.EthernetLinkClassSection;
        return CommitClass(
            link, edit,
            {{"InterfaceLabel1", [&] { return StoreQuoted(link.InterfaceLabel1, edit); }},
             {"InterfaceLabel2", [&] { return StoreQuoted(link.InterfaceLabel2, edit); }},
             {"InterfaceType1", [&] { return StoreEntryText(link.InterfaceType1, edit); }},
             {"InterfaceType2", [&] { return StoreEntryText(link.InterfaceType2, edit); }}});
    }
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
