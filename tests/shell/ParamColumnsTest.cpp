// The parameter table's column widths: kept in Configure.ini across runs,
// hidden and shown again by the column commands.

#include "shell/ParamColumns.h"

#include "TestFiles.h"
#include "dictionaries/ConfigureFile.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace corvid {
namespace {

class ParamColumnsTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("CORVID_HOME", folder.path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder.path() / "user").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("CORVID_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
    }
    test::TempFolder folder;
};

TEST_F(ParamColumnsTest, Load_DefaultsForMissingFileAndKeys) {
    const std::vector<int> defaults = LoadParamColumnWidths();
    ASSERT_EQ(defaults.size(), 22u);
    EXPECT_EQ(defaults[0], 60);
    EXPECT_EQ(defaults[1], 130);
    EXPECT_EQ(defaults[21], 40);

    test::WriteFile(folder.path() / kConfigureFile, "[DeviceNet]\r\nlinkPath=200\r\ngroup=0\r\n");
    const std::vector<int> widths = LoadParamColumnWidths();
    EXPECT_EQ(widths[1], 200);
    EXPECT_EQ(widths[21], 0);
    EXPECT_EQ(widths[2], 80);
}

TEST_F(ParamColumnsTest, Save_WidthsSurviveARestart) {
    std::vector<int> widths = LoadParamColumnWidths();
    widths[1] = 0;
    widths[11] = 123;
    std::string error;
    ASSERT_TRUE(SaveParamColumnWidths(widths, error)) << error;
    EXPECT_EQ(LoadParamColumnWidths(), widths);
    // The key keeps the spelling existing settings files carry.
    EXPECT_EQ(ConfigureInt("DeviceNet", "multipliter", 0), 123);
}

TEST(ParamColumns, Toggle_ShowsAgainAtTheDefaultWidth) {
    const int hidden = ToggledParamColumnWidth(1, 200);
    EXPECT_EQ(hidden, 0);
    EXPECT_EQ(ToggledParamColumnWidth(1, hidden), 130);
    EXPECT_EQ(ToggledParamColumnWidth(21, 0), 40);
}

} // namespace
} // namespace corvid
