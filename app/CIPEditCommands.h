#pragma once

// The edit commands on DeviceNet and EtherNet/IP pages that need no dialog:
// Delete of parameters, IO_Info entries and EtherNet/IP entries, Cut and
// Paste of parameters, and Insert of EtherNet/IP entries. The rules are the
// core's; this picks the shown file and the selected row and commits the
// change through the document's door.

#include "ViewClipboard.h"

#include "door/EDSDoc.h"
#include "editing/CellCommit.h"
#include "editing/ParamEditing.h"
#include "pages/PageRows.h"

#include <optional>
#include <string>

namespace corvid::app {

// What the view shows and has selected.
struct CIPSelection {
    EDSFileRef file;
    std::string section;
    std::string key;           // the selected row's entry; empty when none
    std::optional<size_t> row; // the selected row of `page`
    const Page* page = nullptr;
};

bool IsCIP(EDSKind kind);
bool CanDeleteCIP(const CIPSelection& selection);
bool CanInsertCIP(const CIPSelection& selection);
// The pages whose Insert is a dialog: the parameter table of a DeviceNet or
// EtherNet/IP file, and the DeviceNet IO_Info page.
bool IsParamsPage(const CIPSelection& selection);
bool IsIOInfoPage(const CIPSelection& selection);
// Delete and Insert commit to the shown file through the document's door.
EDSCommitted DeleteCIP(CEDSDoc& doc, const CIPSelection& selection);
EDSCommitted InsertCIP(CEDSDoc& doc, const CIPSelection& selection);

const CEDSParamList& ParamsOf(const CEDSDoc& doc, EDSFileRef file);
const std::vector<std::string>& GroupNamesOf(const CEDSDoc& doc, EDSFileRef file);
// The key of the row of the parameter at `position`: "Param" + its number.
std::string ParamKeyAt(const CEDSDoc& doc, EDSFileRef file, size_t position);
std::optional<CEDSParam>& ParamSlot(CViewClipboard& clipboard, EDSKind kind);
// The parameter taken out, for the copy buffer; none when the user kept it.
std::optional<CEDSParam> CutCIPParam(CEDSDoc& doc, EDSFileRef file, size_t position);
// The document's user interface asks before a Replace.
CommitResult InsertCIPParam(CEDSDoc& doc, EDSFileRef file, CEDSParam param,
                            std::optional<size_t> selected, InsertPlace place, size_t* position);
// The key of the pasted parameter's row.
std::string PasteCIPParam(CEDSDoc& doc, EDSFileRef file, const CEDSParam& copied,
                          std::optional<size_t> selected);

} // namespace corvid::app
