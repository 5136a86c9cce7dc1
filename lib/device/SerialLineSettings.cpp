#include "device/SerialLineSettings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace corvid {

namespace {

constexpr std::array<std::pair<uint32_t, speed_t>, 30> kBitRates = {{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

std::optional<speed_t> SpeedOf(uint32_t baud) {
    const auto found = std::find_if(kBitRates.begin(), kBitRates.end(),
                                    [baud](const auto& entry) { return entry.first == baud; });
    if (found == kBitRates.end())
        return std::nullopt;
    return found->second;
}

std::optional<tcflag_t> CharacterSize(uint8_t dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return std::nullopt;
    }
}

uint8_t DataBitsOf(tcflag_t cflag) {
    switch (cflag & CSIZE) {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

} // namespace

bool ApplyLineSettings(const SerialLineSettings& settings, termios& attributes) {
    const std::optional<speed_t> speed = SpeedOf(settings.baud);
    const std::optional<tcflag_t> size = CharacterSize(settings.dataBits);
    const bool stopBitsKnown =
        settings.stopBits == kStopBitsOne || settings.stopBits == kStopBitsTwo;
    const bool flowKnown = settings.flowControl == kFlowNone ||
                           settings.flowControl == kFlowCtsRts ||
                           settings.flowControl == kFlowXonXoff;
    if (!speed || !size || !stopBitsKnown || !flowKnown || settings.parity > kParitySpace)
        return false;

    termios t = attributes;
    cfmakeraw(&t);
    cfsetispeed(&t, *speed);
    cfsetospeed(&t, *speed);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag = (t.c_cflag & ~CSIZE) | *size;
    t.c_iflag = settings.dataBits < 8 ? (t.c_iflag | ISTRIP) : (t.c_iflag & ~ISTRIP);

    t.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    t.c_iflag &= ~INPCK;
    if (settings.parity != kParityNone) {
        t.c_cflag |= PARENB;
        t.c_iflag |= INPCK;
        // With CMSPAR, PARODD chooses mark (always 1) rather than odd.
        if (settings.parity == kParityOdd || settings.parity == kParityMark)
            t.c_cflag |= PARODD;
        if (settings.parity == kParityMark || settings.parity == kParitySpace)
            t.c_cflag |= CMSPAR;
    }

    t.c_cflag = settings.stopBits == kStopBitsTwo ? (t.c_cflag | CSTOPB) : (t.c_cflag & ~CSTOPB);

    t.c_cflag &= ~CRTSCTS;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (settings.flowControl == kFlowCtsRts)
        t.c_cflag |= CRTSCTS;
    if (settings.flowControl == kFlowXonXoff) {
        t.c_iflag |= IXON | IXOFF;
        t.c_cc[VSTART] = 0x11;
        t.c_cc[VSTOP] = 0x13;
    }

    // Reads wait in poll with their own deadline, never in the driver.
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    attributes = t;
    return true;
}

std::optional<SerialLineSettings> LineSettingsFromTermios(const termios& attributes) {
    const speed_t speed = cfgetospeed(&attributes);
    const auto found = std::find_if(kBitRates.begin(), kBitRates.end(),
                                    [speed](const auto& entry) { return entry.second == speed; });
    if (found == kBitRates.end())
        return std::nullopt;

    SerialLineSettings settings;
    settings.baud = found->first;
    settings.dataBits = DataBitsOf(attributes.c_cflag);
    if (attributes.c_iflag & ISTRIP)
        settings.dataBits = std::min<uint8_t>(settings.dataBits, 7);

    const bool odd = attributes.c_cflag & PARODD;
    if (!(attributes.c_cflag & PARENB) && !(attributes.c_iflag & INPCK))
        settings.parity = kParityNone;
    else if (attributes.c_cflag & CMSPAR)
        settings.parity = odd ? kParityMark : kParitySpace;
    else
        settings.parity = odd ? kParityOdd : kParityEven;

    settings.stopBits = (attributes.c_cflag & CSTOPB) ? kStopBitsTwo : kStopBitsOne;
    if (attributes.c_cflag & CRTSCTS)
        settings.flowControl = kFlowCtsRts;
    else if (attributes.c_iflag & IXON)
        settings.flowControl = kFlowXonXoff;
    return settings;
}

} // namespace corvid
