#include "shell/PageRows.h"

#include "KeptGroups.h"
#include "PageBuilder.h"
#include "TypeNameCache.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ModuleFolder.h"
#include "dictionaries/TypeDictionaries.h"
#include "shell/KeptContent.h"
#include "shell/ProjectTree.h"

namespace corvid {

namespace {

using pages::PageBuilder;
using pages::ReadOnlyCell;
using pages::TextCell;

// The drop-down lists of the object tables are wide because type names are.
constexpr int kObjectListWidth = 300;
constexpr int kMappableListWidth = 90;

PageCell ByteNumberCell(PageBuilder& page, uint8_t value) {
    return page.DropDownCell(
        std::to_string(value), "0-255", [] { return pages::DecimalItems(0, 255); },
        pages::kNumberListWidth);
}

PageCell HexByteCell(PageBuilder& page, uint8_t value, int last) {
    return page.DropDownCell(
        FormatHex8(value), "0x00-" + FormatHex8(uint32_t(last)),
        [last] { return pages::HexByteItems(0, last); }, pages::kNumberListWidth);
}

PageCell FlagCell(PageBuilder& page, bool value) {
    return page.DropDownCell(FormatFlag(value), "flag", pages::FlagItems, pages::kFlagListWidth);
}

Page FileInfoPage(const CANopenFileInfo& info, PageBuilder page) {
    page.AddKeywordColumns(false);
    page.AddKeyword("FileName", TextCell(info.FileName));
    page.AddKeyword("FileVersion", ByteNumberCell(page, info.FileVersion));
    page.AddKeyword("FileRevision", ByteNumberCell(page, info.FileRevision));
    page.AddKeyword("EDSVersion", TextCell(info.EDSVersion));
    page.AddKeyword("Description", TextCell(info.Description));
    page.AddKeyword("CreationTime", TextCell(info.CreationTime));
    page.AddKeyword("CreationDate", TextCell(info.CreationDate));
    page.AddKeyword("CreatedBy", TextCell(info.CreatedBy));
    page.AddKeyword("ModificationTime", TextCell(info.ModificationTime));
    page.AddKeyword("ModificationDate", TextCell(info.ModificationDate));
    page.AddKeyword("ModifiedBy", TextCell(info.ModifiedBy));
    return page.Take();
}

Page DeviceInfoPage(const CANopenDeviceInfo& info, PageBuilder page) {
    page.AddKeywordColumns(false);
    page.AddKeyword("VendorName", TextCell(info.VendorName));
    page.AddKeyword("VendorNumber", TextCell(FormatHex32(info.VendorNumber)));
    page.AddKeyword("ProductName", TextCell(info.ProductName));
    page.AddKeyword("ProductNumber", TextCell(FormatHex32(info.ProductNumber)));
    page.AddKeyword("RevisionNumber", TextCell(FormatHex32(info.RevisionNumber)));
    page.AddKeyword("OrderCode", TextCell(info.OrderCode));
    page.AddKeyword("BaudRate_10", FlagCell(page, info.BaudRate_10));
    page.AddKeyword("BaudRate_20", FlagCell(page, info.BaudRate_20));
    page.AddKeyword("BaudRate_50", FlagCell(page, info.BaudRate_50));
    page.AddKeyword("BaudRate_125", FlagCell(page, info.BaudRate_125));
    page.AddKeyword("BaudRate_250", FlagCell(page, info.BaudRate_250));
    page.AddKeyword("BaudRate_500", FlagCell(page, info.BaudRate_500));
    page.AddKeyword("BaudRate_800", FlagCell(page, info.BaudRate_800));
    page.AddKeyword("BaudRate_1000", FlagCell(page, info.BaudRate_1000));
    page.AddKeyword("SimpleBootUpMaster", FlagCell(page, info.SimpleBootUpMaster));
    page.AddKeyword("SimpleBootUpSlave", FlagCell(page, info.SimpleBootUpSlave));
    page.AddKeyword("Granularity", HexByteCell(page, info.Granularity, 0x40));
    page.AddKeyword("DynamicChannelsSupported", FlagCell(page, info.DynamicChannelsSupported));
    page.AddKeyword("GroupMessaging", FlagCell(page, info.GroupMessaging));
    page.AddKeyword("NrOfRXPDO", HexByteCell(page, info.NrOfRXPDO, 0xFF));
    page.AddKeyword("NrOfTXPDO", HexByteCell(page, info.NrOfTXPDO, 0xFF));
    page.AddKeyword("LSS_Supported", FlagCell(page, info.LSS_Supported));
    return page.Take();
}

Page DummyUsagePage(const CANopenDummyUsage& usage, PageBuilder page) {
    page.AddKeywordColumns(false);
    page.AddKeyword("Boolean", FlagCell(page, usage.Dummy0001));
    page.AddKeyword("Signed8", FlagCell(page, usage.Dummy0002));
    page.AddKeyword("Signed16", FlagCell(page, usage.Dummy0003));
    page.AddKeyword("Signed32", FlagCell(page, usage.Dummy0004));
    page.AddKeyword("Unsigned8", FlagCell(page, usage.Dummy0005));
    page.AddKeyword("Unsigned16", FlagCell(page, usage.Dummy0006));
    page.AddKeyword("Unsigned32", FlagCell(page, usage.Dummy0007));
    return page.Take();
}

Page CommentsPage(const CANopenComments& comments, PageBuilder page) {
    page.AddKeywordColumns(false);
    page.AddKeyword("Lines", TextCell(std::to_string(comments.Lines)));
    for (size_t i = 0; i < comments.LineTexts.size(); ++i)
        page.AddKeyword("Line" + std::to_string(i + 1), TextCell(comments.LineTexts[i]));
    return page.Take();
}

// One object page: the objects of one category, each with its sub-index
// rows below it while it is open.
class ObjectPage {
public:
    explicit ObjectPage(PageBuilder page) : page_(std::move(page)) {
        page_.AddColumn("Index", 110);
        page_.AddColumn("Parameter Name", 220);
        page_.AddColumn("Low Limit", 90);
        page_.AddColumn("High Limit", 90);
        page_.AddColumn("Default Value", 100);
        page_.AddColumn("Data Type", 130);
        page_.AddColumn("Object Type", 90);
        page_.AddColumn("Access Type", 90);
        page_.AddColumn("Mappable", 70);
    }

