#pragma once

// What a reader passed over, with where it stood. Callers that do not care
// pass nothing; what the reader reads does not depend on it.

#include <string>
#include <vector>

namespace corvid {

struct ReaderDiagnostic {
    std::string file;
    int line = 0; // 1-based; 0 when the place is the whole file
    std::string text;
};

using ReaderDiagnostics = std::vector<ReaderDiagnostic>;

inline void Note(ReaderDiagnostics* diagnostics, const std::string& file, int line,
                 std::string text) {
    if (diagnostics != nullptr)
        diagnostics->push_back({file, line, std::move(text)});
}

} // namespace corvid
