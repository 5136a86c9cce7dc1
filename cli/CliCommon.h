#pragma once

// What every corvid-cli command shares: exit codes and the way a command
// reports a failure.

#include <string>

namespace corvid::cli {

// Exit codes are part of the command line's interface.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work was tried and failed
inline constexpr int kExitUnusable = 2; // the input is of no kind we can handle

// Prints "corvid-cli: <text>" on stderr.
void PrintError(const std::string& text);

} // namespace corvid::cli
