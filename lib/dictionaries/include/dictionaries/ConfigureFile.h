#pragma once

// Configure.ini: serial settings and the user's layout choices. It lives in
// the program folder; where that folder is not writable (an installed
// program), the user's own copy in $XDG_CONFIG_HOME/corvid/ (default
// ~/.config/corvid/) takes the writes and is read first, with the program
// folder's file still giving the values the user never changed.

#include <string>
#include <vector>

namespace corvid {

inline constexpr const char* kConfigureFile = "Configure.ini";

// The files a read looks in, first match wins.
std::vector<std::string> ConfigureReadPaths();
// The file a write goes to.
std::string ConfigureWritePath();

// The file a read of this key looks in: the first that has the key, else the
// program folder's.
std::string ConfigureFileWithKey(const std::string& section, const std::string& key);

std::string ConfigureString(const std::string& section, const std::string& key,
                            const std::string& defaultValue = {});
int ConfigureInt(const std::string& section, const std::string& key, int defaultValue);
// Creates the user's folder when needed. False with the system's error text
// when the value could not be stored.
bool WriteConfigureString(const std::string& section, const std::string& key,
                          const std::string& value, std::string& error);

} // namespace corvid
