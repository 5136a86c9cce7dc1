#pragma once

// The rules by which the object dialog, Cut and Delete change a CANopen
// object dictionary. They keep the objects sorted by index, each object's
// SubNumber equal to its number of sub-index records, and sub-index 0
// ("Number of entries") at the highest sub-index present. Questions and
// refusals go through the user interface; a refusal leaves the model as it
// was, so the dialog can stay open for a correction.

#include "canopen/CANopenModel.h"
#include "dictionaries/UserInterface.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvid {

namespace object_texts {
inline constexpr std::string_view kPasteObject = "Paste Object";    // 61206
inline constexpr std::string_view kNewObject = "New Object";        // 61207
inline constexpr std::string_view kInvalidIndex = "Invalid Index!"; // 61208
inline constexpr std::string_view kReplaceIndex =
    "Index [%X] has already existed! Do you want to replace it?"; // 61209
inline constexpr std::string_view kNoSuchObject =
    "Object [%X] does not exist, you can not add subindex!"; // 61210
inline constexpr std::string_view kReplaceSubIndex =
    "Subindex [%Xsub%X] has already existed! Do you want to replace it?";               // 61211
inline constexpr std::string_view kDeleteObject = "Do you want to delete this object?"; // 61246
} // namespace object_texts

// The delete question of every editor: the question, then a line naming
// what goes ("0x2100 Motor settings", "Param8 Speed"), so a user who
// clicked the wrong row sees it before answering.
std::string DeleteQuestion(std::string_view what);

// Names one record of the dictionary: an object, or one of its sub-indexes.
struct ObjectKey {
    uint16_t Index = 0;
    std::optional<uint8_t> SubIndex;
    bool operator==(const ObjectKey&) const = default;
};

// The index typed in the dialog: hex digits without prefix, 0x1000 to
// 0xFFFF. Anything else (a prefix, a non-hex digit, more than 16 bits) is no
// index.
std::optional<uint16_t> ParseObjectIndexText(std::string_view text);

// The OK of the object dialog in either mode. `record` is what the dialog
// built: an object when its Category is not 0 (with the sub-index records a
// pasted object carries), else a single sub-index record. It is placed at
// `indexText`, asking before it replaces anything. Returns the key of the
// record placed, or nothing when the dialog must stay open.
std::optional<ObjectKey> ApplyObjectRecord(CCANopenEDS& model, CANopenObject record,
                                           std::string_view indexText, IUserInterface& ui);

// Delete and Cut are offered for every record but sub-index 0 of an object
// that has other sub-indexes.
bool CanRemoveObjectRecord(const CCANopenEDS& model, const ObjectKey& key);

// Takes the record out of the dictionary and returns it (Cut keeps it as the
// clipboard, Delete drops it); nothing when it cannot be removed.
std::optional<CANopenObject> RemoveObjectRecord(CCANopenEDS& model, const ObjectKey& key);

// Delete: asks first, then removes. True when a record was removed.
bool DeleteObjectRecord(CCANopenEDS& model, const ObjectKey& key, IUserInterface& ui);

// A structured object type (DEFSTRUCT, ARRAY, RECORD), the only kinds that
// may hold sub-indexes.
bool IsStructuredObjectType(uint8_t objectType);

} // namespace corvid
