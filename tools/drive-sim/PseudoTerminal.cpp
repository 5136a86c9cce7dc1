#include "PseudoTerminal.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace corvid::sim {

namespace {

constexpr std::array<std::pair<speed_t, uint32_t>, 22> kBitRates = {{
    {B50, 50},         {B75, 75},         {B110, 110},       {B134, 134},       {B150, 150},
    {B200, 200},       {B300, 300},       {B600, 600},       {B1200, 1200},     {B1800, 1800},
    {B2400, 2400},     {B4800, 4800},     {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
    {B57600, 57600},   {B115200, 115200}, {B230400, 230400}, {B460800, 460800}, {B500000, 500000},
    {B576000, 576000}, {B921600, 921600},
}};

std::optional<uint32_t> BitRateOf(speed_t speed) {
    for (const auto& [code, rate] : kBitRates)
        if (code == speed)
            return rate;
    return std::nullopt;
}

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
    // Whether this kernel keeps data bits and parity on a pseudo-terminal.
    termios probe = settings;
    probe.c_cflag = (probe.c_cflag & ~CSIZE) | CS7 | PARENB;
    termios kept{};
    dataBitsAndParityShown_ = ::tcsetattr(master_, TCSANOW, &probe) == 0 &&
                              ::tcgetattr(master_, &kept) == 0 && (kept.c_cflag & CSIZE) == CS7 &&
                              (kept.c_cflag & PARENB) != 0;
    ::cfmakeraw(&settings);
    if (::tcsetattr(master_, TCSANOW, &settings) != 0) {
        error = SystemError("tcsetattr");
        return false;
    }
    return true;
}

std::optional<AppliedLine> CPseudoTerminal::AppliedSettings() const {
    termios settings{};
    if (::tcgetattr(master_, &settings) != 0)
        return std::nullopt;
    const auto bitRate = BitRateOf(::cfgetospeed(&settings));
    if (!bitRate)
        return std::nullopt;
    AppliedLine applied;
    applied.dataBitsAndParityShown = dataBitsAndParityShown_;
    LineSettings& line = applied.line;
    line.bitRate = *bitRate;
    switch (settings.c_cflag & CSIZE) {
    case CS7:
        line.framing.dataBits = 7;
        break;
    case CS8:
        line.framing.dataBits = 8;
        break;
    default:
        return std::nullopt;
    }
    // Parity codes of the serial port: 3 mark, 4 space.
    const bool odd = (settings.c_cflag & PARODD) != 0;
    if ((settings.c_cflag & PARENB) == 0)
        line.framing.parity = kParityNone;
    else if ((settings.c_cflag & CMSPAR) != 0)
        line.framing.parity = odd ? 3 : 4;
    else
        line.framing.parity = odd ? kParityOdd : kParityEven;
    line.framing.stopBits = (settings.c_cflag & CSTOPB) != 0 ? kStopBitsTwo : kStopBitsOne;
    return applied;
}

} // namespace corvid::sim