    Page Build(const std::vector<CANopenObject>& objects, uint8_t category) {
        for (const CANopenObject& object : objects) {
            if (object.Category == category)
                AddObject(object);
        }
        return page_.Take();
    }

private:
    void AddObject(const CANopenObject& object) {
        const std::string key = ObjectSectionName(object.Index);
        if (!object.SubObjects || object.SubObjects->empty()) {
            page_.AddEntry(key, FieldCells(object));
            return;
        }
        // An object with sub-indexes shows only its name and object type;
        // its other fields are in its sub-index rows.
        std::vector<PageCell> cells(8);
        cells[0] = TextCell(object.ParameterName);
        cells[5] = ObjectTypeCell(object.ObjectType);
        if (!page_.AddHead(key, std::move(cells)))
            return;
        for (const CANopenObject& sub : *object.SubObjects)
            page_.AddField(std::string(kIndentText),
                           SubIndexSectionName(object.Index, sub.SubIndex), FieldCells(sub));
    }

    std::vector<PageCell> FieldCells(const CANopenObject& record) {
        return {TextCell(record.ParameterName),
                TextCell(record.LowLimit),
                TextCell(record.HighLimit),
                TextCell(record.DefaultValue),
                page_.DropDownCell(
                    names_.DataType(record.DataType), "DataType",
                    [] { return WithEmptyFirst("Index-Name", kDataTypeFile); }, kObjectListWidth),
                ObjectTypeCell(record.ObjectType),
                page_.DropDownCell(record.AccessType, "AccessType", AccessTypes, kObjectListWidth),
                page_.DropDownCell(FormatFlag(record.PDOMapping), "flag", pages::FlagItems,
                                   kMappableListWidth)};
    }

    PageCell ObjectTypeCell(uint8_t code) {
        return page_.DropDownCell(
            names_.ObjectType(code), "ObjectType",
            [] { return WithEmptyFirst("Code-Name", kObjectTypeFile); }, kObjectListWidth);
    }

    // The empty first item stands for "not given".
    static std::vector<std::string> WithEmptyFirst(const char* section, const char* file) {
        std::vector<std::string> items{""};
        for (std::string& name : ChoiceList(section, ModuleFolder() + file))
            items.push_back(std::move(name));
        return items;
    }

    static std::vector<std::string> AccessTypes() {
        return {"", "ro", "wo", "rw", "rwr", "rww", "const"};
    }

    PageBuilder page_;
    pages::TypeNameCache names_;
};

} // namespace

Page BuildPage(const CCANopenEDS& model, std::string_view section, const PageState& state) {
    if (section == kFileSummarySection)
        return BuildFileSummaryPage(model.Header, EDSKind::CANopen);
    if (section == kKeptSection)
        return pages::KeptPage(pages::KeptGroups(model),
                               PageBuilder(EDSKind::CANopen, section, PageLayout::Keywords, state));
    PageBuilder page(EDSKind::CANopen, section, PageLayout::Keywords, state);
    if (section == "FileInfo")
        return FileInfoPage(model.FileInfo, std::move(page));
    if (section == "DeviceInfo")
        return DeviceInfoPage(model.DeviceInfo, std::move(page));
    if (section == "DummyUsage")
        return DummyUsagePage(model.DummyUsage, std::move(page));
    if (section == "Comments")
        return CommentsPage(model.Comments, std::move(page));
    if (const uint8_t category = ObjectListCategory(section); category != 0)
        return ObjectPage(PageBuilder(EDSKind::CANopen, section, PageLayout::Table, state))
            .Build(model.Objects, category);
    return {};
}

} // namespace corvid
