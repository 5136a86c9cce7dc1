#include "door/KeptReach.h"

#include "canopen/CANopenFields.h"
#include "canopen/CANopenWriter.h"

#include <variant>

namespace corvid {

void CKeptReach::Follow(const CEDSHistory& history, size_t doneBefore) {
    const bool undo = history.DoneCount() < doneBefore;
    const EDSStep* step = undo                               ? history.RedoStep()
                          : history.DoneCount() > doneBefore ? history.UndoStep()
                                                             : nullptr;
    if (step != nullptr)
        std::visit([&](const auto& patch) { Record(patch, undo); }, step->Patch);
}

void CKeptReach::Reset() {
    known_ = true;
    before_.clear();
}

void CKeptReach::Forget() {
    known_ = false;
    before_.clear();
}

// The value a part had before the step is its Before, or its After when the
// step was taken back.
template <typename Patch>
void CKeptReach::RecordSection(const std::optional<Patch>& patch, std::string_view section,
                               bool undo) {
    KeptPart part{std::string(section), std::nullopt};
    if (patch && !before_.contains(part))
        before_.emplace(std::move(part), FormatCANopenSection(undo ? patch->After : patch->Before));
}

// Objects changed in place are parts; a run of objects that grew, shrank,
// or holds an object under another index or in another list is not.
template <typename Patch> bool CKeptReach::RecordObjects(const Patch& patch, bool undo) {
    const auto& was = undo ? patch.After : patch.Before;
    const auto& is = undo ? patch.Before : patch.After;
    if (was.size() != is.size())
        return false;
    for (size_t i = 0; i < was.size(); ++i)
        if (was[i].Index != is[i].Index || was[i].Category != is[i].Category)
            return false;
    for (const CANopenObject& object : was) {
        KeptPart part{{}, object.Index};
        if (!before_.contains(part))
            before_.emplace(std::move(part), FormatCANopenObjectSections(object));
    }
    return true;
}

void CKeptReach::Record(const ModelPatch<CCANopenEDS>& patch, bool undo) {
    if (!known_)
        return;
    const auto& [fileInfo, deviceInfo, dummyUsage, comments, objects, listKeptLines, keptSections] =
        patch;
    if (listKeptLines || keptSections || (objects && !RecordObjects(*objects, undo))) {
        Forget();
        return;
    }
    RecordSection(fileInfo, kFileInfoSection, undo);
    RecordSection(deviceInfo, kDeviceInfoSection, undo);
    RecordSection(dummyUsage, kDummyUsageSection, undo);
    RecordSection(comments, kCommentsSection, undo);
}

std::string RenderPart(const CCANopenEDS& model, const KeptPart& part) {
    if (part.Object) {
        const FindResult found = FindObject(model.Objects, *part.Object);
        return found.relation == FindRelation::Found
                   ? FormatCANopenObjectSections(model.Objects[*found.position])
                   : std::string();
    }
    if (part.Section == kFileInfoSection)
        return FormatCANopenSection(model.FileInfo);
    if (part.Section == kDeviceInfoSection)
        return FormatCANopenSection(model.DeviceInfo);
    if (part.Section == kDummyUsageSection)
        return FormatCANopenSection(model.DummyUsage);
    return FormatCANopenSection(model.Comments);
}

} // namespace corvid
