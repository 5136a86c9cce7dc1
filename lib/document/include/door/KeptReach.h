#pragma once

// What the changes to a file since its render as read have touched: the
// parts of the model (a keyword section, an object with its sub-indexes),
// each with the writer's render of it as it was before its first change. A
// save in the file's own layout then renders only those parts again instead
// of the whole model. A step that adds, removes or renumbers objects, or
// changes what no part covers (lines and sections kept from the file),
// leaves the reach unknown, and the save renders the whole model.

#include "door/EDSHistory.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace corvid {

// A keyword section named as its page names it ("FileInfo"), or an object
// by its index.
struct KeptPart {
    std::string Section;
    std::optional<uint16_t> Object;
    auto operator<=>(const KeptPart&) const = default;
};

class CKeptReach {
public:
    // After a commit: the step it did, undid or redid, when it moved the
    // history away from `doneBefore` (CEDSHistory::DoneCount before it).
    void Follow(const CEDSHistory& history, size_t doneBefore);

    // The model is again what the file's text reads as: nothing touched.
    void Reset();
    // What changed since the text was read is no longer known.
    void Forget();

    bool Known() const { return known_; }
    // Each part touched, with its render before its first change.
    const std::map<KeptPart, std::string>& Before() const { return before_; }

private:
    void Record(const ModelPatch<CCANopenEDS>& patch, bool undo);
    // DeviceNet and EtherNet/IP parts are not told apart: their saves
    // render the whole model.
    void Record(const ModelPatch<CDeviceNetEDS>&, bool) { Forget(); }
    void Record(const ModelPatch<CEtherNetIPEDS>&, bool) { Forget(); }

    template <typename Patch>
    void RecordSection(const std::optional<Patch>& patch, std::string_view section, bool undo);
    template <typename Patch> bool RecordObjects(const Patch& patch, bool undo);

    bool known_ = true;
    std::map<KeptPart, std::string> before_;
};

// The writer's render of a part of the model as it is now.
std::string RenderPart(const CCANopenEDS& model, const KeptPart& part);

} // namespace corvid
