#pragma once

// Runs corvid-drive-sim for a test: starts it, waits (bounded) for the first
// line it prints, the terminal path, and stops it by its process id. Also
// writes the drive description files it is fed.

#include "TestFiles.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace corvid::test {

// The drive description files shipped with the simulator.
inline const std::string kDrives = CORVID_DRIVES_DIR;

class DriveSimulator {
public:
    // `arguments` follow the program name: the drive file and any options.
    // The simulator's standard input is a pipe held here: if the test dies,
    // the pipe ends and the simulator stops with it.
    explicit DriveSimulator(const std::vector<std::string>& arguments) {
        int out[2];
        int in[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return;
        if (::pipe2(in, O_CLOEXEC) != 0) {
            ::close(out[0]);
            ::close(out[1]);
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        std::vector<std::string> all = {CORVID_DRIVE_SIM, "--stop-with-input"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, CORVID_DRIVE_SIM, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(in[0]);
        output_ = out[0];
        input_ = in[1];
        if (pid_ > 0)
            path_ = FirstLine();
    }

    ~DriveSimulator() {
        Stop();
        if (output_ >= 0)
            ::close(output_);
        if (input_ >= 0)
            ::close(input_);
    }
    DriveSimulator(const DriveSimulator&) = delete;
    DriveSimulator& operator=(const DriveSimulator&) = delete;

    // The terminal a master opens; empty when the simulator did not start.
    const std::string& path() const { return path_; }

    // Sends SIGTERM and waits for the exit; returns the exit status (-1 when
    // it did not exit normally).
    int Stop() {
        if (pid_ <= 0)
            return exitStatus_;
        ::kill(pid_, SIGTERM);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return exitStatus_;
    }

private:
    // Reads up to the first line feed, waiting at most 20 s in all.
    std::string FirstLine() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        std::string line;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd entry{output_, POLLIN, 0};
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0)
                break;
            char byte = 0;
            if (::read(output_, &byte, 1) != 1)
                break;
            if (byte == '\n')
                return line;
            line += byte;
        }
        return {};
    }

    pid_t pid_ = -1;
    int output_ = -1;
    int input_ = -1;
    int exitStatus_ = -1;
    std::string path_;
};

// A drive file in `folder`: 9600 8 N 2 RTU, address 1, no groups, with
// `fields` over that.
inline std::string DriveFile(const std::filesystem::path& folder, const nlohmann::json& fields) {
    nlohmann::json drive = {{"address", 1},
                            {"bitRate", 9600},
                            {"dataBits", 8},
                            {"stopBits", 2},
                            {"groups", nlohmann::json::array()}};
    drive.update(fields);
    static int count = 0;
    const std::filesystem::path path = folder / ("drive" + std::to_string(++count) + ".json");
    WriteFile(path, drive.dump());
    return path.string();
}

inline nlohmann::json Parameter(const std::string& name, int minimum, int maximum, int defaultValue,
                                int attribute = 0) {
    return {{"name", name},
            {"minimum", minimum},
            {"maximum", maximum},
            {"default", defaultValue},
            {"attribute", attribute}};
}

} // namespace corvid::test
