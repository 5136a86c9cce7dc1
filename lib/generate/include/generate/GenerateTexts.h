#pragma once

// The new-file flows' texts, as the program's string table holds them. Log
// lines carry their own prefix and line end; a window and the command line
// show them alike.

#include <string>
#include <string_view>

namespace corvid::generate_texts {

inline constexpr std::string_view kAutoTestStart =
    "Auto Test:  Automatically testing serial port.\r\n";
inline constexpr std::string_view kAutoTestFailure =
    "Auto Test:  Failure to automatically test serial port.\r\n";
// The port's name goes where the original left a blank; the settings found
// follow it, so the box says what the lists now select.
inline constexpr std::string_view kAutoTestSuccess =
    "Auto Test:  Success in automatically testing serial port %s: %s, %s, address %s.\r\n";
inline constexpr std::string_view kAutoTestStopped =
    "Auto Test:  Automatic test of serial port stopped.\r\n";

inline constexpr std::string_view kOpenPortFailure = "Load File:  Failure to open serial port.\r\n";
inline constexpr std::string_view kConnectFailure =
    "Load File:  Failure to connect with VFD motor drive.\r\n";
inline constexpr std::string_view kLoadingCANopen = "Load File:  Loading CANopen EDS file.\r\n";
inline constexpr std::string_view kLoadingDeviceNet = "Load File:  Loading DeviceNet EDS file.\r\n";
inline constexpr std::string_view kReadingFrom = "Load File:  Reading data from %s\r\n";
inline constexpr std::string_view kReadingDrive =
    "Load File:  Reading data from VFD motor drive.\r\n";
inline constexpr std::string_view kAlreadyLoaded =
    "Load File:  File %s has already been loaded.\r\n";

// Our own additions, where the original went on silently or failed.
inline constexpr std::string_view kCannotRead = "Load File:  Cannot read %s: %s\r\n";
inline constexpr std::string_view kNoEtherNetIPGeneration =
    "Load File:  EtherNet/IP EDS files are not generated from a drive; choose a model "
    "from the catalogue.\r\n";
inline constexpr std::string_view kConfigureNotSaved =
    "Load File:  The serial settings could not be saved in %s: %s\r\n";
inline constexpr std::string_view kBadBitRate =
    "Load File:  Configure.ini: bit rate \"%s\" is not one of the list; using 9600.\r\n";
inline constexpr std::string_view kBadFraming =
    "Load File:  Configure.ini: framing \"%s\" is not one of the list; using 8 N 2 RTU.\r\n";
inline constexpr std::string_view kBadAddress =
    "Load File:  Configure.ini: address \"%s\" is not 0 to 255; using 255.\r\n";
inline constexpr std::string_view kNoIdentityObject =
    "Load File:  The template has no object 0x1018 with sub-indexes 2 and 3; its identity "
    "is not updated.\r\n";

// The caption of every warning box of these flows.
inline constexpr std::string_view kWarningCaption = "Warning";

// Fills the "%s" fields of a text, left to right.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace corvid::generate_texts
