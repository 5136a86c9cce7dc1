#pragma once

#include <string>

namespace corvid {

// The folder the program's own files (dictionaries, settings, catalogue) are
// read from, ending in "/": the folder of the running executable, or for a
// program installed in a "bin" folder the "share/corvid" folder beside it,
// unless the environment variable CORVID_HOME names another one.
std::string ModuleFolder();

// The program folder of an executable in `executableFolder` (ending in "/").
std::string ProgramFolderOf(const std::string& executableFolder);

// True when the program folder is an installed one (the "share/corvid"
// folder): it holds only what the package put there, so nothing of the
// user's is written into it, even by a user who could.
bool ModuleFolderInstalled();

} // namespace corvid
