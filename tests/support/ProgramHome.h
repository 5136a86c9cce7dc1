#pragma once

// A program folder of its own for a test: a copy of the shipped data/ (the
// catalogue, DeviceName.ini, Configure.ini ...) that the test may change, named
// by CORVID_HOME while the object lives.

#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>

namespace corvid::test {

class ProgramHome {
public:
    ProgramHome() {
        std::filesystem::copy(CORVID_DATA_DIR, folder_.path(),
                              std::filesystem::copy_options::recursive);
        ::setenv("CORVID_HOME", folder_.path().c_str(), 1);
    }
    ~ProgramHome() { ::unsetenv("CORVID_HOME"); }
    ProgramHome(const ProgramHome&) = delete;
    ProgramHome& operator=(const ProgramHome&) = delete;

    const std::filesystem::path& path() const { return folder_.path(); }
    std::string File(const std::string& relative) const { return (path() / relative).string(); }
    void Write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((path() / relative).parent_path());
        WriteFile(path() / relative, text);
    }
    void Remove(const std::string& relative) const { std::filesystem::remove(path() / relative); }

private:
    TempFolder folder_;
};

} // namespace corvid::test
