#pragma once

// Runs corvid-cli as a script would and collects what it printed.

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

} // namespace corvid::test
