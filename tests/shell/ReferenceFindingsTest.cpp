// The CANopen corpus against what an independent checker reports on it
// (reference/canopen-check-findings.json beside the corpus): every fault it
// finds is found at the same object, and the forms it flags that tools
// read ($NODEID sums, decimals for REAL types) are no errors here. Faults
// of an object list name the object in the message and stand on the list's
// line, where the user mends them. Skips without the folder.

#include "reports/EDSCheck.h"

#include "CheckFixture.h"
#include "TestFiles.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace corvid {
namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// A finding at the object or one of its sub-indexes, or on a list entry
// naming it.
bool AtObject(const CheckFinding& finding, const std::string& object) {
    const std::string section = Upper(finding.section);
    const std::string wanted = Upper(object);
    return section == wanted || section.starts_with(wanted + "SUB") ||
           finding.message.find("0x" + wanted) != std::string::npos;
}

TEST(ReferenceFindings, CANopenCorpusFaultsAreFoundAtTheirObject) {
    const std::filesystem::path reference = std::filesystem::path(CORVID_CORPUS_DIR).parent_path() /
                                            "reference" / "canopen-check-findings.json";
    const std::filesystem::path corpus = test::CorpusFolder("canopen");
    if (corpus.empty() || !std::filesystem::exists(reference))
        GTEST_SKIP() << "no corpus or reference findings beside " << CORVID_CORPUS_DIR
                     << ": skipped";
    const nlohmann::json files = nlohmann::json::parse(std::ifstream(reference));
    size_t compared = 0;
    for (const auto& [name, report] : files.items()) {
        const std::filesystem::path path = corpus / name;
        // A file the other checker could not read is no comparison.
        if (!std::filesystem::exists(path) || !report.value("loads", true))
            continue;
        const CheckFindings findings = CheckEDSFileText(test::ReadFile(path), path.string());
        for (const nlohmann::json& fault : report["findings"]) {
            const std::string object = fault["section"].get<std::string>();
            const bool accepted = fault.value("tools_accept", false);
            const bool found =
                std::any_of(findings.begin(), findings.end(), [&](const CheckFinding& finding) {
                    return AtObject(finding, object) &&
                           (accepted ? finding.severity == Severity::Error
                                     : finding.severity != Severity::Note);
                });
            EXPECT_EQ(found, !accepted)
                << name << " [" << object << "] " << fault["finding"].get<std::string>() << "\n"
                << test::Listed(findings);
            ++compared;
        }
    }
    EXPECT_GT(compared, 0u);
}

} // namespace
} // namespace corvid
