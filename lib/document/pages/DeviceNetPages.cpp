#include "pages/PageRows.h"

#include "FieldRows.h"
#include "KeptGroups.h"
#include "SharedPages.h"
#include "devicenet/DeviceNetFields.h"
#include "dictionaries/EDSTextHelper.h"
#include "pages/KeptContent.h"
#include "pages/ProjectTree.h"

#include <array>

namespace corvid {

namespace {

using pages::PageBuilder;
using pages::PopupCell;
using pages::ReadOnlyCell;
using pages::TextCell;

// The texts of the set connection bits, each with its blanks as the
// comments have always shown them.
std::string ConnectionBitTexts(uint16_t mask) {
    std::string text;
    if (mask & kConnectionPoll)
        text += "Poll, ";
    if (mask & kConnectionStrobe)
        text += "Strobe,  ";
    if (mask & kConnectionChangeOfState)
        text += "Change of State, ";
    if (mask & kConnectionCyclic)
        text += "Cyclic ";
    return text;
}

std::string DefaultComment(uint16_t value) {
    if (value == 0)
        return "$ No default";
    if (value > 15)
        return "$ Default I/O Information";
    return "$ " + ConnectionBitTexts(value);
}

std::string TypeMaskComment(uint16_t mask) {
    if (mask == 0 || mask > 15)
        return "$ Compatible I/O Type Mask";
    return "$ " + ConnectionBitTexts(mask);
}

std::vector<PageCell> HeadCells(std::string comment) {
    return {ReadOnlyCell(" "), ReadOnlyCell(std::move(comment))};
}

void AddField(PageBuilder& page, PageCell value, std::string comment) {
    page.AddField(" ", {}, {std::move(value), ReadOnlyCell(std::move(comment))});
}

// A field's cell: the connection bits through their popup, the others as
// text.
template <typename Record>
PageCell EntryFieldCell(const Record& record, const FieldEntry<Record>& item) {
    std::string text = FieldText(record, item);
    if (item.Traits.Editor == FieldEditor::Popup)
        return PopupCell(std::move(text), PopupKind::TypeMask);
    return TextCell(std::move(text));
}

// One field row per field of `table`, each with the comment `comments`
// gives it.
template <typename Record, size_t N>
void AddEntryFields(PageBuilder& page, const Record& record, const FieldTable<Record, N>& table,
                    const std::array<std::string (*)(const Record&), N>& comments) {
    for (size_t f = 0; f < N; ++f)
        AddField(page, EntryFieldCell(record, table[f]), comments[f](record));
}

constexpr std::array<std::string (*)(const ConnectionInfo&), 3> kConnectionInfoComments = {
    [](const ConnectionInfo& info) { return TypeMaskComment(info.TypeMask); },
    [](const ConnectionInfo& info) {
        return info.DefaultInput == 0 ? std::string("$ No default Input")
                                      : "$ Default Input=Input" + std::to_string(info.DefaultInput);
    },
    [](const ConnectionInfo& info) {
        return info.DefaultOutput == 0
                   ? std::string("$ No default Output")
                   : "$ Default Output=Output" + std::to_string(info.DefaultOutput);
    },
};

void AddConnection(PageBuilder& page, const ConnectionInfoEntry& key, const ConnectionInfo& info,
                   const char* comment) {
    if (info.Present == 0 || !page.AddHead(std::string(key.Keyword), HeadCells(comment)))
        return;
    AddEntryFields(page, info, kConnectionInfoFields, kConnectionInfoComments);
}

std::string PathComment(const std::string& path) {
    // Positions 10 and 11 of a quoted path of hex bytes hold the byte behind
    // the assembly instance segment "24".
    if (path.size() > 12)
        return "$ Assembly Object Instance " + path.substr(10, 2);
    return "$ Connection Path";
}

constexpr std::array<std::string (*)(const IOEntry&), kIOEntryFields.size()> kIOEntryComments = {
    [](const IOEntry& entry) { return "$ " + std::to_string(entry.Size) + " byte"; },
    [](const IOEntry&) { return std::string("$ Number of Significant Bits (0 = All)"); },
    [](const IOEntry& entry) { return TypeMaskComment(entry.TypeMask); },
    [](const IOEntry&) { return std::string("$ Name"); },
    [](const IOEntry&) { return std::string("$ Connection Path Size"); },
    [](const IOEntry& entry) { return PathComment(entry.Path); },
    [](const IOEntry&) { return std::string("$ Help"); },
};

void AddIOEntries(PageBuilder& page, const char* prefix, const std::vector<IOEntry>& entries,
                  const char* comment) {
    for (const IOEntry& entry : entries)
        if (page.AddHead(prefix + std::to_string(entry.Number), HeadCells(comment)))
            AddEntryFields(page, entry, kIOEntryFields, kIOEntryComments);
}

// The comments of the connection entries, in the order of their table.
constexpr std::array<const char*, kConnectionInfoEntries.size()> kConnectionComments = {
    "$ Poll Information Entry", "$ Strobe Information Entry", "$ Change of State Information Entry",
    "$ Cyclic Information Entry"};

Page IOInfoPage(const DeviceNetIOInfoSection& io, PageBuilder page) {
    page.AddKeywordColumns(true);
    const FieldEntry<DeviceNetIOInfoSection>& defaults = kIOInfoFields[0];
    page.AddKeyword(std::string(defaults.Keyword), EntryFieldCell(io, defaults),
                    DefaultComment(io.Default));
    for (size_t c = 0; c < kConnectionInfoEntries.size(); ++c)
        AddConnection(page, kConnectionInfoEntries[c], io.*kConnectionInfoEntries[c].Member,
                      kConnectionComments[c]);
    AddIOEntries(page, "Input", io.Inputs, "$ Input Connections");
    AddIOEntries(page, "Output", io.Outputs, "$ Output Connections");
    return page.Take();
}

// The rows of a section of single-value keywords.
template <typename Record, size_t N>
Page KeywordPage(const Record& record, const FieldTable<Record, N>& table, PageBuilder page) {
    page.AddKeywordColumns(false);
    pages::AddFieldRows(page, record, table);
    return page.Take();
}

} // namespace

Page BuildPage(const CDeviceNetEDS& model, std::string_view section, const PageState& state) {
    if (section == kFileSummarySection)
        return BuildFileSummaryPage(model.Header, EDSKind::DeviceNet);
    if (section == kKeptSection)
        return pages::KeptPage(
            pages::KeptGroups(model.Kept),
            PageBuilder(EDSKind::DeviceNet, section, PageLayout::Keywords, state));
    PageBuilder page(EDSKind::DeviceNet, section, PageLayout::Keywords, state);
    if (section == "File")
        return KeywordPage(model.FileSection, kFileFields, std::move(page));
    if (section == "Device")
        return KeywordPage(model.DeviceSection, kDeviceFields, std::move(page));
    if (section == "IO_Info")
        return IOInfoPage(model.IOInfoSection, std::move(page));
    if (section == "ParamClass")
        return KeywordPage(model.ParamClassSection, kParamClassFields, std::move(page));
    PageBuilder table(EDSKind::DeviceNet, section, PageLayout::Table, state);
    if (section == "Params")
        return pages::ParamsPage(model.Params, std::move(table));
    if (section == "EnumPar")
        return pages::EnumParPage(model.Params, std::move(table));
    if (section == "Groups")
        return pages::GroupsPage(model.Params, model.GroupNames, std::move(table));
    return {};
}

} // namespace corvid
