// corvid-cli catalogue, load and generate, against the shipped catalogue and
// corvid-drive-sim.

#include "CliRunner.h"
#include "DriveSimulator.h"
#include "ProgramHome.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace corvid {
namespace {

using test::Cli;
using test::CliRun;
using test::DriveSimulator;
using test::kDrives;

const std::string kExpected = std::string(CORVID_TEST_DATA_DIR) + "/generate/";

// A program folder the commands may write Configure.ini into, and the time
// fixed for generated files.
class GenerateCli : public testing::Test {
protected:
    GenerateCli() { ::setenv("SOURCE_DATE_EPOCH", "1709629503", 1); }
    ~GenerateCli() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
    test::ProgramHome home;
    test::TempFolder out;
};

TEST_F(GenerateCli, CatalogueListsTheShippedCatalogue) {
    const CliRun json = Cli("catalogue --fieldbus ethernetip --json");
    ASSERT_EQ(json.exitCode, 0) << json.out;
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::parse(R"([{"fieldbus": "ethernetip",
        "module": "EN-100", "device": "Compact-E", "mode": "catalogue",
        "models": ["CE-075", "CE-150"]}])"));
    const CliRun tree = Cli("catalogue");
    ASSERT_EQ(tree.exitCode, 0);
    EXPECT_NE(tree.out.find("CANopen\n  CN-100\n    Servo-S (catalogue)\n      SV-200\n      "
                            "SV-400\n    VFD-B (drive)\n"),
              std::string::npos)
        << tree.out;
    EXPECT_NE(tree.out.find("  Wrenfold-2(WRF-N1)\n    VFD-E (drive)\n"), std::string::npos);
    EXPECT_NE(Cli("catalogue --fieldbus profibus").exitCode, 0);
}

TEST_F(GenerateCli, LoadWritesTheModelWithItsCatalogueNames) {
    const std::string file = out.File("sv.eds");
    const CliRun run = Cli("load --fieldbus canopen --module CN-100 --device Servo-S --model "
                           "SV-200 --out " +
                           file);
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::string text = test::ReadFile(file);
    EXPECT_NE(text.find("; Modlue: CN-100\r\n; Device: Servo-S\r\n; Model: SV-200\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("ProductName=SV-200 Servo Drive\r\n"), std::string::npos);
    const test::ResavedTwice resaved = test::ResaveTwice(file, out);
    EXPECT_EQ(resaved.once, text);

    const CliRun missing = Cli("load --fieldbus devicenet --module DN-100 --device Compact-D "
                               "--model CD-999 --out " +
                               out.File("none.eds"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.out.find("Load File:  Cannot read"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out.File("none.eds")));
}

// What a user gets from a drive: the file GenerationTest compares for every
// shipped drive and framing, and one that a resave reproduces byte for byte.
TEST_F(GenerateCli, WritesFilesThatResaveUnchanged) {
    DriveSimulator drive({kDrives + "/type7_rating.json"});
    for (const auto& [fieldbus, module] :
         {std::pair{"canopen", "CN-100"}, std::pair{"devicenet", "DN-100"}}) {
        const std::string file = out.File(std::string(fieldbus) + ".eds");
        const CliRun run = Cli("generate --fieldbus " + std::string(fieldbus) + " --module " +
                               module + " --device VFD-E --port " + drive.path() +
                               " --baud 19200 --framing '8 E 1 RTU' --out " + file);
        ASSERT_EQ(run.exitCode, 0) << run.out;
        EXPECT_NE(run.out.find("Load File:  Reading data from VFD motor drive.\nProgress: 0%\n"),
                  std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("Progress: 100%\n"), std::string::npos);
        const std::string text = test::ReadFile(file);
        EXPECT_EQ(text, test::ReadFile(kExpected + fieldbus + "_type7.eds"));
        const test::ResavedTwice resaved = test::ResaveTwice(file, out);
        ASSERT_TRUE(resaved.ok);
        EXPECT_EQ(resaved.once, text);
    }
}

TEST_F(GenerateCli, RefusesWhatCannotBeGeneratedAndAbortsWithoutAFile) {
    DriveSimulator drive({kDrives + "/type20_signed.json", "--silent", "0x0101"});
    const std::string file = out.File("x.eds");
    const CliRun catalogueMode = Cli("generate --fieldbus canopen --module CN-100 --device "
                                     "Servo-S --port " +
                                     drive.path() + " --out " + file);
    EXPECT_EQ(catalogueMode.exitCode, 1);
    EXPECT_NE(catalogueMode.out.find("CANopen/CN-100/Servo-S is no device of the catalogue"),
              std::string::npos);
    EXPECT_NE(Cli("generate --fieldbus ethernetip --module EN-100 --device Compact-E --port " +
                  drive.path() + " --out " + file)
                  .exitCode,
              0);

    const CliRun aborted = Cli("generate --fieldbus devicenet --module DN-100 --device VFD-C "
                               "--port " +
                               drive.path() + " --out " + file);
    EXPECT_EQ(aborted.exitCode, 1);
    EXPECT_NE(aborted.out.find("0x101! [Abort]\n"), std::string::npos);
    EXPECT_NE(aborted.out.find("no file was generated"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));

    const CliRun ignored = Cli("generate --fieldbus devicenet --module DN-100 --device VFD-C "
                               "--port " +
                               drive.path() + " --on-error ignore --out " + file);
    EXPECT_EQ(ignored.exitCode, 0) << ignored.out;
    // The ignored block: no name, no limits, and still a file that reads back.
    const std::string text = test::ReadFile(file);
    EXPECT_NE(text.find("\tParam5=\r\n\t\t0,\r\n\t\t7, \"20 65 25 02 01 30 01\",\r\n\t\t0x20,\r\n"
                        "\t\t0x02, 2,\r\n\t\t,\r\n\t\t,\r\n\t\t,\r\n\t\t, , ,\r\n"),
              std::string::npos);
    EXPECT_EQ(test::ResaveTwice(file, out).once, text);
}

} // namespace
} // namespace corvid
