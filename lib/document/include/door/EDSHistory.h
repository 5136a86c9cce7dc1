#pragma once

// The undo history of one open file: the steps done on it, each a patch of
// the model and a name for the menu, with the place of the state last saved.
// Undoing back to that place leaves the file unmodified; redoing away from
// it modifies it again. A new change drops the steps undone.

#include "dictionaries/UserInterface.h"
#include "door/EDSChange.h"
#include "door/ModelPatch.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace corvid {

using EDSPatch =
    std::variant<ModelPatch<CCANopenEDS>, ModelPatch<CDeviceNetEDS>, ModelPatch<CEtherNetIPEDS>>;

struct EDSStep {
    std::string Name;    // "Edit Default Value of 1017", "Delete Param8"
    std::string Section; // the page the change was made on, shown again by undo and redo
    EDSPatch Patch;
};

class CEDSHistory {
public:
    // A file read from disk starts at its saved state; one Corvid made
    // (catalogue, drive) has no saved state until it is saved.
    explicit CEDSHistory(bool startsSaved);

    void Record(EDSStep step);
    // The step Undo would take back and the one Redo would do again.
    const EDSStep* UndoStep() const { return done_ > 0 ? &steps_[done_ - 1] : nullptr; }
    const EDSStep* RedoStep() const { return done_ < steps_.size() ? &steps_[done_] : nullptr; }
    size_t StepCount() const { return steps_.size(); }

    // How many steps are done: a step recorded or redone adds one, an undo
    // takes one back.
    size_t DoneCount() const { return done_; }
    void MarkSaved() { saved_ = done_; }
    bool AtSaved() const { return saved_ == done_; }

    // Moves over the step UndoStep or RedoStep names and returns it;
    // nullptr, not moving, when there is none.
    const EDSStep* StepBack();
    const EDSStep* StepForward();

private:
    std::vector<EDSStep> steps_;
    size_t done_ = 0;
    std::optional<size_t> saved_;
};

// Runs `change` on `model`. An undo or redo moves through `history`; any
// other change runs its editing rule and, when it changed the model, becomes
// the history's newest step.
EDSCommitted CommitToHistory(CCANopenEDS& model, CEDSHistory& history, EDSChange change,
                             IUserInterface& ui);
EDSCommitted CommitToHistory(CDeviceNetEDS& model, CEDSHistory& history, EDSChange change,
                             IUserInterface& ui);
EDSCommitted CommitToHistory(CEtherNetIPEDS& model, CEDSHistory& history, EDSChange change,
                             IUserInterface& ui);

} // namespace corvid
