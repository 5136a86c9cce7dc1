#include "dictionaries/FileIO.h"
#include "dictionaries/EDSFileHeader.h"

#include "TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvid {
namespace {

TEST(SaveFileReplacing, ReplacesAndLeavesNoTemporaryFile) {
    test::TempFolder folder;
    const std::string path = folder.File("out.eds");
    test::WriteFile(path, "old contents that are longer");
    std::string error;
    ASSERT_TRUE(SaveFileReplacing(path, "new", error)) << error;
    EXPECT_EQ(test::ReadFile(path), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(SaveFileReplacing, FailureLeavesPreviousFileUntouched) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::TempFolder folder;
    const std::string path = folder.File("keep.eds");
    test::WriteFile(path, "precious");
    ::chmod(folder.path().c_str(), 0555);
    std::string error;
    EXPECT_FALSE(SaveFileReplacing(path, "new", error));
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::ReadFile(path), "precious");
}

TEST(SaveFileReplacing, MissingFolderIsReportedWithSystemText) {
    std::string error;
    EXPECT_FALSE(SaveFileReplacing("/nonexistent/folder/x.eds", "x", error));
    EXPECT_EQ(error, "No such file or directory");
}

TEST(SaveFileReplacing, TargetThatIsAFolderFailsAndStays) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.path() / "dir.eds");
    std::string error;
    EXPECT_FALSE(SaveFileReplacing(folder.File("dir.eds"), "x", error));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "dir.eds"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ReadWholeFile, ReportsMissingFile) {
    std::string contents, error;
    EXPECT_FALSE(ReadWholeFile("/nonexistent/file", contents, error));
    EXPECT_EQ(error, "No such file or directory");
}

TEST(TitleFromPath, CutsAtEitherSeparatorAndLastDot) {
    EXPECT_EQ(TitleFromPath("/home/u/drive.v2.eds"), "drive.v2");
    EXPECT_EQ(TitleFromPath("C:\\EDS\\Drive.EDS"), "Drive");
    EXPECT_EQ(TitleFromPath("mixed\\dir/name.eds"), "name");
    EXPECT_EQ(TitleFromPath("dir.d/noext"), "noext");
    EXPECT_EQ(TitleFromPath("plain.eds"), "plain");
}

} // namespace
} // namespace corvid
