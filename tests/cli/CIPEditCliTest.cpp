// corvid-cli edit on DeviceNet and EtherNet/IP files: the saved file equals
// the file a user gets by making the same changes by hand, renumbering and
// references included.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;

const std::string kSamples = CORVID_SAMPLES_DIR;
const std::string kEdited = std::string(CORVID_TEST_DATA_DIR) + "/edit/";

class CliEditCIP : public testing::Test {
protected:
    test::TempFolder folder;

    CliEditCIP() { ::setenv("SOURCE_DATE_EPOCH", "1709629503", 1); }
    ~CliEditCIP() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

    // The same changes saved in both layouts give the files of tests/data/edit
    // named `edited`: the sample as a user changes it by hand, stamped at
    // 2024-03-05 09:05:03 in its own layout; in Corvid's, as resave writes
    // that hand-changed file. Returns what the first edit printed.
    std::string ExpectBothLayouts(const std::string& sample, const std::string& changes,
                                  const std::string& edited) {
        const CliRun run = Edit(sample, changes);
        EXPECT_EQ(run.exitCode, 0) << run.out;
        EXPECT_EQ(Out(), test::ReadFile(kEdited + edited + ".eds"));
        EXPECT_EQ(Edit(sample, changes + " --layout corvid").exitCode, 0);
        EXPECT_EQ(Out(), test::ReadFile(kEdited + edited + "_corvid.eds"));
        return run.out;
    }

    CliRun Edit(const std::string& sample, const std::string& changes) {
        return Cli("edit " + kSamples + "/" + sample + " " + folder.File("out.eds") + " " +
                   changes);
    }
    std::string Out() { return test::ReadFile(folder.File("out.eds")); }
};

// Param3 to Param5 become Param2 to Param4, with their enums and groups.
TEST_F(CliEditCIP, DeviceNetParametersRenumberWithStringsAndGroups) {
    ExpectBothLayouts("ac_drive_devicenet.eds",
                      "--set Params:Param3:ParameterName=Speed --set Device:VendCode:Value=1234"
                      " --set 'IO_Info:Input2+4:Value=Status' --set Params:Param5:Offset=-10"
                      " --delete Params:Param2 --delete IO_Info:COSInfo",
                      "devicenet_edited");
}

// Groups, assembly members and connections that named Param2 lose it; those
// that named later parameters follow the renumbering.
TEST_F(CliEditCIP, EtherNetIPReferencesFollowADeletedParameter) {
    const std::string out =
        ExpectBothLayouts("ethernetip_adapter.eds",
                          "--set 'Assembly:Assem150+4:Value=8, Param4'"
                          " --set 'Connection Manager:Connection2+4:Value=\"a,b\",1'"
                          " --set 'Capacity:TSpec2+1:Value=8' --delete Params:Param2",
                          "ethernetip_edited");
    EXPECT_NE(
        out.find("Param2 is named by Group1, Assem100 member 2, Connection1, Connection2. Yes"),
        std::string::npos)
        << out;
}

TEST_F(CliEditCIP, NoKeepsTheParameterAndBadRowsWriteNothing) {
    const CliRun declined = Cli("edit --no " + kSamples + "/ethernetip_adapter.eds " +
                                folder.File("out.eds") + " --delete Params:Param2");
    ASSERT_EQ(declined.exitCode, 0) << declined.out;
    EXPECT_EQ(Out(), test::ReadFile(kSamples + "/ethernetip_adapter.eds"))
        << "nothing changed: the file comes back byte for byte, unstamped";
    std::filesystem::remove(folder.path() / "out.eds");

    const struct {
        const char* change;
        const char* says;
    } cases[] = {
        {"--set 'Assembly:Assem100+4:Value=16,Param1,Param2'",
         "Assembly Assem100+4: \"16,Param1,Param2\" refused"},
        {"--set Assembly:Assem100:Value=x", "Assembly Assem100 cannot be edited"},
        {"--set Params:Param9:ParameterName=x", "cannot be edited"},
        {"--set Assembly:Assem100+x:Value=1", "expected ROW or ROW+N"},
        {"--delete Assembly:Revision", "cannot be deleted"},
    };
    for (const auto& [change, says] : cases) {
        const CliRun run = Edit("ethernetip_adapter.eds", change);
        EXPECT_EQ(run.exitCode, 1) << change;
        EXPECT_NE(run.out.find(says), std::string::npos) << change << "\n" << run.out;
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.eds")) << change;
    }
}

} // namespace
} // namespace corvid
