#include "dictionaries/ConfigureFile.h"

#include "dictionaries/ModuleFolder.h"
#include "dictionaries/ProfileFile.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace corvid {

namespace {

bool ProgramFolderWritable() {
    return !ModuleFolderInstalled() && ::access(ModuleFolder().c_str(), W_OK) == 0;
}

std::string UserFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        return std::string(config) + "/corvid/";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config/corvid/";
}

// The first file that has the key answers, even with an empty value; only a
// missing key falls through to the next file.
std::optional<std::string> ConfigureValue(const std::string& section, const std::string& key) {
    for (const std::string& path : ConfigureReadPaths())
        if (auto value = ProfileValue(path, section, key))
            return value;
    return std::nullopt;
}

} // namespace

std::vector<std::string> ConfigureReadPaths() {
    const std::string programFile = ModuleFolder() + kConfigureFile;
    if (ProgramFolderWritable())
        return {programFile};
    return {UserFolder() + kConfigureFile, programFile};
}

std::string ConfigureWritePath() {
    return ConfigureReadPaths().front();
}

std::string ConfigureFileWithKey(const std::string& section, const std::string& key) {
    const std::vector<std::string> paths = ConfigureReadPaths();
    for (const std::string& path : paths)
        if (ProfileValue(path, section, key))
            return path;
    return paths.back();
}

std::string ConfigureString(const std::string& section, const std::string& key,
                            const std::string& defaultValue) {
    return ConfigureValue(section, key).value_or(defaultValue);
}

int ConfigureInt(const std::string& section, const std::string& key, int defaultValue) {
    return ProfileIntValue(ConfigureValue(section, key), defaultValue);
}

bool WriteConfigureString(const std::string& section, const std::string& key,
                          const std::string& value, std::string& error) {
    const std::string path = ConfigureWritePath();
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return WriteProfileString(path, section, key, value, error);
}

} // namespace corvid
