#include "dictionaries/ConfigureFile.h"

#include "dictionaries/FileIO.h"
#include "dictionaries/ModuleFolder.h"
#include "dictionaries/ProfileFile.h"
#include "dictionaries/ProfileText.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace corvid {

namespace {

bool ProgramFolderWritable() {
    return ::access(ModuleFolder().c_str(), W_OK) == 0;
}

std::string UserFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        return std::string(config) + "/corvid/";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config/corvid/";
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
    for (const std::string& path : paths) {
        std::string text;
        std::string error;
        // A key that is present, even empty, answers; only a missing one
        // falls through to the next file.
        if (ReadWholeFile(path, text, error) && CProfileText(text).Value(section, key))
            return path;
    }
    return paths.back();
}

std::string ConfigureString(const std::string& section, const std::string& key,
                            const std::string& defaultValue) {
    return ProfileString(ConfigureFileWithKey(section, key), section, key, defaultValue);
}

int ConfigureInt(const std::string& section, const std::string& key, int defaultValue) {
    return ProfileInt(ConfigureFileWithKey(section, key), section, key, defaultValue);
}

bool WriteConfigureString(const std::string& section, const std::string& key,
                          const std::string& value, std::string& error) {
    const std::string path = ConfigureWritePath();
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return WriteProfileString(path, section, key, value, error);
}

} // namespace corvid
