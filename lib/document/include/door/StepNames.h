#pragma once

// What the Edit menu calls a step of the undo history ("Undo Edit Default
// Value of 1017", "Undo Delete Param8"), and the page it was made on, told
// from the change and the model after it.

#include "door/EDSChange.h"

#include <string>
#include <string_view>

namespace corvid {

namespace step_texts {
inline constexpr std::string_view kEdit = "Edit %s";         // a keyword
inline constexpr std::string_view kEditOf = "Edit %s of %s"; // a field or column of an entry
inline constexpr std::string_view kDelete = "Delete %s";
inline constexpr std::string_view kInsert = "Insert %s";
inline constexpr std::string_view kReplace = "Replace %s";
inline constexpr std::string_view kCut = "Cut %s";
inline constexpr std::string_view kPaste = "Paste %s";
} // namespace step_texts

struct StepLabel {
    std::string Name;
    std::string Section;
};

StepLabel LabelStep(const CCANopenEDS& model, const EDSChange& change,
                    const EDSCommitted& committed);
StepLabel LabelStep(const CDeviceNetEDS& model, const EDSChange& change,
                    const EDSCommitted& committed);
StepLabel LabelStep(const CEtherNetIPEDS& model, const EDSChange& change,
                    const EDSCommitted& committed);

} // namespace corvid
