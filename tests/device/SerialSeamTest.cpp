// The serial port against system calls that are interrupted, move fewer
// bytes than asked, time out or fail, injected through its seam over a real
// pseudo-terminal.

#include "device/SerialException.h"
#include "device/SerialPort.h"

#include "PtyPair.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace corvid {
namespace {

using test::PtyPair;
using Bytes = std::vector<uint8_t>;

// Fails calls by name: the first interrupts[name] with EINTR, then each with
// errors[name] when one is set; counts every call.
class FaultySystem : public CPosixSerialSystem {
public:
    std::map<std::string, int> interrupts, errors, calls;
    size_t writeChunk = SIZE_MAX;
    bool pollTimesOut = false;
    bool closeInterrupted = false;

    int Open(const char* path, int flags) override {
        return Fails("open") ? -1 : CPosixSerialSystem::Open(path, flags);
    }
    int Close(int fd) override {
        ++calls["close"];
        const int result = CPosixSerialSystem::Close(fd);
        // Linux frees the descriptor even when close reports EINTR.
        if (closeInterrupted) {
            errno = EINTR;
            return -1;
        }
        return result;
    }
    int Poll(int fd, short events, int timeoutMs) override {
        if (pollTimesOut)
            return ++calls["poll"], 0;
        return Fails("poll") ? -1 : CPosixSerialSystem::Poll(fd, events, timeoutMs);
    }
    ssize_t Read(int fd, void* buffer, size_t count) override {
        return Fails("read") ? -1 : CPosixSerialSystem::Read(fd, buffer, count);
    }
    // Every second write is interrupted while interrupts last.
    ssize_t Write(int fd, const void* buffer, size_t count) override {
        if (++calls["write"] % 2 == 0 && interrupts["write"] > 0) {
            --interrupts["write"];
            errno = EINTR;
            return -1;
        }
        return CPosixSerialSystem::Write(fd, buffer, std::min(count, writeChunk));
    }
    int GetAttributes(int fd, termios& attributes) override {
        return Fails("tcgetattr") ? -1 : CPosixSerialSystem::GetAttributes(fd, attributes);
    }
    int Drain(int fd) override { return Fails("tcdrain") ? -1 : CPosixSerialSystem::Drain(fd); }

private:
    bool Fails(const std::string& name) {
        ++calls[name];
        if (interrupts[name] > 0) {
            --interrupts[name];
            errno = EINTR;
            return true;
        }
        if (errors[name] == 0)
            return false;
        errno = errors[name];
        return true;
    }
};

class SerialSeam : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        system.interrupts["open"] = 1;
        ASSERT_TRUE(port.Open(pty.path(), 9600, kParityNone, 8, kStopBitsTwo));
        EXPECT_EQ(system.calls["open"], 2);
    }

    PtyPair pty;
    FaultySystem system;
    CSerialPort port{system};
};

TEST_F(SerialSeam, ReadRetriesInterruptedPollAndRead) {
    ASSERT_EQ(::write(pty.far(), "hello", 5), 5);
    system.interrupts["poll"] = 2;
    system.interrupts["read"] = 1;
    Bytes buffer(5);
    EXPECT_EQ(port.Read(buffer), 5u);
    EXPECT_EQ(buffer, (Bytes{'h', 'e', 'l', 'l', 'o'}));
}

TEST_F(SerialSeam, WriteCarriesOnAfterShortAndInterruptedWrites) {
    system.writeChunk = 3;
    system.interrupts["write"] = 2;
    const std::string request = ":FF0321100003CA\r\n";
    EXPECT_EQ(port.Write(Bytes(request.begin(), request.end())), request.size());
    EXPECT_GT(system.calls["write"], 7);
    char received[32] = {};
    size_t got = 0;
    while (got < request.size()) {
        const ssize_t n = ::read(pty.far(), received + got, sizeof received - got);
        ASSERT_GT(n, 0);
        got += static_cast<size_t>(n);
    }
    EXPECT_EQ(std::string(received, got), request);
}

TEST_F(SerialSeam, TimedOutPollEndsReadAndWriteAtOnce) {
    system.pollTimesOut = true;
    Bytes buffer(8);
    EXPECT_EQ(port.Read(buffer), 0u);
    EXPECT_EQ(system.calls["poll"], 1);
    EXPECT_EQ(port.Write(buffer), 0u);
    EXPECT_EQ(system.calls["poll"], 2);
    EXPECT_EQ(system.calls["write"], 0);
}

TEST_F(SerialSeam, FlushRetriesInterruptedDrainAndRaisesOtherFailures) {
    system.interrupts["tcdrain"] = 2;
    EXPECT_NO_THROW(port.Flush());
    EXPECT_EQ(system.calls["tcdrain"], 3);

    system.errors["tcdrain"] = EIO;
    try {
        port.Flush();
        FAIL() << "no exception";
    } catch (const CSerialException& error) {
        EXPECT_EQ(error.Error(), EIO);
        EXPECT_EQ(error.Operation(), "tcdrain");
        EXPECT_EQ(error.Device(), pty.path());
        EXPECT_STREQ(error.what(), std::strerror(EIO));
    }
    // The port stays open; its owner decides.
    EXPECT_TRUE(port.IsOpen());
}

TEST_F(SerialSeam, CloseIsNeverRetried) {
    system.closeInterrupted = true;
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(system.calls["close"], 1);
    port.Close();
    EXPECT_EQ(system.calls["close"], 1);
}

TEST(SerialSeamOpen, FailureAfterOpeningRaisesAndLeavesTheDeviceToClose) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    FaultySystem system;
    system.errors["tcgetattr"] = EIO;
    {
        CSerialPort port(system);
        EXPECT_THROW(port.Open(pty.path(), 9600, kParityNone, 8, kStopBitsTwo), CSerialException);
        EXPECT_TRUE(port.IsOpen());
    }
    // The destructor released it, without restoring settings it never read.
    EXPECT_EQ(system.calls["close"], 1);
}

} // namespace
} // namespace corvid
