#include "device/SerialPort.h"
#include "device/SerialException.h"
#include "device/SerialPortNames.h"

#include "PtyPair.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/ioctl.h>
#include <vector>

namespace corvid {
namespace {

using test::PtyPair;
using Bytes = std::vector<uint8_t>;

struct SettingsCase {
    const char* name;
    SerialLineSettings settings;
};

void PrintTo(const SettingsCase& c, std::ostream* out) {
    *out << c.name;
}

class OpenSettingsTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(OpenSettingsTest, TerminalShowsThemInRawMode) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path(), GetParam().settings));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.OpenError(), 0);

    const termios seen = pty.Attributes();
    EXPECT_EQ(LineSettingsFromTermios(seen), GetParam().settings);
    EXPECT_EQ(seen.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(seen.c_oflag & OPOST, 0u);
    EXPECT_EQ(seen.c_iflag & (ICRNL | INLCR | IGNCR), 0u);
    EXPECT_EQ(seen.c_cc[VMIN], 0);
    EXPECT_EQ(seen.c_cc[VTIME], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, OpenSettingsTest,
    testing::Values(
        SettingsCase{"9600_8N2", {9600, kParityNone, 8, kStopBitsTwo, kFlowNone}},
        SettingsCase{"19200_8E1", {19200, kParityEven, 8, kStopBitsOne, kFlowNone}},
        SettingsCase{"4800_7O1", {4800, kParityOdd, 7, kStopBitsOne, kFlowNone}},
        SettingsCase{"115200_8M1", {115200, kParityMark, 8, kStopBitsOne, kFlowNone}},
        SettingsCase{"57600_7S2", {57600, kParitySpace, 7, kStopBitsTwo, kFlowNone}},
        SettingsCase{"38400_RtsCts", {38400, kParityNone, 8, kStopBitsOne, kFlowCtsRts}},
        SettingsCase{"9600_XonXoff", {9600, kParityEven, 7, kStopBitsOne, kFlowXonXoff}}),
    [](const testing::TestParamInfo<SettingsCase>& info) { return info.param.name; });

TEST(Open, RefusesSettingsLinuxCannotExpressAndLeavesTheTerminalAlone) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const termios before = pty.Attributes();
    const SerialLineSettings refused[] = {
        {9600, kParityNone, 8, kStopBitsOneAndHalf, kFlowNone},
        {9600, kParityNone, 8, kStopBitsOne, kFlowCtsDtr},
        {9600, kParityNone, 8, kStopBitsOne, kFlowDsrRts},
        {9600, kParityNone, 8, kStopBitsOne, kFlowDsrDtr},
        {9600, kParityNone, 8, kStopBitsOne, 6},
        {9600, 5, 8, kStopBitsOne, kFlowNone},
        {9600, kParityNone, 9, kStopBitsOne, kFlowNone},
        {9600, kParityNone, 4, kStopBitsOne, kFlowNone},
        {12345, kParityNone, 8, kStopBitsOne, kFlowNone},
        {0, kParityNone, 8, kStopBitsOne, kFlowNone},
    };
    for (const SerialLineSettings& settings : refused) {
        CSerialPort port;
        EXPECT_FALSE(port.Open(pty.path(), settings)) << settings.baud;
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(port.OpenError(), EINVAL);
    }
    const termios after = pty.Attributes();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST(Open, DeviceThatCannotBeOpenedGivesFalse) {
    CSerialPort port;
    EXPECT_FALSE(port.Open("/nonexistent/ttyUSB0", 9600, kParityNone, 8, kStopBitsTwo));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.OpenError(), ENOENT);
    // Not a terminal.
    EXPECT_FALSE(port.Open("/dev/null", 9600, kParityNone, 8, kStopBitsTwo));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.OpenError(), ENOTTY);
    Bytes buffer(4);
    EXPECT_EQ(port.Read(buffer), 0u);
    EXPECT_THROW(port.Flush(), CSerialException);
}

// A port open on a pseudo-terminal at 9600 bit/s, 8 N 2.
class OpenPort : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        ASSERT_TRUE(port.Open(pty.path(), 9600, kParityNone, 8, kStopBitsTwo));
    }

    PtyPair pty;
    CSerialPort port;
};

// TIOCGEXCL as another program would see it on the terminal, or -1 when the
// terminal is refused to it.
int TerminalExclusive(const PtyPair& pty) {
    const int fd = ::open(pty.path().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == EBUSY ? -1 : -2;
    int exclusive = 0;
    ::ioctl(fd, TIOCGEXCL, &exclusive);
    ::close(fd);
    return exclusive;
}

TEST_F(OpenPort, TakesTheTerminalExclusivelyUntilClosed) {
    // Only a privileged user gets past TIOCEXCL, and sees it set.
    const int held = TerminalExclusive(pty);
    EXPECT_TRUE(held == 1 || held == -1) << held;
    port.Close();
    EXPECT_EQ(TerminalExclusive(pty), 0);
}

TEST(Close, RestoresTheTerminalAndIsHarmlessTwice) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const termios before = pty.Attributes();
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path(), 19200, kParityOdd, 7, kStopBitsOne));
    EXPECT_NE(LineSettingsFromTermios(pty.Attributes()), LineSettingsFromTermios(before));
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(LineSettingsFromTermios(pty.Attributes()), LineSettingsFromTermios(before));
    EXPECT_EQ(pty.Attributes().c_lflag, before.c_lflag);
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    {
        CSerialPort reopened; // the destructor restores them too
        ASSERT_TRUE(reopened.Open(pty.path(), 4800, kParityEven, 8, kStopBitsTwo));
    }
    EXPECT_EQ(LineSettingsFromTermios(pty.Attributes()), LineSettingsFromTermios(before));
}

