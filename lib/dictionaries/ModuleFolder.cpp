#include "dictionaries/ModuleFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace corvid {

namespace {

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ExecutableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return WithTrailingSlash(exe.parent_path().string());
}

} // namespace

std::string ModuleFolder() {
    // Read each time so tests can point it at fixture folders; the executable
    // path itself never changes while the program runs.
    if (const char* home = std::getenv("CORVID_HOME"); home != nullptr && *home != '\0')
        return WithTrailingSlash(home);
    static const std::string executableFolder = ExecutableFolder();
    return executableFolder;
}

} // namespace corvid
