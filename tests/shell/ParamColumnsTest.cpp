// The parameter table's column widths: kept in Configure.ini across runs,
// hidden and shown again by the column commands.

#include "pages/ParamColumns.h"

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

// A key the file lacks keeps the width a missing file gives.
TEST_F(ParamColumnsTest, LoadDefaultsToggleAndSave) {
    const std::vector<int> defaults = LoadParamColumnWidths();
    ASSERT_EQ(defaults.size(), 22u);
    test::WriteFile(folder.path() / kConfigureFile, "[DeviceNet]\r\nlinkPath=200\r\ngroup=0\r\n");
    std::vector<int> expected = defaults;
    expected[1] = 200;
    expected[21] = 0;
    EXPECT_EQ(LoadParamColumnWidths(), expected);
    // A hidden column is shown again at its default width.
    EXPECT_EQ(ToggledParamColumnWidth(1, 200), 0);
    EXPECT_EQ(ToggledParamColumnWidth(1, 0), defaults[1]);

    // Saved widths survive a restart.
    std::vector<int> widths = LoadParamColumnWidths();
    widths[1] = 0;
    widths[11] = 123;
    std::string error;
    ASSERT_TRUE(SaveParamColumnWidths(widths, error)) << error;
    EXPECT_EQ(LoadParamColumnWidths(), widths);
    // The key keeps the spelling existing settings files carry.
    EXPECT_EQ(ConfigureInt("DeviceNet", "multipliter", 0), 123);
}

} // namespace
} // namespace corvid
