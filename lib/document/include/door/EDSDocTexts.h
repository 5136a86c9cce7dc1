#pragma once

// The document set's texts, as the program's string table holds them.

#include "dictionaries/UserInterface.h"

#include <string_view>

namespace corvid::doc_texts {

inline constexpr std::string_view kCaption = kMessageCaption;
inline constexpr std::string_view kOpenFile = "Open File:  ";                   // 61216
inline constexpr std::string_view kAlreadyOpened = "  has already opened.\r\n"; // 61218
inline constexpr std::string_view kUnreadable = ": unreadable: "; // then the system's reason
inline constexpr std::string_view kSaveFile = "Save File:  Save file %s\r\n"; // 61221
inline constexpr std::string_view kSaveAsTitle = "Save As: %s (%s)";          // title, fieldbus
inline constexpr std::string_view kSaveFailed = "Save File:  Failure to save file %s: ";
inline constexpr std::string_view kDeleteFile = "Do you want to delete this EDS file?"; // 61220
inline constexpr std::string_view kUnsavedChanges = ", with unsaved changes";
inline constexpr std::string_view kRemoveFile = "Remove File:  %s\r\n";
inline constexpr std::string_view kSavePrompt = "Do you want to save changes to the file?";
inline constexpr std::string_view kTitleSuffix = " - Halvard Corvid";

} // namespace corvid::doc_texts
