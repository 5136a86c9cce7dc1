#include "pages/PageRows.h"

#include "EtherNetIPEntryPages.h"
#include "FieldRows.h"
#include "KeptGroups.h"
#include "SharedPages.h"
#include "devicenet/DeviceNetFields.h"
#include "ethernetip/EtherNetIPFields.h"
#include "pages/KeptContent.h"
#include "pages/ProjectTree.h"

namespace corvid {

namespace {

using pages::PageBuilder;
using pages::TextCell;

Page FilePage(const EtherNetIPFileSection& file, PageBuilder page) {
    page.AddKeywordColumns(false);
    pages::AddFieldRows(page, file, kFileFields);
    pages::AddFieldRows(page, file, kEtherNetIPFileFields);
    return page.Take();
}

Page DevicePage(const EtherNetIPDeviceSection& device, PageBuilder page) {
    page.AddKeywordColumns(false);
    pages::AddFieldRows(page, device, kDeviceFields);
    pages::AddFieldRows(page, device, kEtherNetIPDeviceFields);
    return page.Take();
}

// The object class pages: the four class keywords, and the few a class adds.
Page ClassPage(const CEtherNetIPEDS& model, std::string_view section, PageBuilder page) {
    page.AddKeywordColumns(false);
    if (section == "DLR Class") {
        pages::AddFieldRows(page, model.DLRClassSection, kObjectClassFields);
        pages::AddFieldRows(page, model.DLRClassSection, kDLRClassFields);
    } else if (section == "Ethernet Link Class") {
        pages::AddFieldRows(page, model.EthernetLinkClassSection, kObjectClassFields);
        pages::AddFieldRows(page, model.EthernetLinkClassSection, kEthernetLinkClassFields);
    } else if (const ObjectClassSection* plain = FindPlainClass(model, section)) {
        pages::AddFieldRows(page, *plain, kObjectClassFields);
    } else {
        return {};
    }
    return page.Take();
}

Page PortPage(const CEtherNetIPEDS& model, PageBuilder page) {
    constexpr std::array<int, kPortFields.size()> kWidths = {120, 160, 160, 100};
    page.AddColumn("Port", 70);
    for (size_t f = 0; f < kPortFields.size(); ++f)
        page.AddColumn(std::string(kPortFields[f].Keyword), kWidths[f]);
    const std::vector<uint32_t> numbers = PortNumbers(model);
    for (size_t i = 0; i < model.Ports.size(); ++i) {
        std::vector<PageCell> cells;
        for (const FieldEntry<PortEntry>& field : kPortFields)
            cells.push_back(TextCell(FieldText(*model.Ports[i], field)));
        page.AddEntry("Port" + std::to_string(numbers[i]), std::move(cells));
    }
    return page.Take();
}

} // namespace

Page BuildPage(const CEtherNetIPEDS& model, std::string_view section, const PageState& state) {
    if (section == kFileSummarySection)
        return BuildFileSummaryPage(model.Header, EDSKind::EtherNetIP);
    if (section == kKeptSection)
        return pages::KeptPage(
            pages::KeptGroups(model.Kept),
            PageBuilder(EDSKind::EtherNetIP, section, PageLayout::Keywords, state));
    PageBuilder page(EDSKind::EtherNetIP, section, PageLayout::Keywords, state);
    if (section == "File")
        return FilePage(model.FileSection, std::move(page));
    if (section == "Device")
        return DevicePage(model.DeviceSection, std::move(page));
    if (section == "Device Classification")
        return pages::DeviceClassificationPage(model.DeviceClassification, std::move(page));
    if (section == "Assembly")
        return pages::AssemblyPage(model.AssemblySection, std::move(page));
    if (section == "Modular")
        return pages::ModularPage(model.ModularSection, std::move(page));
    if (section == "Connection Manager")
        return pages::ConnectionManagerPage(model.ConnectionManagerSection, std::move(page));
    if (section == "Capacity")
        return pages::CapacityPage(model.CapacitySection, std::move(page));
    PageBuilder table(EDSKind::EtherNetIP, section, PageLayout::Table, state);
    if (section == "Params")
        return pages::ParamsPage(model.Params, std::move(table));
    if (section == "EnumPar")
        return pages::EnumParPage(model.Params, std::move(table));
    if (section == "Groups")
        return pages::GroupsPage(model.Params, model.GroupNames, std::move(table));
    if (section == "Port")
        return PortPage(model, std::move(table));
    return ClassPage(model, section, std::move(page));
}

} // namespace corvid
