#pragma once

// A file opened from disk is saved in its own layout: what the user did not
// change stays byte for byte as read, and a change is written at its own
// place (see dictionaries/KeptLayout.h). Files Corvid made have no text of
// their own and keep being written in Corvid's layout.

#include "dictionaries/KeptLayout.h"
#include "dictionaries/ModificationStamp.h"
#include "door/EDSDocKinds.h"
#include "door/KeptReach.h"

#include <optional>
#include <string>

namespace corvid {

// Remembers the writer's render of the model as read from its text, so a
// save in its own layout needs not read the text again. Call it before the
// first change.
template <typename Model> void KeepSourceRender(Model& model);

// The same for a model one step away from what its text reads as: `step`
// was just done, or with `undone` taken back. The step is reversed for the
// render and done again, which costs a render and no read of the text.
template <typename Model> void KeepRenderBefore(Model& model, const EDSStep& step, bool undone);

// Keeps the render as read, found by reading the text again, where the
// model has a text and no such render yet.
template <typename Model> void KeepRenderOfText(Model& model);

// The text a save in the file's own layout writes (Corvid's layout for a
// model without a text of its own). When the model differs from what was read, the
// modification keys the file has (CANopen ModificationDate and
// ModificationTime, DeviceNet and EtherNet/IP ModDate and ModTime) are set to
// `time` first, in the form the file gives them. With a known `reach`, only
// the parts it names are rendered where that tells what changed.
template <typename Model>
KeptLayoutResult FormatKeptLayout(Model& model, const StampTime& time,
                                  const CKeptReach* reach = nullptr);

// The same text without touching the modification keys, for reading what
// a save would write (the check of an open file) without changing the model.
// With a known `reach`, as FormatKeptLayout.
template <typename Model>
std::string KeptLayoutText(const Model& model, const CKeptReach* reach = nullptr);

// Saves in the file's own layout and takes the text written as the one the
// next save starts from. False with the system's reason when nothing was
// written.
// After a save that rendered only parts, the model has no render as read:
// the next change takes it.
template <typename Model>
bool WriteKeptLayout(Model& model, const std::string& path, const StampTime& time,
                     const CKeptReach* reach, size_t& changedLines, std::string& error);

// The log line after a save in the file's own layout:
// "Save File:  3 lines changed in /path/file.eds\r\n".
std::string ChangedLinesText(size_t changedLines, const std::string& path);

// Writes in Corvid's layout. A file opened from disk then has that layout as
// its own: the next save in its own layout starts from the text written.
template <typename Model>
bool WriteCorvidLayout(Model& model, const std::string& path, std::string& error);

// Save As: the name a CANopen FileName takes when it named the file saved
// before (`before`, a path); none when it named another file. Other
// fieldbuses have no such key.
std::optional<std::string> FollowedFileName(const CCANopenEDS& model, const std::string& before,
                                            const std::string& after);

} // namespace corvid
