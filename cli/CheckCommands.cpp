#include "CheckCommands.h"

#include "CliCommon.h"

#include "dictionaries/FileIO.h"
#include "dictionaries/TextEncoding.h"
#include "reports/EDSCheck.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>
#include <memory>

namespace corvid::cli {

namespace {

// Exit codes of check: the worst finding decides.
inline constexpr int kExitWarnings = 1;
inline constexpr int kExitErrors = 2;

struct CheckOptions {
    std::vector<std::string> files;
    bool json = false;
};

// "FILE:LINE: severity: [section] key: message", leaving out what is empty.
std::string FindingLine(const CheckFinding& finding) {
    std::string line = finding.file + ":" + std::to_string(finding.line) + ": " +
                       SeverityName(finding.severity) + ": ";
    if (!finding.section.empty())
        line += "[" + finding.section + "] ";
    if (!finding.key.empty())
        line += finding.key + ": ";
    return line + finding.message;
}

// Texts from the file are bytes in its own code page; JSON takes UTF-8.
nlohmann::json FindingJson(const CheckFinding& finding) {
    return {{"file", DecodeForDisplay(finding.file)},
            {"line", finding.line},
            {"severity", SeverityName(finding.severity)},
            {"section", DecodeForDisplay(finding.section)},
            {"key", DecodeForDisplay(finding.key)},
            {"message", DecodeForDisplay(finding.message)}};
}

int ExitCodeOf(const CheckFindings& findings) {
    const CheckCounts counts = CountFindings(findings);
    if (counts.errors != 0)
        return kExitErrors;
    return counts.warnings != 0 ? kExitWarnings : kExitOk;
}

int RunCheck(const CheckOptions& options) {
    int code = kExitOk;
    nlohmann::json all = nlohmann::json::array();
    for (const std::string& file : options.files) {
        std::string text;
        std::string error;
        CheckFindings findings;
        if (!ReadWholeFile(file, text, error)) {
            // Named as the kind command names it, and no tool can use it.
            if (!options.json)
                std::cout << file << ": unreadable: " << error << '\n';
            findings.push_back({file, 0, Severity::Error, "", "", "unreadable: " + error});
        } else {
            findings = CheckEDSFileText(text, file);
            for (const CheckFinding& finding : findings)
                if (!options.json)
                    std::cout << FindingLine(finding) << '\n';
        }
        for (const CheckFinding& finding : findings)
            all.push_back(FindingJson(finding));
        code = std::max(code, ExitCodeOf(findings));
    }
    if (options.json)
        std::cout << all.dump(2) << '\n';
    return code;
}

} // namespace

void RegisterCheckCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CheckOptions>();
    auto* check = app.add_subcommand(
        "check", "Report the problems of EDS files: FILE:LINE: severity: [section] key: message. "
                 "Exit 0 when nothing worse than a note is found, 1 for warnings, 2 for errors");
    check->add_option("FILE", options->files, "EDS files")->required();
    check->add_flag("--json", options->json,
                    "Print one JSON array of {file, line, severity, section, key, message}");
    check->callback([options, &exitCode] { exitCode = RunCheck(*options); });
}

} // namespace corvid::cli
