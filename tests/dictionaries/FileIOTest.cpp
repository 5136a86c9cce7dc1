#include "dictionaries/FileIO.h"
#include "dictionaries/EDSFileHeader.h"

#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvid {
namespace {

size_t EntriesIn(const test::TempFolder& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.path()),
                                             std::filesystem::directory_iterator()));
}

// A write that fails half way (here: the file size limit, which binds root
// too) must leave the previous file as it was; either way no temporary file
// stays behind.
TEST(SaveFileReplacing, ReplacesOnlyWhenTheWholeFileIsWritten) {
    test::TempFolder folder;
    const std::string path = folder.File("keep.eds");
    test::WriteFile(path, "old contents that are longer");
    std::string error;
    ASSERT_TRUE(SaveFileReplacing(path, "precious", error)) << error;
    EXPECT_EQ(test::ReadFile(path), "precious");
    EXPECT_EQ(EntriesIn(folder), 1u);

    {
        test::FileSizeLimit limit(1024);
        EXPECT_FALSE(SaveFileReplacing(path, std::string(4096, 'x'), error));
    }
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(test::ReadFile(path), "precious");
    EXPECT_EQ(EntriesIn(folder), 1u);
}

// Saving through links writes the file at the end of the chain (relative
// links resolved from their own folder) and keeps the links; a dangling link
// gets its file created.
TEST(SaveFileReplacing, SymbolicLinksStayAndTheirFileIsWritten) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.path() / "real");
    test::WriteFile(folder.path() / "real" / "drive.eds", "old");
    std::filesystem::create_symlink("real/drive.eds", folder.path() / "first.eds");
    std::filesystem::create_symlink(folder.path() / "first.eds", folder.path() / "second.eds");
    std::string error;
    ASSERT_TRUE(SaveFileReplacing(folder.File("second.eds"), "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "first.eds"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "second.eds"));
    EXPECT_EQ(test::ReadFile(folder.path() / "real" / "drive.eds"), "new");

    std::filesystem::create_symlink("later.eds", folder.path() / "dangling.eds");
    ASSERT_TRUE(SaveFileReplacing(folder.File("dangling.eds"), "made", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "dangling.eds"));
    EXPECT_EQ(test::ReadFile(folder.path() / "later.eds"), "made");

    std::filesystem::create_symlink("loop.eds", folder.path() / "loop.eds");
    EXPECT_FALSE(SaveFileReplacing(folder.File("loop.eds"), "x", error));
    EXPECT_EQ(error, "Too many levels of symbolic links");
}

// A pipe (standing in for a device) or a folder, named directly or through
// a link, is refused and stays what it is; nothing is left beside it.
TEST(SaveFileReplacing, TargetThatIsNoRegularFileIsRefusedAndStays) {
    test::TempFolder folder;
    const auto pipe = folder.path() / "pipe.eds";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink("pipe.eds", folder.path() / "to-pipe.eds");
    std::filesystem::create_directory(folder.path() / "dir.eds");
    std::filesystem::create_symlink("dir.eds", folder.path() / "to-dir.eds");
    std::string error;
    for (const char* name : {"pipe.eds", "to-pipe.eds"}) {
        EXPECT_FALSE(SaveFileReplacing(folder.File(name), "x", error)) << name;
        EXPECT_EQ(error, "not a regular file (a device, pipe or socket); left untouched");
    }
    for (const char* name : {"dir.eds", "to-dir.eds"}) {
        EXPECT_FALSE(SaveFileReplacing(folder.File(name), "x", error)) << name;
        EXPECT_EQ(error, "Is a directory");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "dir.eds"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              4);
}

TEST(TitleFromPath, CutsAtEitherSeparatorAndLastDot) {
    EXPECT_EQ(TitleFromPath("/home/u/drive.v2.eds"), "drive.v2");
    EXPECT_EQ(TitleFromPath("C:\\EDS\\Drive.EDS"), "Drive");
    EXPECT_EQ(TitleFromPath("mixed\\dir/name.eds"), "name");
    EXPECT_EQ(TitleFromPath("dir.d/noext"), "noext");
    EXPECT_EQ(TitleFromPath("plain.eds"), "plain");
}

TEST(ReadHeaderComment, TakesTheWritersOwnLinesBeforeTheFirstSection) {
    EDSFileHeader header;
    ReadHeaderComment(header,
                      "; HALVARD ELECTRONIC, INC.\r\n\r\n; Network: CANopen\r\n"
                      "; Modlue: CN-100\r\n; Device: VFD-E \r\n; Model: VFD-E  440V\r\n"
                      "[FileInfo]\r\n; Modlue: later\r\n",
                      kCANopenHeaderComment);
    EXPECT_EQ(header.Module, "CN-100");
    EXPECT_EQ(header.Device, "VFD-E "); // as written, trailing blank too
    EXPECT_EQ(header.Model, "VFD-E  440V");

    EDSFileHeader cip;
    cip.Model = "kept";
    ReadHeaderComment(cip, "$ Modlue:DN-100\n$ Device:\n  [File]\n$ Model:no\n", kCIPHeaderComment);
    EXPECT_EQ(cip.Module, "DN-100");
    EXPECT_EQ(cip.Device, "");
    EXPECT_EQ(cip.Model, "kept");
}

} // namespace
} // namespace corvid
