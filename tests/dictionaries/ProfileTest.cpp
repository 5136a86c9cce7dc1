#include "dictionaries/ProfileFile.h"
#include "dictionaries/ProfileText.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

const std::string kSettings = "; leading comment\n"
                              "[Serial]\n"
                              "Port = 3\n"
                              "  \n"
                              "Baud=19200\n"
                              "[serial]\n"
                              "Port=9\n"
                              "[Names]\n"
                              "Quoted=\"  padded \"\n"
                              "Plain =  some text  \n";

TEST(ProfileText, SectionsMatchRegardlessOfCaseFirstWins) {
    const CProfileText file(kSettings);
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"Serial", "serial", "Names"}));
    EXPECT_EQ(file.Section("SERIAL"), (std::vector<std::string>{"Port = 3", "Baud=19200"}));
    EXPECT_EQ(file.Value("serial", "PORT"), "3");
    EXPECT_EQ(file.Value("Names", "quoted"), "  padded ");
    EXPECT_EQ(file.Value("Names", "plain"), "some text");
    EXPECT_FALSE(file.Value("Names", "missing"));
    EXPECT_TRUE(file.Section("Missing").empty());
}

TEST(ProfileText, LineEndsAndLastLineWithoutEnd) {
    const CProfileText file("[A]\r\nx=1\r\n[ B ]\ny=2");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(file.Value("A", "x"), "1");
    EXPECT_EQ(file.Value("B", "y"), "2");
}

TEST(ProfileText, LongSectionIsNotCut) {
    std::string text = "[Big]\n";
    for (int i = 0; i < 5000; ++i)
        text += "Key" + std::to_string(i) + "=" + std::string(20, 'v') + "\n";
    EXPECT_EQ(CProfileText(text).Section("Big").size(), 5000u);
}

TEST(ProfileFile, MissingFileGivesDefaults) {
    const std::string path = "/nonexistent/corvid/settings.ini";
    EXPECT_TRUE(ProfileSectionNames(path).empty());
    EXPECT_EQ(ProfileString(path, "a", "b", "dflt"), "dflt");
    EXPECT_EQ(ProfileInt(path, "a", "b", 42), 42);
}

TEST(ProfileFile, IntegerValues) {
    test::TempFolder folder;
    const std::string path = folder.File("c.ini");
    test::WriteFile(path, "[S]\nA=12abc\nB=-7\nC=0x1F\nD=\nE=text\n");
    EXPECT_EQ(ProfileInt(path, "s", "a", 0), 12);
    EXPECT_EQ(ProfileInt(path, "s", "b", 0), -7);
    EXPECT_EQ(ProfileInt(path, "s", "c", 0), 31);
    EXPECT_EQ(ProfileInt(path, "s", "d", 5), 5);
    EXPECT_EQ(ProfileInt(path, "s", "e", 5), 0);
}

// A write replaces the value in place keeping every other line and the line
// ends, or adds the key at the end of its section before blank lines, or adds
// the section at the end.
TEST(WithProfileString, ReplacesOrAddsKeepingTheRest) {
    const struct {
        const char* before;
        const char* section;
        const char* key;
        const char* after;
    } cases[] = {
        {"; settings\r\n[Serial]\r\nport = 3  ; no comment\r\nBaud=9600\r\n\r\n[Other]\r\nX=1\r\n",
         "SERIAL", "Port",
         "; settings\r\n[Serial]\r\nport =v\r\nBaud=9600\r\n\r\n[Other]\r\nX=1\r\n"},
        {"[A]\nx=1\n\n[B]\ny=2\n", "a", "New", "[A]\nx=1\nNew=v\n\n[B]\ny=2\n"},
        {"[A]\nx=1", "A", "k", "[A]\nx=1\nk=v\n"},
        {"[A]\n", "A", "k", "[A]\nk=v\n"},
        {"", "S", "k", "[S]\r\nk=v\r\n"},
        {"[A]\nx=1", "S", "k", "[A]\nx=1\n[S]\nk=v\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithProfileString(c.before, c.section, c.key, "v"), c.after) << c.before;
}

TEST(WriteProfileString, WritesFileThatReadsBack) {
    test::TempFolder folder;
    const std::string path = folder.File("Configure.ini");
    std::string error;
    ASSERT_TRUE(WriteProfileString(path, "Serial", "Port", "4", error)) << error;
    ASSERT_TRUE(WriteProfileString(path, "Serial", "Baud", "19200", error)) << error;
    ASSERT_TRUE(WriteProfileString(path, "serial", "port", "7", error)) << error;
    EXPECT_EQ(test::ReadFile(path), "[Serial]\r\nPort=7\r\nBaud=19200\r\n");
    EXPECT_FALSE(WriteProfileString("/nonexistent/x.ini", "S", "k", "v", error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace corvid