TEST(CSerialPort, MovesOwnership) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    CSerialPort first;
    ASSERT_TRUE(first.Open(pty.path(), 9600, kParityNone, 8, kStopBitsTwo));
    CSerialPort second(std::move(first));
    EXPECT_FALSE(first.IsOpen());
    ASSERT_TRUE(second.IsOpen());
    EXPECT_EQ(second.Device(), pty.path());

    PtyPair other;
    ASSERT_TRUE(other.ok());
    const termios otherBefore = other.Attributes();
    CSerialPort third;
    ASSERT_TRUE(third.Open(other.path(), 38400, kParityEven, 7, kStopBitsOne));
    // Taking over another port closes (and restores) the one held before.
    third = std::move(second);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_TRUE(third.IsOpen());
    EXPECT_EQ(LineSettingsFromTermios(other.Attributes()), LineSettingsFromTermios(otherBefore));
    const Bytes hello = {'h', 'i'};
    EXPECT_EQ(third.Write(hello), 2u);
    char received[2] = {};
    EXPECT_EQ(::read(pty.far(), received, 2), 2);
}

TEST_F(OpenPort, ReadWrite_BytesCrossTheLineBothWays) {
    // Every byte value, CR, LF and the XON/XOFF characters included.
    Bytes all(256);
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<uint8_t>(i);
    EXPECT_EQ(port.Write(all), all.size());
    port.Flush();
    Bytes echoed(all.size());
    size_t got = 0;
    while (got < echoed.size()) {
        const ssize_t n = ::read(pty.far(), echoed.data() + got, echoed.size() - got);
        ASSERT_GT(n, 0);
        got += static_cast<size_t>(n);
    }
    EXPECT_EQ(echoed, all);

    // Purge discards what waited before it, and ClearWriteBuffer is harmless.
    ASSERT_EQ(::write(pty.far(), "stale", 5), 5);
    port.Purge();
    EXPECT_NO_THROW(port.ClearWriteBuffer());
    ASSERT_EQ(::write(pty.far(), all.data(), all.size()), 256);
    Bytes received(256);
    EXPECT_EQ(port.Read(received), 256u);
    EXPECT_EQ(received, all);
}

TEST_F(OpenPort, Read_ReturnsWhatArrivedWhenTheTimeOutEnds) {
    ASSERT_EQ(::write(pty.far(), "abc", 3), 3);

    Bytes buffer(10, 0xEE);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Read(buffer), 3u);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 4), (Bytes{'a', 'b', 'c', 0xEE}));
    // The whole time-out, and bounded: never before 500 ms, never forever.
    EXPECT_GE(waited, kSerialTimeout);
    EXPECT_LT(waited, std::chrono::seconds(5));
}

TEST(ListSerialDevices, UsbThenAcmThenBuiltInInNumberOrder) {
    test::TempFolder dev;
    for (const char* name : {"ttyS10", "ttyS2", "ttyACM0", "ttyUSB1", "ttyUSB0", "ttyS", "ttySx",
                             "tty0", "ttyAMA0", "ttyUSB01x"})
        test::WriteFile(dev.path() / name, "");
    const std::string root = dev.path().string() + "/";
    EXPECT_EQ(ListSerialDevices(dev.path().string()),
              (std::vector<std::string>{root + "ttyUSB0", root + "ttyUSB1", root + "ttyACM0",
                                        root + "ttyS2", root + "ttyS10"}));
    EXPECT_TRUE(ListSerialDevices(root + "missing").empty());
}

TEST(SerialDevicePath, ConfigureIniFirstThenNthDevice) {
    test::TempFolder dev;
    test::WriteFile(dev.path() / "ttyS0", "");
    test::WriteFile(dev.path() / "ttyUSB0", "");
    test::TempFolder home;
    const std::string ini = home.File("Configure.ini");
    test::WriteFile(ini, test::CrLf({"[SerialPorts]", "COM2 = /dev/ttyAMA3"}));
    const std::string devices = dev.path().string();
    EXPECT_EQ(SerialDevicePath(1, ini, devices), devices + "/ttyUSB0");
    EXPECT_EQ(SerialDevicePath(2, ini, devices), "/dev/ttyAMA3");
    EXPECT_EQ(SerialDevicePath(3, ini, devices), "");
    EXPECT_EQ(SerialDevicePath(0, ini, devices), "");
    EXPECT_EQ(SerialDevicePath(-1, ini, devices), "");
}

TEST(Open, PortNumberGoesThroughTheMapping) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::TempFolder home;
    test::WriteFile(home.File("Configure.ini"),
                    test::CrLf({"[SerialPorts]", "COM5=" + pty.path()}));
    ::setenv("CORVID_HOME", home.path().c_str(), 1);
    CSerialPort port;
    EXPECT_TRUE(port.Open(5, 9600, kParityNone, 8, kStopBitsTwo));
    EXPECT_EQ(port.Device(), pty.path());
    EXPECT_FALSE(port.Open(0, 9600, kParityNone, 8, kStopBitsTwo));
    EXPECT_EQ(port.OpenError(), ENOENT);
    ::unsetenv("CORVID_HOME");
}

// What it carries is checked where the port raises it (SerialSeamTest).
TEST(CSerialException, SystemTextAlsoIntoABuffer) {
    const CSerialException error(EIO, "tcdrain", "/dev/ttyUSB0");
    EXPECT_EQ(error.GetErrorMessage(), std::strerror(EIO));
    char text[5];
    ASSERT_TRUE(error.GetErrorMessage(text, sizeof text));
    EXPECT_EQ(std::string(text), std::string(std::strerror(EIO)).substr(0, 4));
    EXPECT_FALSE(error.GetErrorMessage(text, 0));
}

} // namespace
} // namespace corvid
