#pragma once

// Runs corvid-cli as a script would and collects what it printed.

#include "TestFiles.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace corvid::test {

struct CliRun {
    int exitCode;
    std::string out; // standard output and standard error together
};

// `arguments` are already quoted for the shell.
inline CliRun Cli(const std::string& arguments) {
    const std::string command = std::string(CORVID_CLI) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, "popen failed"};
    std::string out;
    std::array<char, 4096> buffer;
    while (size_t count = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), count);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// `input` resaved by corvid-cli, then its output resaved again: both texts,
// which a stable writer makes equal.
struct ResavedTwice {
    bool ok; // both resaves exited 0
    std::string once;
    std::string twice;
};

inline ResavedTwice ResaveTwice(const std::string& input, const TempFolder& folder) {
    const std::string once = folder.File("once.eds");
    const std::string twice = folder.File("twice.eds");
    const bool ok = Cli("resave " + input + " " + once).exitCode == 0 &&
                    Cli("resave " + once + " " + twice).exitCode == 0;
    return {ok, ReadFile(once), ReadFile(twice)};
}

// `text` written as a file and resaved: the file a user gets by making the
// same changes by hand.
inline std::string Resaved(const std::string& text, const TempFolder& folder) {
    WriteFile(folder.path() / "by-hand.eds", text);
    const std::string out = folder.File("by-hand-out.eds");
    if (Cli("resave " + folder.File("by-hand.eds") + " " + out).exitCode != 0)
        return "<resave failed>";
    return ReadFile(out);
}

} // namespace corvid::test
