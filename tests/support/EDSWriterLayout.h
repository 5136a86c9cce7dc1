#pragma once

// Whole files as the writers lay them out, kept under tests/data/written so
// a test compares every byte without spelling the file out line by line.

#include "TestFiles.h"

#include <string>

namespace corvid::test {

inline std::string WrittenFile(const std::string& name) {
    return ReadFile(std::string(CORVID_TEST_DATA_DIR) + "/written/" + name);
}

} // namespace corvid::test
