// corvid-cli on what a file holds beyond the model, on unreadable inputs and
// on save targets that are not plain files.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;

const std::string kSample = std::string(CORVID_SAMPLES_DIR) + "/servo_drive.eds";

// kind and open name them the same way (CliTest).
TEST(CliDump, UnreadableFileIsNamedWithTheReason) {
    test::TempFolder folder;
    const CliRun dump = Cli("dump " + folder.File("none.eds"));
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_NE(dump.out.find(": unreadable: No such file or directory"), std::string::npos);
    const CliRun as = Cli("dump --as devicenet " + folder.File("none.eds"));
    EXPECT_EQ(as.exitCode, 1);
    EXPECT_NE(as.out.find("No such file or directory"), std::string::npos);
}

TEST(CliDump, AsAKindTheFileDoesNotHoldSaysSoAndStillPrints) {
    test::TempFolder folder;
    const CliRun run = Cli("dump --as devicenet " + kSample);
    EXPECT_EQ(run.exitCode, 0);
    const std::string warning = kSample + ": nothing of the DeviceNet kind in it";
    ASSERT_EQ(run.out.find("corvid-cli: " + warning), 0u) << run.out;
    const auto json = nlohmann::json::parse(run.out.substr(run.out.find('\n') + 1));
    EXPECT_EQ(json["kind"], "DeviceNet");

    // A CANopen file without [FileInfo] holds CANopen content: no warning.
    test::WriteFile(folder.path() / "nofi.eds", "[2000]\nParameterName=P\n");
    const CliRun canopen = Cli("dump --as canopen " + folder.File("nofi.eds"));
    EXPECT_EQ(canopen.out.find("nothing of the"), std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(canopen.out)["Objects"][0]["Index"], 0x2000);

    // Nor does a DeviceNet file whose only section holds parameters.
    test::WriteFile(folder.path() / "params.eds",
                    "[Params]\nParam1=0,,,0x0000,0xC7,2,\"a\",\"\",\"\",0,10,5,,,,,,,,,;\n");
    const CliRun params = Cli("dump --as devicenet " + folder.File("params.eds"));
    EXPECT_EQ(params.out.find("nothing of the"), std::string::npos) << params.out;
}

TEST(CliDump, CANopenKeptLinesAndSections) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "k.eds",
                    "\xEF\xBB\xBF[FileInfo]\nLastEDS=old.eds\n[DeviceInfo]\nCompactPDO=0x0\n"
                    "[Tools]\nItems=0\n[OptionalObjects]\nSupportedObjects=0\nNote=x\n"
                    "[1001]\n;StorageLocation=RAM\nParameterName=Error register\n");
    const CliRun run = Cli("dump " + folder.File("k.eds"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["ByteOrderMark"], 1);
    EXPECT_EQ(json["FileInfo"]["Kept"], nlohmann::json::array({"LastEDS=old.eds"}));
    EXPECT_EQ(json["DeviceInfo"]["Kept"], nlohmann::json::array({"CompactPDO=0x0"}));
    EXPECT_EQ(json["OptionalObjects"]["Kept"], nlohmann::json::array({"Note=x"}));
    EXPECT_EQ(json["Objects"][0]["Kept"], nlohmann::json::array({";StorageLocation=RAM"}));
    EXPECT_EQ(json["KeptSections"][0]["After"], "DeviceInfo");
    EXPECT_EQ(json["KeptSections"][0]["Header"], "[Tools]");
    EXPECT_EQ(json["KeptSections"][0]["Lines"], nlohmann::json::array({"Items=0"}));
}

TEST(CliDump, KeptLinesUnderKeptPerSection) {
    test::TempFolder folder;
    test::WriteFile(
        folder.path() / "kept.eds",
        "\xEF\xBB\xBF[File]\r\n  Revision = 1;\r\n  Vendor_Key = \"a\";  $ why\r\n"
        "[1_ALARM]\r\n  _Thing = 1,\r\n    2;\r\n\r\n[Capacity]\r\nTSpec1 = TxRx, 8, 100;\r\n");
    const CliRun run = Cli("dump --as ethernetip " + folder.File("kept.eds"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto kept = nlohmann::json::parse(run.out)["Kept"];
    EXPECT_EQ(kept["ByteOrderMark"], true);
    EXPECT_EQ(kept["Entries"], (nlohmann::json{{"File", {"  Vendor_Key = \"a\";  $ why"}}}));
    EXPECT_EQ(kept["Sections"],
              (nlohmann::json::array({{{"After", "File"},
                                       {"Header", "[1_ALARM]"},
                                       {"Lines", {"  _Thing = 1,", "    2;"}}}})));
}

// The target of a save keeps what it is: a link stays a link to the file
// written; a pipe, standing in for a device, is refused and stays a pipe.
TEST(CliResave, TargetsThatAreLinksOrNoRegularFiles) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "real.eds", "old");
    std::filesystem::create_symlink("real.eds", folder.path() / "link.eds");
    ASSERT_EQ(Cli("resave " + kSample + " " + folder.File("link.eds")).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.eds"));
    EXPECT_EQ(test::ReadFile(folder.path() / "real.eds").rfind("; HALVARD", 0), 0u);

    const auto pipe = folder.path() / "pipe.eds";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const CliRun refused = Cli("resave " + kSample + " " + pipe.string());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.out.find("not a regular file"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

} // namespace
} // namespace corvid
