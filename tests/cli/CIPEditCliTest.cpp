// corvid-cli edit on DeviceNet and EtherNet/IP files: the saved file equals
// the file a user gets by making the same changes by hand, renumbering and
// references included: in the file's own layout exactly, and in Corvid's
// layout as resave writes that file.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;

const std::string kSamples = CORVID_SAMPLES_DIR;

// Replaces the one occurrence of `from`, so a changed sample fails loudly.
void Change(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    ASSERT_EQ(text.find(from, at + 1), std::string::npos) << from;
    text.replace(at, from.size(), to);
}

// The sample as the lines read it, without CR, so changes can be written
// with "\n" alone.
std::string Sample(const std::string& name) {
    std::string text = test::ReadFile(kSamples + "/" + name);
    std::erase(text, '\r');
    return text;
}

// The time every edit here is stamped with: 2024-03-05 09:05:03 UTC.
void StampModification(std::string& text, const std::string& date, const std::string& time) {
    Change(text, "ModDate = " + date + ";", "ModDate = 03-05-2024;");
    Change(text, "ModTime = " + time + ";", "ModTime = 09:05:03;");
}

class CliEditCIP : public testing::Test {
protected:
    test::TempFolder folder;

    CliEditCIP() { ::setenv("SOURCE_DATE_EPOCH", "1709629503", 1); }
    ~CliEditCIP() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

    // The same changes saved in both layouts: the file's own gives the
    // changed text with its modification stamp (the sample's ModDate and
    // ModTime are `date` and `time`), Corvid's gives what resave makes of the
    // changed text.
    void ExpectBothLayouts(const std::string& sample, const std::string& changes,
                           const std::string& expected, const std::string& date,
                           const std::string& time) {
        const CliRun run = Edit(sample, changes);
        ASSERT_EQ(run.exitCode, 0) << run.out;
        std::string kept = Out();
        std::erase(kept, '\r');
        std::string stamped = expected;
        StampModification(stamped, date, time);
        EXPECT_EQ(kept, stamped);
        ASSERT_EQ(Edit(sample, changes + " --layout corvid").exitCode, 0);
        EXPECT_EQ(Out(), Resaved(expected));
    }

    std::string Resaved(const std::string& text) { return test::Resaved(text, folder); }
    CliRun Edit(const std::string& sample, const std::string& changes) {
        return Cli("edit " + kSamples + "/" + sample + " " + folder.File("out.eds") + " " +
                   changes);
    }
    std::string Out() { return test::ReadFile(folder.File("out.eds")); }
};

TEST_F(CliEditCIP, DeviceNetParametersRenumberWithStringsAndGroups) {
    std::string text = Sample("ac_drive_devicenet.eds");
    Change(text, "VendCode = 1187;", "VendCode = 1234;");
    Change(text, "\"Status only\"", "\"Status\"");
    Change(text,
           "        COSInfo =\n                0x0005,\n                1,\n                0;\n",
           "");
    Change(text, "MaxInst = 5;", "MaxInst = 4;");
    Change(text,
           "        Param2 =\n"
           "                0, 6, \"20 93 24 02 30 01\", 0x04, 0xC7, 2,\n"
           "                \"Accel Time\", \"s\", \"Time from zero to maximum speed\",\n"
           "                1, 6000, 50,\n"
           "                1, 10, 1, 0,\n"
           "                , , , , 1;\n",
           "");
    Change(text, "Param3 =\n                0, 6, \"20 93 24 03",
           "Param2 =\n                0, 6, \"20 93 24 03");
    Change(text, "\"Decel Time\"", "\"Speed\"");
    Change(text, "Param4 =\n                0, 6", "Param3 =\n                0, 6");
    Change(text, "Param5 =\n                0, 6", "Param4 =\n                0, 6");
    Change(text, "                0, 3, 0,\n                1, 1, 1, 0,",
           "                0, 3, 0,\n                1, 1, 1, -10,");
    Change(text, "Param5 = \"Stopped\"", "Param4 = \"Stopped\"");
    Change(text, "Group1 = \"Setup\", 3, 1, 2, 3;", "Group1 = \"Setup\", 2, 1, 2;");
    Change(text, "Group2 = \"Monitor\", 2, 4, 5;", "Group2 = \"Monitor\", 2, 3, 4;");
    ExpectBothLayouts("ac_drive_devicenet.eds",
                      "--set Params:Param3:ParameterName=Speed --set Device:VendCode:Value=1234"
                      " --set 'IO_Info:Input2+4:Value=Status' --set Params:Param5:Offset=-10"
                      " --delete Params:Param2 --delete IO_Info:COSInfo",
                      text, "11-02-2024", "16:05:12");
}

TEST_F(CliEditCIP, EtherNetIPReferencesFollowADeletedParameter) {
    const CliRun run =
        Edit("ethernetip_adapter.eds", "--set 'Assembly:Assem150+4:Value=8, Param4'"
                                       " --set 'Connection Manager:Connection2+4:Value=\"a,b\",1'"
                                       " --set 'Capacity:TSpec2+1:Value=8' --delete Params:Param2");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("Param2 is named by Group1, Assem100 member 2, Connection1, "
                           "Connection2. Yes"),
              std::string::npos)
        << run.out;

    std::string text = Sample("ethernetip_adapter.eds");
    Change(text,
           "        Param2 =\n"
           "                0,6,\"20 93 24 02 30 09\",0x00,0xC7,2,\n"
           "                \"Speed Reference\",\"rpm\",\"Belt motor speed command\",\n"
           "                0,3600,0,1,1,1,0,,,,,0;\n",
           "");
    Change(text, "Param3 =\n                0,,,0x30", "Param2 =\n                0,,,0x30");
    Change(text, "Param4 =\n                0,,,0x12", "Param3 =\n                0,,,0x12");
    Change(text, "Group1 = \"Commands\",2,1,2;", "Group1 = \"Commands\",1,1;");
    Change(text, "Group2 = \"Status\",2,3,4;", "Group2 = \"Status\",2,2,3;");
    Change(text, "16,Param2;", "16,;");
    Change(text, "16,Param3,\n                32,Param4;", "8,Param3,\n                32,Param3;");
    Change(text, "Param2,4,Assem100,", ",4,Assem100,");
    Change(text, "Param2,6,Assem150,      $ T->O", ",6,Assem150,      $ T->O");
    Change(text, "Param2,0,,\n                Param2,6,Assem150,\n                ,,,,",
           ",0,,\n                ,6,Assem150,\n                \"a,b\",1,,,");
    Change(text, "TSpec2 = TxRx, 6, 2000;", "TSpec2 = TxRx, 8, 2000;");
    ExpectBothLayouts("ethernetip_adapter.eds",
                      "--set 'Assembly:Assem150+4:Value=8, Param4'"
                      " --set 'Connection Manager:Connection2+4:Value=\"a,b\",1'"
                      " --set 'Capacity:TSpec2+1:Value=8' --delete Params:Param2",
                      text, "11-02-2025", "16:45:10");
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
        {"--set Params:Param1:Minimum=0,5", "refused"},
        {"--set Params:Param1:Multiplier=70000", "refused"},
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
