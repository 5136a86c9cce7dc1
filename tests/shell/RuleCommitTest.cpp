// The cells ask the rule set the Insert parameter dialog asks (ParamFormTest):
// a value the data type cannot hold is refused with the old value kept and
// the reason given; values out of order are stored with a warning line.

#include "editing/CellCommit.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

CCANopenEDS HeartbeatFile() {
    CCANopenEDS model;
    CANopenObject object;
    object.Index = 0x1017;
    object.Category = kCategoryOptional;
    object.DataType = 0x0006; // UNSIGNED16
    object.DefaultValue = "1000";
    object.HighLimit = "5000";
    model.Objects.push_back(object);
    return model;
}

struct ObjectCellCase {
    size_t column;
    const char* text;
    CommitStatus status;
    const char* message; // a part of it; empty: no message
};

class ObjectValueCellTest : public testing::TestWithParam<ObjectCellCase> {};

TEST_P(ObjectValueCellTest, AsksTheRulesOfTheDataType) {
    CCANopenEDS model = HeartbeatFile();
    const CommitResult result =
        CommitCell(model, CellEdit{"OptionalObjects", "1017", GetParam().column, GetParam().text});
    EXPECT_EQ(result.Status, GetParam().status) << result.Message;
    if (*GetParam().message == '\0')
        EXPECT_EQ(result.Message, "");
    else
        EXPECT_NE(result.Message.find(GetParam().message), std::string::npos) << result.Message;
    if (result.Status == CommitStatus::Refused) {
        EXPECT_EQ(model.Objects[0].DefaultValue, "1000");
        EXPECT_EQ(model.Objects[0].LowLimit, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ObjectValueCellTest,
    testing::Values(
        ObjectCellCase{4, "12a", CommitStatus::Refused,
                       "\"12a\" refused, Default Value 12a does not fit UNSIGNED16 (0 to 65535); "
                       "the value is unchanged."},
        ObjectCellCase{4, "70000", CommitStatus::Refused, "does not fit UNSIGNED16 (0 to 65535)"},
        ObjectCellCase{2, "-1", CommitStatus::Refused, "Low Limit -1 does not fit UNSIGNED16"},
        ObjectCellCase{4, "$NODEID+0x80", CommitStatus::Stored, ""},
        ObjectCellCase{4, "2000", CommitStatus::Stored, ""},
        ObjectCellCase{2, "9000", CommitStatus::Stored, "Low Limit 9000 is above High Limit 5000."},
        ObjectCellCase{4, "6000", CommitStatus::Stored,
                       "Default Value 6000 is above High Limit 5000."},
        ObjectCellCase{5, "UNSIGNED8", CommitStatus::Stored,
                       "High Limit 5000 does not fit UNSIGNED8 (0 to 255). Default Value 1000"}));

CDeviceNetEDS OneParamFile() {
    CDeviceNetEDS model;
    CEDSParam& param = model.Params.emplace_back();
    param.Number = 1;
    param.DataType = 0xC7; // UINT
    param.DataSize = 2;
    param.Minimum = "0";
    param.Maximum = "6000";
    param.Default = "100";
    return model;
}

TEST(ParamValueCells, RefuseWhatTheTypeCannotHoldWarnOfOrderAndFollowTheType) {
    CDeviceNetEDS model = OneParamFile();
    const auto commit = [&](size_t column, std::string_view text) {
        return CommitCell(model, CellEdit{"Params", "Param1", column, text});
    };
    EXPECT_EQ(commit(10, "70000").Status, CommitStatus::Refused);
    EXPECT_EQ(model.ParamAt(0).Maximum, "6000");
    const CommitResult crossed = commit(9, "6500");
    EXPECT_EQ(crossed.Status, CommitStatus::Stored);
    EXPECT_NE(crossed.Message.find("Minimum 6500 is above Maximum 6000."), std::string::npos);
    // A new data type brings its size and names the values it cannot hold.
    commit(9, "0");
    const CommitResult result = commit(4, "USINT");
    EXPECT_EQ(result.Status, CommitStatus::Stored);
    EXPECT_EQ(model.ParamAt(0).DataSize, 1);
    EXPECT_NE(result.Message.find("Maximum 6000 does not fit USINT (0 to 255)."), std::string::npos)
        << result.Message;
}

} // namespace
} // namespace corvid
