#include "editing/ParamEditing.h"

#include "EditTexts.h"
#include "EntryReferences.h"
#include "dictionaries/TypeDictionaries.h"

#include <algorithm>
#include <limits>

namespace corvid {

namespace {

using edit_texts::AskDelete;
using edit_texts::AskYes;

// Numbers a file left out (0, or taken twice) become the ones the writer
// would give, so every parameter can be named and renumbered.
void SettleNumbers(CEDSParamList& params) {
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    for (size_t i = 0; i < params.size(); ++i)
        params[i].Number = numbers[i];
}

template <typename Model> void KeepMaxInst(Model& model) {
    model.ParamClassSection.MaxInst = static_cast<uint16_t>(
        std::min<size_t>(model.ParamCount(), std::numeric_limits<uint16_t>::max()));
}

std::string ParamKey(const CEDSParam& param) {
    return "Param" + std::to_string(param.Number);
}

std::vector<std::string> GroupOf(const CEDSParam& param, size_t groupCount) {
    if (param.Group == 0 || param.Group > groupCount)
        return {};
    return {"Group" + std::to_string(param.Group)};
}

// Only EtherNet/IP entries name parameters by number; DeviceNet groups and
// enumeration strings live inside the parameter and follow it.
void FollowRemoval(CDeviceNetEDS&, uint32_t) {}
void FollowRemoval(CEtherNetIPEDS& model, uint32_t removed) {
    refs::Renumber(model, "Param", [removed](uint32_t number) -> std::optional<uint32_t> {
        if (number == removed)
            return std::nullopt;
        return number > removed ? number - 1 : number;
    });
}

void FollowInsertion(CDeviceNetEDS&, uint32_t) {}
void FollowInsertion(CEtherNetIPEDS& model, uint32_t inserted) {
    refs::Renumber(model, "Param", [inserted](uint32_t number) -> std::optional<uint32_t> {
        return number >= inserted ? number + 1 : number;
    });
}

std::vector<std::string> OthersNaming(const CDeviceNetEDS& model, const CEDSParam& param) {
    return GroupOf(param, model.GroupCount());
}
std::vector<std::string> OthersNaming(const CEtherNetIPEDS& model, const CEDSParam& param) {
    std::vector<std::string> names = GroupOf(param, model.GroupCount());
    const std::vector<std::string> entries = refs::NamedBy(model, "Param", param.Number);
    names.insert(names.end(), entries.begin(), entries.end());
    return names;
}

template <typename Model> CEDSParam RemoveAt(Model& model, size_t position) {
    CEDSParam removed = std::move(model.Params[position]);
    model.Params.erase(model.Params.begin() + static_cast<std::ptrdiff_t>(position));
    for (CEDSParam& param : model.Params)
        if (param.Number > removed.Number)
            --param.Number;
    FollowRemoval(model, removed.Number);
    KeepMaxInst(model);
    return removed;
}

// A parameter placed next to the selected one takes the number of its
// place (`number`), so the list reads in order, and every later parameter
// and every reference to one moves up by one. Without a selection it is
// appended under the next free number.
template <typename Model>
size_t PlaceNew(Model& model, CEDSParam param, size_t at, std::optional<uint32_t> number) {
    at = std::min(at, model.Params.size());
    if (!number) {
        param.Number = NextFreeParamNumber(model.Params);
    } else {
        param.Number = *number;
        for (CEDSParam& later : model.Params)
            if (later.Number >= *number)
                ++later.Number;
        FollowInsertion(model, *number);
    }
    model.Params.insert(model.Params.begin() + static_cast<std::ptrdiff_t>(at), std::move(param));
    KeepMaxInst(model);
    return at;
}

template <typename Model>
CommitResult InsertInto(Model& model, CEDSParam param, std::optional<size_t> selected,
                        InsertPlace place, IUserInterface& ui, size_t* position) {
    SettleNumbers(model.Params);
    if (selected && *selected >= model.ParamCount())
        selected.reset();
    // The dialog's last Group entry, "***new group***", is one above the
    // groups; a number further above names nothing it could select.
    const bool newGroup = param.Group == model.GroupCount() + 1;
    if (param.Group > model.GroupCount() + 1)
        param.Group = 0;
    size_t at = model.ParamCount();
    if (selected && place == InsertPlace::Replace) {
        CEDSParam& old = model.Params[*selected];
        if (!AskYes(ui, edit_texts::ReplaceQuestion("Param [" + std::to_string(old.Number) + "]"),
                    edit_texts::kWarningCaption))
            return {CommitStatus::Declined, {}};
        param.Number = old.Number;
        old = std::move(param);
        at = *selected;
    } else {
        std::optional<uint32_t> number;
        if (selected) {
            const bool front = place == InsertPlace::Front;
            at = front ? *selected : *selected + 1;
            number = model.Params[*selected].Number + (front ? 0 : 1);
        }
        at = PlaceNew(model, std::move(param), at, number);
    }
    if (newGroup)
        model.GroupNames.emplace_back(kNewGroupName);
    if (position)
        *position = at;
    return {CommitStatus::Stored, {}};
}

template <typename Model>
std::optional<CEDSParam> RemoveAsked(Model& model, size_t position, IUserInterface& ui,
                                     bool alwaysAsk) {
    if (position >= model.ParamCount())
        return std::nullopt;
    SettleNumbers(model.Params);
    const CEDSParam& param = model.Params[position];
    const std::vector<std::string> namedBy = OthersNaming(model, param);
    if ((alwaysAsk || !namedBy.empty()) &&
        !AskDelete(ui, ParamKey(param), param.ParameterName, namedBy))
        return std::nullopt;
    return RemoveAt(model, position);
}

template <typename Model>
CommitResult DeleteFrom(Model& model, size_t position, IUserInterface& ui) {
    if (position >= model.ParamCount())
        return {CommitStatus::NotEditable,
                "Edit:  Params: no parameter at row " + std::to_string(position + 1) + ".\r\n"};
    if (!RemoveAsked(model, position, ui, true))
        return {CommitStatus::Declined, {}};
    return {CommitStatus::Stored, {}};
}

template <typename Model>
size_t PasteInto(Model& model, const CEDSParam& copied, std::optional<size_t> selected) {
    SettleNumbers(model.Params);
    // A copy before the list changes: `copied` may stand in it.
    CEDSParam param = copied;
    if (param.Group > model.GroupCount())
        param.Group = 0;
    if (!selected || *selected >= model.ParamCount())
        return PlaceNew(model, std::move(param), model.ParamCount(), std::nullopt);
    return PlaceNew(model, std::move(param), *selected, model.Params[*selected].Number);
}

} // namespace

CommitResult InsertParam(CDeviceNetEDS& model, CEDSParam param, std::optional<size_t> selected,
                         InsertPlace place, IUserInterface& ui, size_t* position) {
    return InsertInto(model, std::move(param), selected, place, ui, position);
}

CommitResult InsertParam(CEtherNetIPEDS& model, CEDSParam param, std::optional<size_t> selected,
                         InsertPlace place, IUserInterface& ui, size_t* position) {
    return InsertInto(model, std::move(param), selected, place, ui, position);
}

CommitResult DeleteParam(CDeviceNetEDS& model, size_t position, IUserInterface& ui) {
    return DeleteFrom(model, position, ui);
}

CommitResult DeleteParam(CEtherNetIPEDS& model, size_t position, IUserInterface& ui) {
    return DeleteFrom(model, position, ui);
}

std::optional<CEDSParam> CutParam(CDeviceNetEDS& model, size_t position, IUserInterface& ui) {
    return RemoveAsked(model, position, ui, false);
}

std::optional<CEDSParam> CutParam(CEtherNetIPEDS& model, size_t position, IUserInterface& ui) {
    return RemoveAsked(model, position, ui, false);
}

size_t PasteParam(CDeviceNetEDS& model, const CEDSParam& copied, std::optional<size_t> selected) {
    return PasteInto(model, copied, selected);
}

size_t PasteParam(CEtherNetIPEDS& model, const CEDSParam& copied, std::optional<size_t> selected) {
    return PasteInto(model, copied, selected);
}

std::vector<std::string> ParamNamedBy(const CDeviceNetEDS& model, size_t position) {
    return position < model.ParamCount() ? OthersNaming(model, model.ParamAt(position))
                                         : std::vector<std::string>{};
}

std::vector<std::string> ParamNamedBy(const CEtherNetIPEDS& model, size_t position) {
    return position < model.ParamCount() ? OthersNaming(model, *model.ParamAt(position))
                                         : std::vector<std::string>{};
}

std::vector<std::string> ParseEnumText(std::string_view text) {
    std::vector<std::string> strings;
    std::string piece;
    bool quoted = false;
    const auto take = [&] {
        if (piece.empty())
            return;
        if (piece.front() != '"')
            piece.insert(piece.begin(), '"');
        if (piece.size() < 2 || piece.back() != '"')
            piece.push_back('"');
        strings.push_back(std::move(piece));
        piece.clear();
    };
    for (const char c : text) {
        if (c == '\r' || c == '\n')
            continue;
        if (c == '"')
            quoted = !quoted;
        if (!quoted && c == ';') {
            take();
            return strings;
        }
        if (!quoted && c == ',')
            take();
        else
            piece.push_back(c);
    }
    // A last piece without ";" is not taken.
    return strings;
}

std::string EnumText(const std::vector<std::string>& strings) {
    std::string text;
    for (size_t i = 0; i < strings.size(); ++i)
        text += strings[i] + (i + 1 < strings.size() ? ",\r\n" : ";");
    return text;
}

size_t DialogGroupIndex(const CEDSParam& param, size_t groupCount) {
    return param.Group <= groupCount ? param.Group : 0;
}

uint8_t ParamDataTypeCode(const std::string& name, uint8_t listCode) {
    return FieldbusTypeCodeInList(name, listCode);
}

} // namespace corvid
