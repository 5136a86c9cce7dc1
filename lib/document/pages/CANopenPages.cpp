#include "pages/PageRows.h"

#include "KeptGroups.h"
#include "PageBuilder.h"
#include "TypeNameCache.h"
#include "canopen/CANopenFields.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ModuleFolder.h"
#include "dictionaries/TypeDictionaries.h"
#include "pages/KeptContent.h"
#include "pages/ProjectTree.h"

namespace corvid {

namespace {

using pages::PageBuilder;
using pages::ReadOnlyCell;
using pages::TextCell;

// The drop-down lists of the object tables are wide because type names are.
constexpr int kObjectListWidth = 300;
constexpr int kMappableListWidth = 90;

PageCell FlagCell(PageBuilder& page, bool value) {
    return page.DropDownCell(FormatFlag(value), "flag", pages::FlagItems, pages::kFlagListWidth);
}

// The number as its editor offers it: a hex list shows hex whatever form
// the writer gives it.
std::string ShownNumber(uint32_t value, const FieldTraits& traits) {
    if (traits.Editor == FieldEditor::HexList)
        return FormatFieldNumber(value, HexField(traits.Width));
    return FormatFieldNumber(value, traits);
}

PageCell NumberCell(PageBuilder& page, uint32_t value, const FieldTraits& traits) {
    const uint32_t last = traits.ListLast;
    switch (traits.Editor) {
    case FieldEditor::DecimalList:
        return page.DropDownCell(
            ShownNumber(value, traits), "0-" + std::to_string(last),
            [last] { return pages::DecimalItems(0, int(last)); }, pages::kNumberListWidth);
    case FieldEditor::HexList:
        return page.DropDownCell(
            ShownNumber(value, traits), "0x00-" + FormatHex8(last),
            [last] { return pages::HexByteItems(0, int(last)); }, pages::kNumberListWidth);
    case FieldEditor::ReadOnly:
        return ReadOnlyCell(ShownNumber(value, traits));
    default:
        return TextCell(ShownNumber(value, traits));
    }
}

template <typename Record>
PageCell FieldCell(PageBuilder& page, const Record& record, const FieldEntry<Record>& item) {
    return std::visit(
        [&](auto member) -> PageCell {
            const auto& value = record.*member;
            using Field = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Field, std::string>)
                return TextCell(value);
            else if constexpr (std::is_same_v<Field, bool>)
                return FlagCell(page, value);
            else
                return NumberCell(page, static_cast<uint32_t>(value), item.Traits);
        },
        item.Member);
}

// A row per keyword of the section, under the page's name for it.
template <typename Record, size_t N>
void AddFieldRows(PageBuilder& page, const Record& record, const FieldTable<Record, N>& table) {
    for (const FieldEntry<Record>& item : table) {
        PageCell cell = FieldCell(page, record, item);
        // A keyword the file does not give shows empty, not as 0.
        if (!record.Given.Has(FieldPlace(table, item)))
            cell.Text.clear();
        page.AddKeyword(std::string(PageName(item)), std::move(cell));
    }
}

template <typename Record, size_t N>
Page KeywordPage(const Record& record, const FieldTable<Record, N>& table, PageBuilder page) {
    page.AddKeywordColumns(false);
    AddFieldRows(page, record, table);
    return page.Take();
}

Page CommentsPage(const CANopenComments& comments, PageBuilder page) {
    page.AddKeywordColumns(false);
    AddFieldRows(page, comments, kCommentsFields);
    for (size_t i = 0; i < comments.LineTexts.size(); ++i)
        page.AddKeyword(CommentLineKey(i + 1), TextCell(comments.LineTexts[i]));
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
        if (object.SubObjects.empty()) {
            page_.AddEntry(key, Cells(object));
            return;
        }
        if (!page_.AddHead(key, Cells(object, true)))
            return;
        for (const CANopenObject& sub : object.SubObjects)
            page_.AddField(std::string(kIndentText),
                           SubIndexSectionName(object.Index, sub.SubIndex), Cells(sub));
    }

    // Each value in its column; the row of an object with sub-indexes shows
    // only what IsHeadRowKey picks.
    std::vector<PageCell> Cells(const CANopenObject& record, bool headRow = false) {
        std::vector<PageCell> cells(kObjectColumns);
        for (const FieldEntry<CANopenObject>& key : kObjectFields)
            if (key.Traits.Column != 0 && (!headRow || IsHeadRowKey(key)))
                cells[key.Traits.Column - 1] = Cell(record, key);
        return cells;
    }

    PageCell Cell(const CANopenObject& record, const FieldEntry<CANopenObject>& key) {
        if (&key == &kDataTypeKey)
            return page_.DropDownCell(
                names_.DataType(record.DataType), "DataType",
                [] { return WithEmptyFirst("Index-Name", kDataTypeFile); }, kObjectListWidth);
        if (&key == &kObjectTypeKey)
            return page_.DropDownCell(
                names_.ObjectType(record.ObjectType), "ObjectType",
                [] { return WithEmptyFirst("Code-Name", kObjectTypeFile); }, kObjectListWidth);
        if (&key == &kAccessTypeKey)
            return page_.DropDownCell(record.AccessType, "AccessType", AccessTypes,
                                      kObjectListWidth);
        if (&key == &kPDOMappingKey)
            return page_.DropDownCell(FieldText(record, key), "flag", pages::FlagItems,
                                      kMappableListWidth);
        return TextCell(FieldText(record, key));
    }

    // The empty first item stands for "not given".
    static std::vector<std::string> WithEmptyFirst(const char* section, const char* file) {
        std::vector<std::string> items{""};
        for (std::string& name : ChoiceList(section, ModuleFolder() + file))
            items.push_back(std::move(name));
        return items;
    }

    static std::vector<std::string> AccessTypes() {
        return {kAccessTypes.begin(), kAccessTypes.end()};
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
    if (section == kFileInfoSection)
        return KeywordPage(model.FileInfo, kFileInfoFields, std::move(page));
    if (section == kDeviceInfoSection)
        return KeywordPage(model.DeviceInfo, kDeviceInfoFields, std::move(page));
    if (section == kDummyUsageSection)
        return KeywordPage(model.DummyUsage, kDummyUsageFields, std::move(page));
    if (section == kCommentsSection)
        return CommentsPage(model.Comments, std::move(page));
    if (const uint8_t category = ObjectListCategory(section); category != 0)
        return ObjectPage(PageBuilder(EDSKind::CANopen, section, PageLayout::Table, state))
            .Build(model.Objects, category);
    return {};
}

} // namespace corvid
