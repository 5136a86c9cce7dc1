// corvid-cli edit: scripted changes give the file a user would get by making
// the same changes by hand, and a refused change writes nothing.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;

std::string ObjectFile(std::string_view vendorNumber, std::string_view subIndexes) {
    return "[FileInfo]\nFileName=e.eds\n[DeviceInfo]\nVendorName=V\nVendorNumber=" +
           std::string(vendorNumber) +
           "\n[MandatoryObjects]\nSupportedObjects=1\n1=0x1000\n"
           "[1000]\nParameterName=Device type\nObjectType=0x7\nDataType=0x0007\n"
           "AccessType=ro\nDefaultValue=0x00020192\nPDOMapping=0\n"
           "[ManufacturerObjects]\nSupportedObjects=1\n1=0x2000\n" +
           std::string(subIndexes);
}

const std::string kSub2 = "[2000sub2]\nParameterName=Second\nObjectType=0x7\nDataType=0x0006\n"
                          "AccessType=rw\nDefaultValue=2\nPDOMapping=0\n";

std::string Record(int subNumber, int highest, std::string_view sub1Default,
                   std::string_view more) {
    return "[2000]\nParameterName=Table\nObjectType=0x9\nSubNumber=" + std::to_string(subNumber) +
           "\n[2000sub0]\nParameterName=Number of entries\nObjectType=0x7\nDataType=0x0005\n"
           "AccessType=ro\nDefaultValue=0x" +
           std::to_string(highest) +
           "\nPDOMapping=0\n"
           "[2000sub1]\nParameterName=First\nObjectType=0x7\nDataType=0x0006\n"
           "AccessType=rw\nDefaultValue=" +
           std::string(sub1Default) + "\nPDOMapping=0\n" + std::string(more);
}

class CliEdit : public testing::Test {
protected:
    test::TempFolder folder;

    std::string Write(const std::string& name, const std::string& text) {
        test::WriteFile(folder.path() / name, text);
        return folder.File(name);
    }
    std::string Resaved(const std::string& text) { return test::Resaved(text, folder); }
};

TEST_F(CliEdit, SetsGiveTheFileOfTheSameChangesByHand) {
    const std::string in = Write("in.eds", ObjectFile("0x1", Record(3, 2, "1", kSub2)));
    const CliRun run = Cli("edit " + in + " " + folder.File("out.eds") +
                           " --set DeviceInfo:VendorNumber:Value=0x0000ABCD"
                           " --set 'ManufacturerObjects:2000sub1:Default Value= 0x10 '");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(test::ReadFile(folder.File("out.eds")),
              ObjectFile("0x0000ABCD", Record(3, 2, "0x10", kSub2)))
        << "the file's own layout, with each new value in the writer's form";
    EXPECT_NE(run.out.find("Save File:  2 lines changed in " + folder.File("out.eds")),
              std::string::npos)
        << run.out;
    ASSERT_EQ(Cli("edit " + in + " " + folder.File("out.eds") +
                  " --layout corvid --set DeviceInfo:VendorNumber:Value=0x0000ABCD"
                  " --set 'ManufacturerObjects:2000sub1:Default Value= 0x10 '")
                  .exitCode,
              0);
    EXPECT_EQ(test::ReadFile(folder.File("out.eds")),
              Resaved(ObjectFile("0xABCD", Record(3, 2, "0x10", kSub2))));
}

TEST_F(CliEdit, DeleteKeepsNumberOfEntriesRightAndNoAnswersNo) {
    const std::string in = Write("in.eds", ObjectFile("0x1", Record(3, 2, "1", kSub2)));
    ASSERT_EQ(
        Cli("edit " + in + " " + folder.File("out.eds") + " --delete ManufacturerObjects:2000sub2")
            .exitCode,
        0);
    EXPECT_EQ(test::ReadFile(folder.File("out.eds")), ObjectFile("0x1", Record(2, 1, "1", "")));

    const CliRun declined = Cli("edit --no " + in + " " + folder.File("kept.eds") +
                                " --delete ManufacturerObjects:2000sub2");
    EXPECT_EQ(declined.exitCode, 0);
    EXPECT_NE(
        declined.out.find("Do you want to delete this object?\r\n0x2000 sub-index 2 Second No"),
        std::string::npos);
    EXPECT_EQ(test::ReadFile(folder.File("kept.eds")), test::ReadFile(in));
}

TEST_F(CliEdit, ARefusedChangeStopsBeforeAnythingIsWritten) {
    const std::string in = Write("in.eds", ObjectFile("0x1", Record(3, 2, "1", kSub2)));
    const struct {
        const char* change;
        const char* says;
    } cases[] = {
        {"--set DeviceInfo:VendorNumber:Value=12a", "\"12a\" refused"},
        {"--set DeviceInfo:Nope:Value=1", "DeviceInfo Nope cannot be edited"},
        {"--set Nowhere:VendorNumber:Value=1", "no page Nowhere"},
        {"--set DeviceInfo:VendorNumber:Colour=1", "no column Colour"},
        {"--set DeviceInfo:VendorNumber", "expected PAGE:ROW:COLUMN=TEXT"},
        {"--delete ManufacturerObjects:2000sub0", "2000sub0 cannot be deleted"},
        {"--delete DeviceInfo:VendorName", "cannot be deleted"},
    };
    for (const auto& [change, says] : cases) {
        const CliRun run = Cli("edit " + in + " " + folder.File("out.eds") +
                               " --set DeviceInfo:VendorName:Value=W " + change);
        EXPECT_EQ(run.exitCode, 1) << change;
        EXPECT_NE(run.out.find(says), std::string::npos) << change << "\n" << run.out;
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.eds")) << change;
    }
}

} // namespace
} // namespace corvid
