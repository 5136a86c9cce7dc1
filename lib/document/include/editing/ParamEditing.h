#pragma once

// Adding, removing and moving parameters of a DeviceNet or EtherNet/IP
// description, for the Insert parameter dialog, Delete, Cut and Paste of the
// Params page and `corvid-cli edit`. Parameters keep the numbers their file
// gave them, because assemblies, connections and groups name them by it. A
// new parameter placed next to a selected one takes the number of its place
// (in front: the selected one's; behind: one above) and opens a gap there;
// one appended takes the next free number; a removed one closes its gap.
// Everything that names a later parameter follows. [ParamClass] MaxInst
// follows the number of parameters.
//
// Positions are 0-based places in the model's parameter list, which are
// also the rows of the Params page.

#include "devicenet/DeviceNetModel.h"
#include "dictionaries/UserInterface.h"
#include "editing/CellCommit.h"
#include "ethernetip/EtherNetIPModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

enum class InsertPlace { Front, Back, Replace };

// The name the dialog's "***new group***" entry adds to the group names.
inline constexpr std::string_view kNewGroupName = "\"***New Group***\"";

// Puts `param` (its Number is ignored) in front of, behind or in place of
// the parameter at `selected`; with nothing selected it is appended.
// Replace asks first and keeps the replaced parameter's number; No gives
// Declined and changes nothing. A Group one above the number of groups (the
// dialog's "***new group***") adds a group named kNewGroupName; a Group
// further above names no group and becomes 0. Stored gives the position of
// the new parameter in `position`.
CommitResult InsertParam(CDeviceNetEDS& model, CEDSParam param, std::optional<size_t> selected,
                         InsertPlace place, IUserInterface& ui, size_t* position = nullptr);
CommitResult InsertParam(CEtherNetIPEDS& model, CEDSParam param, std::optional<size_t> selected,
                         InsertPlace place, IUserInterface& ui, size_t* position = nullptr);

// Delete of the parameter at `position`: asks "Do you want to delete this
// object?", naming in the question the groups, assemblies and connections
// that name the parameter. On Yes it removes the parameter with its
// enumeration strings, and every later parameter and every reference to one
// moves down by one number; references to the removed parameter are cleared
// (an assembly member keeps its size, as padding).
CommitResult DeleteParam(CDeviceNetEDS& model, size_t position, IUserInterface& ui);
CommitResult DeleteParam(CEtherNetIPEDS& model, size_t position, IUserInterface& ui);

// Cut: removes the parameter as Delete does and hands it back for the copy
// buffer; it asks only when others name the parameter. Nothing when the
// position is outside the list or the user answered No.
std::optional<CEDSParam> CutParam(CDeviceNetEDS& model, size_t position, IUserInterface& ui);
std::optional<CEDSParam> CutParam(CEtherNetIPEDS& model, size_t position, IUserInterface& ui);

// Paste: a copy of `copied` in front of the parameter at `selected`, under
// its number, or at the end under the next free number with nothing
// selected. A Group that names no group becomes 0; no group is added.
// Gives the new position.
size_t PasteParam(CDeviceNetEDS& model, const CEDSParam& copied, std::optional<size_t> selected);
size_t PasteParam(CEtherNetIPEDS& model, const CEDSParam& copied, std::optional<size_t> selected);

// The position of the parameter a page shows under `rowKey` ("Param12"),
// found by its number however many parameters there are.
std::optional<size_t> ParamPosition(const CEDSParamList& params, std::string_view rowKey);

// Who names the parameter at `position` besides itself, for questions:
// "Group2", "Assem100 member 3", "Connection1".
std::vector<std::string> ParamNamedBy(const CDeviceNetEDS& model, size_t position);
std::vector<std::string> ParamNamedBy(const CEtherNetIPEDS& model, size_t position);

// The enumeration rule of the Enum field and the enumeration popup: line
// ends are dropped, the text is cut at "," outside double quotes, the first
// ";" outside quotes ends the last piece and the list, and a last piece
// without ";" is not taken. Every non-empty piece, untrimmed, becomes one
// string with a double quote added at either end where missing.
std::vector<std::string> ParseEnumText(std::string_view text);
// The strings as the Enum field and the popup show them: one a line, each
// followed by ",\r\n" except the last, which is followed by ";".
std::string EnumText(const std::vector<std::string>& strings);

// The Group list index the dialog selects for a source parameter: its Group
// when that names a group, else 0 (the empty entry).
size_t DialogGroupIndex(const CEDSParam& param, size_t groupCount);

// The code of a data type name chosen from the Type list of a parameter
// whose code is `listCode`, looked up only in that list's dictionary section
// (the two numberings share names); 255 when the name is not in it.
uint8_t ParamDataTypeCode(const std::string& name, uint8_t listCode);

} // namespace corvid
