#include "SharedPages.h"

#include "TypeNameCache.h"
#include "devicenet/EDSParamFields.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/TypeDictionaries.h"
#include "pages/ParamColumns.h"

#include <algorithm>

namespace corvid::pages {

namespace {

// Parameters are named by the number the writer gives them.
std::string ParamKey(uint32_t number) {
    return "Param" + std::to_string(number);
}

std::string NumberOrEmpty(uint8_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}

static_assert(kParamColumnCount == kParamGroupColumn, "one page column per parameter field");

class ParamRow {
public:
    ParamRow(PageBuilder& page, TypeNameCache& names) : page_(page), names_(names) {}

    std::vector<PageCell> Cells(const CEDSParam& param) {
        std::vector<PageCell> cells(kParamGroupColumn);
        for (const ParamField& field : kParamFields)
            if (field.Traits.Column != 0)
                cells[field.Traits.Column - 1] = Cell(param, field);
        cells[kParamEnumColumn - 1] =
            PopupCell(param.EnumStrings ? "* * *" : "", PopupKind::EnumStrings);
        cells[kParamGroupColumn - 1] = TextCell(NumberOrEmpty(param.Group));
        return cells;
    }

private:
    PageCell Cell(const CEDSParam& param, const ParamField& field) {
        if (field.Rule == ParamRule::DataType)
            return TypeList(param.DataType);
        std::string text = ParamFieldText(param, field);
        if (field.Rule == ParamRule::Descriptor)
            return PopupCell(std::move(text), PopupKind::Descriptor);
        if (field.Traits.Editor == FieldEditor::DecimalList)
            return ByteList(std::move(text));
        return TextCell(std::move(text));
    }

    PageCell ByteList(std::string text) {
        return page_.DropDownCell(
            std::move(text), "0-255", [] { return DecimalItems(0, 255); }, kNumberListWidth);
    }

    // The list offered is the dictionary section the current code belongs
    // to, so a legacy code is never changed into a new one by accident.
    PageCell TypeList(uint8_t code) {
        const bool legacy = code <= kLastLegacyFieldbusType;
        return page_.DropDownCell(
            names_.FieldbusType(code), legacy ? "Index-Type" : "New-Index-Type",
            [code] { return FieldbusTypeChoices(code); }, kNumberListWidth);
    }

    PageBuilder& page_;
    TypeNameCache& names_;
};

} // namespace

Page ParamsPage(const CEDSParamList& params, PageBuilder page) {
    page.AddColumn("Params", 70);
    for (const ParamColumn& column : kParamColumns)
        page.AddColumn(std::string(column.Header), column.DefaultWidth);
    TypeNameCache names;
    ParamRow row(page, names);
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    for (size_t i = 0; i < params.size(); ++i)
        page.AddEntry(ParamKey(numbers[i]), row.Cells(params[i]));
    return page.Take();
}

Page EnumParPage(const CEDSParamList& params, PageBuilder page) {
    page.AddColumn("Parameter", 90);
    page.AddColumn("EnumStr", 300);
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    for (size_t i = 0; i < params.size(); ++i) {
        if (!params[i].EnumStrings)
            continue;
        const std::vector<std::string>& strings = *params[i].EnumStrings;
        // One row per string, so that each can be edited; the parameter's
        // key stands on the row of its first string.
        if (strings.empty()) {
            page.AddEntry(ParamKey(numbers[i]), {ReadOnlyCell({})});
            continue;
        }
        page.AddEntry(ParamKey(numbers[i]), {TextCell(strings.front())});
        for (size_t s = 1; s < strings.size(); ++s)
            page.AddField(" ", {}, {TextCell(strings[s])});
    }
    return page.Take();
}

Page GroupsPage(const CEDSParamList& params, const std::vector<std::string>& groupNames,
                PageBuilder page) {
    page.AddColumn("GroupsNum", 90);
    page.AddColumn("GroupsIndex", 90);
    page.AddColumn("GroupName", 200);
    page.AddColumn("Number", 70);
    page.AddColumn("Param", 300);
    // Members are listed by the numbers their parameters are shown under.
    std::vector<std::vector<uint32_t>> members(groupNames.size());
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    for (size_t i = 0; i < params.size(); ++i) {
        const uint8_t group = params[i].Group;
        if (group >= 1 && group <= members.size())
            members[group - 1].push_back(numbers[i]);
    }
    for (std::vector<uint32_t>& list : members)
        std::sort(list.begin(), list.end());
    for (size_t g = 0; g < groupNames.size(); ++g) {
        std::string list;
        for (uint32_t member : members[g]) {
            if (!list.empty())
                list += ',';
            list += std::to_string(member);
        }
        page.AddEntry("Group" + std::to_string(g + 1),
                      {ReadOnlyCell(std::to_string(g + 1)), TextCell(groupNames[g]),
                       ReadOnlyCell(std::to_string(members[g].size())), ReadOnlyCell(list)});
    }
    // A name typed into the empty last row starts a new group.
    page.AddRow({}, {ReadOnlyCell({}), TextCell({})});
    return page.Take();
}

} // namespace corvid::pages
