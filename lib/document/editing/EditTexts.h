#pragma once

// The questions and warnings of the DeviceNet and EtherNet/IP editors, and
// the one way they ask.

#include "canopen/CANopenObjectEditing.h"
#include "dictionaries/UserInterface.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvid::edit_texts {

inline constexpr std::string_view kDeleteCaption = "Delete"; // 61241
inline constexpr std::string_view kWarningCaption = "Warning";
inline constexpr std::string_view kIndexRange = "Index is from 1 to 65535.";

// "<what> has already existed! Do you want to replace it?"
std::string ReplaceQuestion(std::string_view what);

// A Yes/No question with the question icon; true on Yes.
bool AskYes(IUserInterface& ui, std::string_view text, std::string_view caption);

// The delete question, naming the entry by its key and its name (quotes
// taken off; none when empty), and who refers to it when anyone does.
bool AskDelete(IUserInterface& ui, std::string_view entry, std::string_view name,
               const std::vector<std::string>& namedBy);

} // namespace corvid::edit_texts
