#include "PseudoTerminal.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace corvid::sim {

namespace {

std::string SystemError(const char* call) {
    return std::string(call) + ": " + std::strerror(errno);
}

} // namespace

CPseudoTerminal::~CPseudoTerminal() {
    if (keeper_ >= 0)
        ::close(keeper_);
    if (master_ >= 0)
        ::close(master_);
}

bool CPseudoTerminal::Open(std::string& error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) {
        error = SystemError("posix_openpt");
        return false;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = SystemError("unlockpt");
        return false;
    }
    std::array<char, 128> name{};
    if (::ptsname_r(master_, name.data(), name.size()) != 0) {
        error = SystemError("ptsname_r");
        return false;
    }
    path_ = name.data();
    keeper_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keeper_ < 0) {
        error = SystemError(path_.c_str());
        return false;
    }
    // Raw from the start: a terminal that echoed would send each answer back
    // to the drive as if it were a request.
    termios settings{};
    if (::tcgetattr(master_, &settings) != 0) {
        error = SystemError("tcgetattr");
        return false;
    }
    ::cfmakeraw(&settings);
    if (::tcsetattr(master_, TCSANOW, &settings) != 0) {
        error = SystemError("tcsetattr");
        return false;
    }
    return true;
}

void CPseudoTerminal::ReleaseExclusive() const {
    ::ioctl(keeper_, TIOCNXCL);
}

std::optional<SerialLineSettings> CPseudoTerminal::AppliedSettings() const {
    // A pseudo-terminal forces 8 data bits and no parity into c_cflag; the
    // serial port also sets ISTRIP and INPCK, which survive, and
    // LineSettingsFromTermios reads those.
    termios settings{};
    if (::tcgetattr(master_, &settings) != 0)
        return std::nullopt;
    return LineSettingsFromTermios(settings);
}

} // namespace corvid::sim
