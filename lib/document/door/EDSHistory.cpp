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
EDSCommitted Commit(Model& model, CEDSHistory& history, EDSChange change, IUserInterface& ui) {
    if (std::holds_alternative<UndoChange>(change))
        return Move(model, history.StepBack(), true);
    if (std::holds_alternative<RedoChange>(change))
        return Move(model, history.StepForward(), false);
    // The whole model is looked at once, before and after; only what
    // differs stays with the step.
    const auto before = ModelParts<Model>::Take(model);
    const EDSChange asked = change;
    EDSCommitted committed = ApplyChange(model, std::move(change), ui);
    if (!committed.Stored())
        return committed;
    if (auto patch = ModelParts<Model>::Diff(before, model)) {
        StepLabel label = LabelStep(model, asked, committed);
        history.Record({std::move(label.Name), std::move(label.Section), std::move(*patch)});
    }
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
