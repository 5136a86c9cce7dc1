#pragma once

// A change to one open file as a value: what the user did, owning its data,
// so that it outlives the page, dialog or command line it came from. The
// document set applies it with CEDSDoc::Commit, the one way a model changes;
// ApplyChange runs the editing rule a change names on a bare model.
//
// Each change addresses what it touches by the keys the rules use (section,
// row key, position), never by pointers into the model. Commit keeps what a
// stored change did to the model as a step of the file's history
// (EDSHistory.h); UndoChange and RedoChange, values like the others, move
// through it.

#include "canopen/CANopenModel.h"
#include "canopen/CANopenObjectEditing.h"
#include "devicenet/DeviceNetModel.h"
#include "devicenet/EDSParam.h"
#include "dictionaries/UserInterface.h"
#include "editing/CellCommit.h"
#include "editing/IOInfoEditing.h"
#include "editing/ParamEditing.h"
#include "ethernetip/EtherNetIPModel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace corvid {

// What an in-place editor stores: a typed text, a drop-down's choice, a
// popup's bits as a number or its enumeration strings. CellEdit, owned.
struct CellChange {
    std::string Section;
    std::string RowKey;
    size_t Column = 1;
    std::string Text;
    std::optional<size_t> Distance;

    static CellChange Of(const CellEdit& edit);
    CellEdit Edit() const;
};

// Delete of a row of a page (DeleteRow), after the page's question.
struct DeleteChange {
    std::string Section;
    std::string RowKey;
};

// OK of the CANopen object dialog: a new record, or the clipboard's one
// pasted, placed at the typed index (ApplyObjectRecord).
struct ObjectRecordChange {
    CANopenObject Record;
    std::string IndexText;
};

// Cut of a CANopen object or sub-index: it leaves the file whole and comes
// back in EDSCommitted::CutObject.
struct CutObjectChange {
    ObjectKey Key;
};

// OK of the Insert parameter dialog.
struct InsertParamChange {
    CEDSParam Param;
    std::optional<size_t> Selected;
    InsertPlace Place = InsertPlace::Back;
};

// Cut of the parameter at Position; it comes back in EDSCommitted::CutParam.
struct CutParamChange {
    size_t Position = 0;
};

// Paste of a copied parameter in front of Selected, at the end without one.
struct PasteParamChange {
    CEDSParam Param;
    std::optional<size_t> Selected;
};

// OK of the DeviceNet IO_Info Insert dialog.
struct IOInfoChange {
    IOInsertRequest Request;
};

// Insert on an EtherNet/IP entry page, at the selected row addressed as
// CellEdit addresses it.
struct EntryInsertChange {
    std::string Section;
    std::string RowKey;
    std::optional<size_t> Distance;
};

// Edit > Undo and Redo: the file's last step taken back, or the step last
// taken back done again (CEDSHistory).
struct UndoChange {};
struct RedoChange {};

using EDSChange = std::variant<CellChange, DeleteChange, ObjectRecordChange, CutObjectChange,
                               InsertParamChange, CutParamChange, PasteParamChange, IOInfoChange,
                               EntryInsertChange, UndoChange, RedoChange>;

// What Commit gives back: the rule's answer, and what the change placed or
// took out, for the view to select and for the clipboard.
struct EDSCommitted {
    CommitStatus Status = CommitStatus::NotEditable;
    std::string Message;                   // as CommitResult's
    std::optional<ObjectKey> PlacedObject; // ObjectRecordChange
    std::optional<size_t> PlacedParam;     // position: InsertParamChange, PasteParamChange
    std::optional<CANopenObject> CutObject;
    std::optional<CEDSParam> CutParam;

    bool Stored() const { return Status == CommitStatus::Stored; }
};

// Runs the rule of `change` on `model`, asking through `ui` where the rule
// asks. A change the file's kind has no rule for is NotEditable.
EDSCommitted ApplyChange(CCANopenEDS& model, EDSChange change, IUserInterface& ui);
EDSCommitted ApplyChange(CDeviceNetEDS& model, EDSChange change, IUserInterface& ui);
EDSCommitted ApplyChange(CEtherNetIPEDS& model, EDSChange change, IUserInterface& ui);

} // namespace corvid
