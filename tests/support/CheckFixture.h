#pragma once

// Faults planted in a sound fixture file: each case replaces one text of the
// file, and the check must report the fault on the line where the
// replacement stands.

#include "TestFiles.h"

#include "dictionaries/CheckFinding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace corvid::test {

struct PlantedFault {
    const char* name;
    const char* find; // in the sound file
    const char* replace;
    Severity severity;
    const char* message; // a part of the message
    // Where the fault is reported: the line this text begins on in the
    // planted file; null for the line the replacement begins on.
    const char* at = nullptr;
};

inline std::string CheckFixtureText(const std::string& name) {
    return ReadFile(std::string(CORVID_TEST_DATA_DIR) + "/check/" + name);
}

// The file with the fault planted, and the line it stands on.
inline std::string Plant(const std::string& sound, const PlantedFault& fault, int& line) {
    std::string text = sound;
    const size_t at = text.find(fault.find);
    if (at == std::string::npos) {
        ADD_FAILURE() << "not in the sound file: " << fault.find;
        return text;
    }
    text.replace(at, std::string(fault.find).size(), fault.replace);
    const size_t where = fault.at == nullptr ? at : text.find(fault.at);
    EXPECT_NE(where, std::string::npos) << fault.at;
    line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + where, '\n'));
    return text;
}

inline bool ReportsAt(const CheckFindings& findings, int line, const PlantedFault& fault) {
    return std::any_of(findings.begin(), findings.end(), [&](const CheckFinding& finding) {
        return finding.line == line && finding.severity == fault.severity &&
               finding.message.find(fault.message) != std::string::npos;
    });
}

inline std::string Listed(const CheckFindings& findings) {
    std::string text;
    for (const CheckFinding& finding : findings)
        text += std::to_string(finding.line) + ": " + SeverityName(finding.severity) + ": [" +
                finding.section + "] " + finding.key + ": " + finding.message + "\n";
    return text;
}

// Nothing worse than a note.
inline bool Sound(const CheckFindings& findings) {
    return std::all_of(findings.begin(), findings.end(), [](const CheckFinding& finding) {
        return finding.severity == Severity::Note;
    });
}

} // namespace corvid::test
