#include "dictionaries/ConfigureFile.h"
#include "dictionaries/ModuleFolder.h"

#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvid {
namespace {

// A program folder and a user configuration folder of the test's own.
class ConfigureFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(root.path() / "program");
        ::setenv("CORVID_HOME", (root.path() / "program").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (root.path() / "user").c_str(), 1);
        test::WriteFile(root.path() / "program" / kConfigureFile,
                        "[Comport]\ntestModbusID=7\ntestAdd=0x2120\n");
    }
    void TearDown() override {
        ::chmod((root.path() / "program").c_str(), 0755);
        ::unsetenv("CORVID_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
    }
    test::TempFolder root;
};

TEST_F(ConfigureFileTest, WritableProgramFolderHoldsTheFile) {
    std::string error;
    ASSERT_TRUE(WriteConfigureString("Comport", "testModbusID", "9", error)) << error;
    EXPECT_EQ(ConfigureInt("Comport", "testModbusID", 255), 9);
    EXPECT_EQ(ConfigureWritePath(), (root.path() / "program" / kConfigureFile).string());
    EXPECT_FALSE(std::filesystem::exists(root.path() / "user"));
}

// Root may write anywhere, so the read-only case runs in a child process
// that has given up root; as an ordinary user it runs in place.
bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ConfigureFileTest, ReadOnlyProgramFolderSendsWritesToTheUserCopy) {
    ::chmod(root.path().c_str(), 0777); // the user folder is made inside it
    ::chmod((root.path() / "program").c_str(), 0555);
    ::chmod((root.path() / "program" / kConfigureFile).c_str(), 0444);
    const std::string userFile = (root.path() / "user" / "corvid" / kConfigureFile).string();
    EXPECT_TRUE(AsOrdinaryUser([&] {
        std::string error;
        return WriteConfigureString("Comport", "testModbusID", "3", error) &&
               ConfigureWritePath() == userFile &&
               ConfigureInt("Comport", "testModbusID", 255) == 3 && // the user's copy first
               ConfigureInt("Comport", "testAdd", 0) == 0x2120 &&   // then the program's
               ConfigureString("Comport", "missing", "dflt") == "dflt";
    }));
    EXPECT_EQ(test::ReadFile(userFile), "[Comport]\r\ntestModbusID=3\r\n");
    EXPECT_EQ(test::ReadFile(root.path() / "program" / kConfigureFile),
              "[Comport]\ntestModbusID=7\ntestAdd=0x2120\n");
}

// A build tree keeps the data beside the programs; an installed program in
// .../bin reads .../share/corvid.
TEST_F(ConfigureFileTest, ProgramFolderOf_BuildTreeOrInstalledLayout) {
    const std::filesystem::path usr = root.path() / "usr";
    std::filesystem::create_directories(usr / "bin");
    EXPECT_EQ(ProgramFolderOf((usr / "bin").string()), (usr / "bin").string() + "/");
    std::filesystem::create_directories(usr / "share" / "corvid");
    EXPECT_EQ(ProgramFolderOf((usr / "bin").string() + "/"),
              (usr / "share" / "corvid").string() + "/");
    std::filesystem::create_directories(root.path() / "build" / "share" / "corvid");
    EXPECT_EQ(ProgramFolderOf((root.path() / "build" / "out").string()),
              (root.path() / "build" / "out").string() + "/");
}

} // namespace
} // namespace corvid
