#include "door/EDSChange.h"

#include "editing/EtherNetIPEntryEditing.h"

#include <concepts>

namespace corvid {

namespace {

EDSCommitted From(CommitResult result) {
    EDSCommitted committed;
    committed.Status = result.Status;
    committed.Message = std::move(result.Message);
    return committed;
}

EDSCommitted StoredIf(bool stored) {
    EDSCommitted committed;
    committed.Status = stored ? CommitStatus::Stored : CommitStatus::Declined;
    return committed;
}

// The parameter rules hold for DeviceNet and EtherNet/IP alike.
template <typename Model>
concept HasParams = std::same_as<Model, CDeviceNetEDS> || std::same_as<Model, CEtherNetIPEDS>;

// Each overload is the rule of one change on the kinds that have it; the
// catch-all answers a change the kind has no rule for.
template <typename Model> struct Rules {
    Model& model;
    IUserInterface& ui;

    EDSCommitted operator()(CellChange& change) const {
        return From(CommitCell(model, change.Edit()));
    }
    EDSCommitted operator()(DeleteChange& change) const {
        return From(DeleteRow(model, change.Section, change.RowKey, ui));
    }
    EDSCommitted
    operator()(ObjectRecordChange& change) const requires std::same_as<Model, CCANopenEDS> {
        EDSCommitted committed;
        committed.PlacedObject =
            ApplyObjectRecord(model, std::move(change.Record), change.IndexText, ui);
        committed.Status = committed.PlacedObject ? CommitStatus::Stored : CommitStatus::Declined;
        return committed;
    }
    EDSCommitted
    operator()(CutObjectChange& change) const requires std::same_as<Model, CCANopenEDS> {
        EDSCommitted committed = StoredIf(false);
        committed.CutObject = RemoveObjectRecord(model, change.Key);
        if (committed.CutObject)
            committed.Status = CommitStatus::Stored;
        return committed;
    }
    EDSCommitted operator()(InsertParamChange& change) const requires HasParams<Model> {
        size_t position = 0;
        EDSCommitted committed = From(InsertParam(model, std::move(change.Param), change.Selected,
                                                  change.Place, ui, &position));
        if (committed.Stored())
            committed.PlacedParam = position;
        return committed;
    }
    EDSCommitted operator()(CutParamChange& change) const requires HasParams<Model> {
        EDSCommitted committed = StoredIf(false);
        committed.CutParam = CutParam(model, change.Position, ui);
        if (committed.CutParam)
            committed.Status = CommitStatus::Stored;
        return committed;
    }
    EDSCommitted operator()(PasteParamChange& change) const requires HasParams<Model> {
        EDSCommitted committed = StoredIf(true);
        committed.PlacedParam = PasteParam(model, change.Param, change.Selected);
        return committed;
    }
    EDSCommitted
    operator()(IOInfoChange& change) const requires std::same_as<Model, CDeviceNetEDS> {
        return From(InsertIOInfo(model, change.Request, ui));
    }
    EDSCommitted
    operator()(EntryInsertChange& change) const requires std::same_as<Model, CEtherNetIPEDS> {
        return From(InsertEntry(model, change.Section, change.RowKey, change.Distance));
    }
    template <typename Other> EDSCommitted operator()(Other&) const { return {}; }
};

template <typename Model> EDSCommitted Apply(Model& model, EDSChange& change, IUserInterface& ui) {
    return std::visit(Rules<Model>{model, ui}, change);
}

} // namespace

CellChange CellChange::Of(const CellEdit& edit) {
    return {std::string(edit.Section), std::string(edit.RowKey), edit.Column,
            std::string(edit.Text), edit.Distance};
}

CellEdit CellChange::Edit() const {
    return {Section, RowKey, Column, Text, Distance};
}

EDSCommitted ApplyChange(CCANopenEDS& model, EDSChange change, IUserInterface& ui) {
    return Apply(model, change, ui);
}

EDSCommitted ApplyChange(CDeviceNetEDS& model, EDSChange change, IUserInterface& ui) {
    return Apply(model, change, ui);
}

EDSCommitted ApplyChange(CEtherNetIPEDS& model, EDSChange change, IUserInterface& ui) {
    return Apply(model, change, ui);
}

} // namespace corvid
