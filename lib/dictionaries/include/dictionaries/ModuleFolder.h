#pragma once

#include <string>

namespace corvid {

// The folder the program's own files (dictionaries, settings, catalogue) are
// read from, ending in "/": the folder of the running executable, unless the
// environment variable CORVID_HOME names another one.
std::string ModuleFolder();

} // namespace corvid
