#include "pages/PageRows.h"

#include "FieldRows.h"
#include "KeptGroups.h"
#include "SharedPages.h"
#include "devicenet/DeviceNetFields.h"
#include "dictionaries/EDSTextHelper.h"
#include "pages/KeptContent.h"
#include "pages/ProjectTree.h"

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

PageCell TypeMaskCell(uint16_t mask) {
    return PopupCell(FormatHex16(mask), PopupKind::TypeMask);
}

std::vector<PageCell> HeadCells(std::string comment) {
    return {ReadOnlyCell(" "), ReadOnlyCell(std::move(comment))};
}

void AddField(PageBuilder& page, PageCell value, std::string comment) {
    page.AddField(" ", {}, {std::move(value), ReadOnlyCell(std::move(comment))});
}

void AddConnection(PageBuilder& page, const char* key, const ConnectionInfo& info,
                   const char* comment) {
    if (info.Present == 0 || !page.AddHead(key, HeadCells(comment)))
        return;
    AddField(page, TypeMaskCell(info.TypeMask), TypeMaskComment(info.TypeMask));
    AddField(page, TextCell(std::to_string(info.DefaultInput)),
             info.DefaultInput == 0 ? "$ No default Input"
                                    : "$ Default Input=Input" + std::to_string(info.DefaultInput));
    AddField(page, TextCell(std::to_string(info.DefaultOutput)),
             info.DefaultOutput == 0
                 ? "$ No default Output"
                 : "$ Default Output=Output" + std::to_string(info.DefaultOutput));
}

std::string PathComment(const std::string& path) {
    // Positions 10 and 11 of a quoted path of hex bytes hold the byte behind
    // the assembly instance segment "24".
    if (path.size() > 12)
        return "$ Assembly Object Instance " + path.substr(10, 2);
    return "$ Connection Path";
}

void AddIOEntries(PageBuilder& page, const char* prefix, const std::vector<IOEntry>& entries,
                  const char* comment) {
    for (const IOEntry& entry : entries) {
        if (!page.AddHead(prefix + std::to_string(entry.Number), HeadCells(comment)))
            continue;
        AddField(page, TextCell(std::to_string(entry.Size)),
                 "$ " + std::to_string(entry.Size) + " byte");
        AddField(page, TextCell(std::to_string(entry.SigBits)),
                 "$ Number of Significant Bits (0 = All)");
        AddField(page, TypeMaskCell(entry.TypeMask), TypeMaskComment(entry.TypeMask));
        AddField(page, TextCell(entry.Name), "$ Name");
        AddField(page, TextCell(std::to_string(entry.PathSize)), "$ Connection Path Size");
        AddField(page, TextCell(entry.Path), PathComment(entry.Path));
        AddField(page, TextCell(entry.Help), "$ Help");
    }
}

Page IOInfoPage(const DeviceNetIOInfoSection& io, PageBuilder page) {
    page.AddKeywordColumns(true);
    page.AddKeyword("Default", TypeMaskCell(io.Default), DefaultComment(io.Default));
    AddConnection(page, "PollInfo", io.PollInfo, "$ Poll Information Entry");
    AddConnection(page, "StrobeInfo", io.StrobeInfo, "$ Strobe Information Entry");
    AddConnection(page, "COSInfo", io.COSInfo, "$ Change of State Information Entry");
    AddConnection(page, "CyclicInfo", io.CyclicInfo, "$ Cyclic Information Entry");
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
