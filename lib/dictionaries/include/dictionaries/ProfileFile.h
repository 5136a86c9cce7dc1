#pragma once

// The settings-file calls on paths: a missing file, section or key gives the
// default; nothing is cut, whatever its length. Each call reads the file
// afresh, so a file edited while the program runs takes effect at once.

#include <optional>
#include <string>
#include <vector>

namespace corvid {

std::vector<std::string> ProfileSectionNames(const std::string& path);
std::vector<std::string> ProfileSection(const std::string& path, const std::string& section);
std::string ProfileString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue = {});

// The value of the key, or none when the file, section or key is missing.
std::optional<std::string> ProfileValue(const std::string& path, const std::string& section,
                                        const std::string& key);

// A value read as ProfileInt reads it; the default for none or empty.
int ProfileIntValue(const std::optional<std::string>& value, int defaultValue);

// Leading sign and decimal digits of the value ("0x" hexadecimal also
// accepted); the default when the key is missing or its value is empty.
int ProfileInt(const std::string& path, const std::string& section, const std::string& key,
               int defaultValue);

// Replaces the key's value in place, or adds the key at the end of its
// section, or adds the section at the end of the file; every other line and
// the file's line ends stay. The file is replaced safely. On failure returns
// false with the system's error text in `error`.
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value, std::string& error);

// The same edit on text, for callers that hold the file themselves.
std::string WithProfileString(std::string_view text, const std::string& section,
                              const std::string& key, const std::string& value);

} // namespace corvid
