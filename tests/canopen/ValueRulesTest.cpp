// The one rule set for CANopen values: what each data type holds, the order
// of limits and default, and where a new object belongs.

#include "canopen/CANopenValueRules.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

struct ValueCase {
    uint16_t dataType;
    const char* value;
    const char* fault; // empty: fits
};

class CANopenValueFaultTest : public testing::TestWithParam<ValueCase> {};

TEST_P(CANopenValueFaultTest, NamesFieldValueAndRange) {
    EXPECT_EQ(CANopenValueFault(kDefaultValueLabel, GetParam().value, GetParam().dataType),
              GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Types, CANopenValueFaultTest,
    testing::Values(
        ValueCase{0x0006, "65535", ""}, ValueCase{0x0006, "0xFFFF", ""},
        ValueCase{0x0006, "70000", "Default Value 70000 does not fit UNSIGNED16 (0 to 65535)."},
        ValueCase{0x0006, "12a", "Default Value 12a does not fit UNSIGNED16 (0 to 65535)."},
        ValueCase{0x0006, "-1", "Default Value -1 does not fit UNSIGNED16 (0 to 65535)."},
        ValueCase{0x0002, "-128", ""},
        ValueCase{0x0002, "128", "Default Value 128 does not fit INTEGER8 (-128 to 127)."},
        ValueCase{0x0015, "-9223372036854775808", ""}, ValueCase{0x001B, "0xFFFFFFFFFFFFFFFF", ""},
        ValueCase{0x001B, "0x1FFFFFFFFFFFFFFFF",
                  "Default Value 0x1FFFFFFFFFFFFFFFF does not fit UNSIGNED64 (0 to "
                  "18446744073709551615)."},
        ValueCase{0x0007, "0x1234LL",
                  "Default Value 0x1234LL does not fit UNSIGNED32 (0 to "
                  "4294967295)."},
        ValueCase{0x0007, "017", ""}, // octal
        ValueCase{0x0007, "$NODEID+0x180", ""}, ValueCase{0x0007, "0x180+$NODEID", ""},
        ValueCase{0x0007, "$NodeId + 0x180", ""}, ValueCase{0x0007, "$NODEID", ""},
        ValueCase{0x0007, "\\+384",
                  "Default Value \\+384 does not fit UNSIGNED32 (0 to "
                  "4294967295)."},
        ValueCase{0x0001, "1", ""},
        ValueCase{0x0001, "2", "Default Value 2 does not fit BOOLEAN (0 or 1)."},
        ValueCase{0x0008, "0.0", ""}, ValueCase{0x0008, "-1.5e3", ""},
        ValueCase{0x0008, "0x3F800000", ""},
        ValueCase{0x0008, "0.0f", "Default Value 0.0f does not fit REAL32 (a number)."},
        ValueCase{0x0008, "1e39", "Default Value 1e39 does not fit REAL32 (a number)."},
        ValueCase{0x0011, "1e39", ""}, ValueCase{0x0009, "any text, 12a", ""},
        ValueCase{0x000A, "01 02 zz", ""}, ValueCase{0x000F, "file.bin", ""},
        ValueCase{0x0006, "", ""},      // no value
        ValueCase{0x0099, "12a", ""})); // a type the rules do not know

TEST(CANopenLimitOrderFault, WarnsOfCrossedLimitsAndADefaultOutside) {
    CANopenObject record;
    record.DataType = 0x0006;
    record.LowLimit = "100";
    record.HighLimit = "200";
    record.DefaultValue = "150";
    EXPECT_EQ(CANopenLimitOrderFault(record), "");
    record.DefaultValue = "500";
    EXPECT_EQ(CANopenLimitOrderFault(record), "Default Value 500 is above High Limit 200.");
    record.DefaultValue = "0x10";
    EXPECT_EQ(CANopenLimitOrderFault(record), "Default Value 0x10 is below Low Limit 100.");
    record.LowLimit = "9000";
    EXPECT_EQ(CANopenLimitOrderFault(record), "Low Limit 9000 is above High Limit 200.");
    record.DefaultValue = "$NODEID+0x180"; // relative to the node: cannot be told
    record.LowLimit = "1";
    EXPECT_EQ(CANopenLimitOrderFault(record), "");
}

// The ranges' inner points are read and placed in KeepingTest's
// UnlistedObjects and ObjectEditingTest's Insert_TakesTheCategoryOfItsIndex.
TEST(CategoryOfIndex, FollowsTheIndexRanges) {
    EXPECT_EQ(CategoryOfIndex(0x1001), kCategoryMandatory);
    EXPECT_EQ(CategoryOfIndex(0x1FFF), kCategoryOptional);
    EXPECT_EQ(CategoryOfIndex(0x5FFF), kCategoryManufacturer);
    EXPECT_EQ(CategoryOfIndex(0x6000), kCategoryOptional);
}

} // namespace
} // namespace corvid
