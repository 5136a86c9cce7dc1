// corvid-cli check: one line or one JSON object per problem, and an exit
// code a script can branch on.

#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace corvid {
namespace {

using test::Cli;

std::string Fixture(const std::string& name) {
    return std::string(CORVID_TEST_DATA_DIR) + "/check/" + name;
}

class CliCheck : public testing::Test {
protected:
    test::TempFolder folder;

    // The sound CANopen fixture with one text replaced.
    std::string Planted(const std::string& find, const std::string& replace) {
        std::string text = test::ReadFile(Fixture("canopen-clean.eds"));
        text.replace(text.find(find), find.size(), replace);
        test::WriteFile(folder.path() / "planted.eds", text);
        return folder.File("planted.eds");
    }
};

TEST_F(CliCheck, ExitCodeFollowsTheWorstFindingPrintedAsLinesOrJson) {
    EXPECT_EQ(Cli("check " + Fixture("canopen-clean.eds") + " " + Fixture("devicenet-clean.eds") +
                  " " + Fixture("ethernetip-clean.eds"))
                  .exitCode,
              0);
    EXPECT_EQ(Cli("check " + Planted("NrOfRXPDO=1", "NrOfRXPDO=2")).exitCode, 1);

    const std::string file = Planted("DefaultValue=1000", "DefaultValue=70000");
    const std::string message = "Default Value 70000 does not fit UNSIGNED16 (0 to 65535).";
    const test::CliRun run = Cli("check " + file);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.out.find(file + ":84: error: [1017] DefaultValue: " + message + "\n"),
              std::string::npos)
        << run.out;
    const test::CliRun json = Cli("check --json " + file + " " + Fixture("canopen-clean.eds"));
    EXPECT_EQ(json.exitCode, 2);
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::array({{{"file", file},
                                                                       {"line", 84},
                                                                       {"severity", "error"},
                                                                       {"section", "1017"},
                                                                       {"key", "DefaultValue"},
                                                                       {"message", message}}}))
        << json.out;
}

TEST_F(CliCheck, UnreadableFileIsNamedAsKindNamesIt) {
    const std::string missing = folder.File("missing.eds");
    const test::CliRun run = Cli("check " + missing);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out.rfind(missing + ": unreadable: ", 0), 0U) << run.out;
}

// A file in Windows-1252 gives its texts to JSON as UTF-8, not a crash.
TEST_F(CliCheck, JsonTakesTextsInTheFilesCodePage) {
    const std::string file = Planted("[Comments]", "[Extras\xFC]\nA=1\n[Comments]");
    const test::CliRun run = Cli("check --json " + file);
    EXPECT_EQ(run.exitCode, 1) << run.out;
    const nlohmann::json findings = nlohmann::json::parse(run.out);
    EXPECT_EQ(findings[0]["section"], "Extras\u00FC");
}

} // namespace
} // namespace corvid
