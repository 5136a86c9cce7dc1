#include "door/EDSHistory.h"

#include "door/StepNames.h"

namespace corvid {

namespace {

template <typename Model> EDSCommitted Move(Model& model, const EDSStep* step, bool undo) {
    EDSCommitted committed;
    committed.Status = step ? CommitStatus::Stored : CommitStatus::Declined;
    if (step)
        ModelParts<Model>::Apply(model, std::get<ModelPatch<Model>>(step->Patch), undo);
    return committed;
}

template <typename Model>
void RecordStep(const Model& model, CEDSHistory& history, const EDSChange& asked,
                const EDSCommitted& committed, ModelPatch<Model> patch) {
    StepLabel label = LabelStep(model, asked, committed);
    history.Record({std::move(label.Name), std::move(label.Section), std::move(patch)});
}

// The object whose cell a change of a CANopen object page names, by its
// place in the list; none for any other change.
std::optional<size_t> ObjectOfCell(const CCANopenEDS& model, const EDSChange& change) {
    const auto* cell = std::get_if<CellChange>(&change);
    if (cell == nullptr || ObjectListCategory(cell->Section) == 0)
        return std::nullopt;
    const std::optional<ObjectKey> key = ParseObjectRowKey(cell->RowKey);
    if (!key)
        return std::nullopt;
    const FindResult found = FindObject(model.Objects, key->Index);
    return found.relation == FindRelation::Found ? found.position : std::nullopt;
}

// Such a cell changes its object alone, in place (CommitCell): the step is
// found from a copy of that object instead of the file's thousands.
EDSCommitted CommitObjectCell(CCANopenEDS& model, CEDSHistory& history, EDSChange change,
                              size_t position, IUserInterface& ui) {
    CANopenObject before = model.Objects[position];
    const EDSChange asked = change;
    EDSCommitted committed = ApplyChange(model, std::move(change), ui);
    if (committed.Stored() && model.Objects[position] != before)
        RecordStep(model, history, asked, committed,
                   ModelParts<CCANopenEDS>::InPlace<&CCANopenEDS::Objects>(
                       position, std::move(before), model.Objects[position]));
    return committed;
}

template <typename Model>
EDSCommitted Commit(Model& model, CEDSHistory& history, EDSChange change, IUserInterface& ui) {
    if (std::holds_alternative<UndoChange>(change))
        return Move(model, history.StepBack(), true);
    if (std::holds_alternative<RedoChange>(change))
        return Move(model, history.StepForward(), false);
    if constexpr (std::is_same_v<Model, CCANopenEDS>)
        if (const std::optional<size_t> object = ObjectOfCell(model, change))
            return CommitObjectCell(model, history, std::move(change), *object, ui);
    // The whole model is looked at once, before and after; only what
    // differs stays with the step.
    const auto before = ModelParts<Model>::Take(model);
    const EDSChange asked = change;
    EDSCommitted committed = ApplyChange(model, std::move(change), ui);
    if (!committed.Stored())
        return committed;
    if (auto patch = ModelParts<Model>::Diff(before, model))
        RecordStep(model, history, asked, committed, std::move(*patch));
    return committed;
}

} // namespace

CEDSHistory::CEDSHistory(bool startsSaved) {
    if (startsSaved)
        saved_ = 0;
}

void CEDSHistory::Record(EDSStep step) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    // The saved state was among the steps just dropped: no undo reaches it.
    if (saved_ && *saved_ > done_)
        saved_.reset();
    steps_.push_back(std::move(step));
    ++done_;
}

const EDSStep* CEDSHistory::StepBack() {
    if (done_ == 0)
        return nullptr;
    return &steps_[--done_];
}

const EDSStep* CEDSHistory::StepForward() {
    if (done_ == steps_.size())
        return nullptr;
    return &steps_[done_++];
}

EDSCommitted CommitToHistory(CCANopenEDS& model, CEDSHistory& history, EDSChange change,
                             IUserInterface& ui) {
    return Commit(model, history, std::move(change), ui);
}

EDSCommitted CommitToHistory(CDeviceNetEDS& model, CEDSHistory& history, EDSChange change,
                             IUserInterface& ui) {
    return Commit(model, history, std::move(change), ui);
}

EDSCommitted CommitToHistory(CEtherNetIPEDS& model, CEDSHistory& history, EDSChange change,
                             IUserInterface& ui) {
    return Commit(model, history, std::move(change), ui);
}

} // namespace corvid
