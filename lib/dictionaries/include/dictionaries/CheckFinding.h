#pragma once

// What a rule finds wrong with a value or a file. The editors show the
// message of a refused value; the check command prints every finding with
// where it stands.

#include <string>
#include <vector>

namespace corvid {

// error: no tool can use the value as written; warning: suspicious or
// against the format's rules; note: content kept without being understood.
enum class Severity { Note, Warning, Error };

inline const char* SeverityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        break;
    }
    return "note";
}

// A fault of one value or entry, before it is placed in a file.
struct RuleFault {
    Severity severity = Severity::Error;
    std::string message;
};

struct CheckFinding {
    std::string file;
    int line = 0; // 1-based; 0 for the file as a whole
    Severity severity = Severity::Error;
    std::string section; // as the file writes it, without brackets
    std::string key;
    std::string message;
};

using CheckFindings = std::vector<CheckFinding>;

} // namespace corvid
