// Parameter-table column widths: Configure.ini keys, defaults, and the
// toggle that brings a hidden column back at its default width.

#include "shell/ParamColumnWidths.h"

#include "TestFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace corvid {
namespace {

class ParamColumnWidthsTest : public testing::Test {
protected:
    void SetUp() override { ::setenv("CORVID_HOME", folder.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("CORVID_HOME"); }
    std::string Configure() const { return test::ReadFile(folder.path() / "Configure.ini"); }

    test::TempFolder folder;
};

TEST_F(ParamColumnWidthsTest, Load_MissingFileOrKeyGivesTheDefaults) {
    EXPECT_EQ(LoadParamColumnWidths().widths, ParamColumnWidths::Defaults().widths);
    test::WriteFile(folder.path() / "Configure.ini",
                    "[DeviceNet]\r\nlinkPath=200\r\nGROUP=-5\r\nhelpStr=\r\n");
    const ParamColumnWidths columns = LoadParamColumnWidths();
    EXPECT_EQ(columns.widths[1], 200);
    EXPECT_EQ(columns.widths[21], 0); // a negative width hides the column
    EXPECT_EQ(columns.widths[7], 90); // an empty value is a missing one
    EXPECT_EQ(columns.widths[0], 60);
}

TEST_F(ParamColumnWidthsTest, Save_WritesEveryKeyAndKeepsOtherLines) {
    test::WriteFile(folder.path() / "Configure.ini", "[Comport]\r\nBaudRate=9600\r\n");
    ParamColumnWidths columns = ParamColumnWidths::Defaults();
    columns.widths[1] = 0;
    columns.widths[11] = 77;
    std::string error;
    ASSERT_TRUE(SaveParamColumnWidths(columns, error)) << error;
    EXPECT_EQ(Configure().rfind("[Comport]\r\nBaudRate=9600\r\n[DeviceNet]\r\npathSize=60\r\n"
                                "linkPath=0\r\n",
                                0),
              0u);
    EXPECT_NE(Configure().find("\r\nmultipliter=77\r\n"), std::string::npos);
    EXPECT_EQ(LoadParamColumnWidths().widths, columns.widths);
}

TEST(ParamColumnWidths, Toggle_ShowsAHiddenColumnAtItsDefaultWidth) {
    ParamColumnWidths columns = ParamColumnWidths::Defaults();
    columns.widths[1] = 200;
    columns.Toggle(1);
    EXPECT_FALSE(columns.Shown(1));
    columns.Toggle(1);
    EXPECT_EQ(columns.widths[1], 130);
}

} // namespace
} // namespace corvid
