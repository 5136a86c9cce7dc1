#include "dictionaries/ModuleFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace corvid {

namespace {

constexpr const char* kInstalledFolder = "../share/corvid/";

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

// A build tree keeps the data beside the executables; an installed program
// in .../bin finds it in .../share/corvid.
bool IsInstalledLayout(const std::string& executableFolder) {
    const std::filesystem::path folder(executableFolder);
    std::error_code error;
    return folder.parent_path().filename() == "bin" &&
           std::filesystem::is_directory(folder / kInstalledFolder, error);
}

struct RunningFolders {
    std::string executable;
    std::string program;
};

// The executable path itself never changes while the program runs.
const RunningFolders& Running() {
    static const RunningFolders folders = [] {
        std::string executable = ExecutableFolder();
        std::string program = ProgramFolderOf(executable);
        return RunningFolders{std::move(executable), std::move(program)};
    }();
    return folders;
}

const char* HomeOverride() {
    const char* home = std::getenv("CORVID_HOME");
    return home != nullptr && *home != '\0' ? home : nullptr;
}

} // namespace

std::string ProgramFolderOf(const std::string& executableFolder) {
    const std::string folder = WithTrailingSlash(executableFolder);
    if (!IsInstalledLayout(folder))
        return folder;
    return WithTrailingSlash(
        std::filesystem::path(folder + kInstalledFolder).lexically_normal().string());
}

std::string ModuleFolder() {
    // Read each time so tests can point it at fixture folders.
    if (const char* home = HomeOverride())
        return WithTrailingSlash(home);
    return Running().program;
}

bool ModuleFolderInstalled() {
    return HomeOverride() == nullptr && Running().program != Running().executable;
}

} // namespace corvid
