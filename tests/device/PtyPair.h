#pragma once

// A pseudo-terminal pair for device tests: the port under test opens the
// terminal side by its path; the test plays the far end on the other side and
// reads the terminal's settings through its own descriptor of it.

#include <fcntl.h>
#include <pty.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace corvid::test {

class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&far_, &terminal_, name, nullptr, nullptr) == 0)
            path_ = name;
    }
    ~PtyPair() {
        if (far_ >= 0)
            ::close(far_);
        if (terminal_ >= 0)
            ::close(terminal_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return !path_.empty(); }
    // The path a port opens.
    const std::string& path() const { return path_; }
    // The far end: what the port writes is read here, and the other way round.
    int far() const { return far_; }

    termios Attributes() const {
        termios attributes{};
        ::tcgetattr(terminal_, &attributes);
        return attributes;
    }

private:
    int far_ = -1;
    int terminal_ = -1;
    std::string path_;
};

} // namespace corvid::test
