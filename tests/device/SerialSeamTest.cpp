// The serial port against system calls that are interrupted, move fewer
// bytes than asked, time out or fail, injected through its seam over a real
// pseudo-terminal.

#include "device/SerialException.h"
#include "device/SerialPort.h"

#include "PtyPair.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace corvid {
namespace {

using test::PtyPair;
using Bytes = std::vector<uint8_t>;

class FaultySystem : public CPosixSerialSystem {
public:
    int openInterrupts = 0;
    int pollInterrupts = 0;
    int readInterrupts = 0;
    int writeInterrupts = 0;
    int drainInterrupts = 0;
    size_t writeChunk = SIZE_MAX;
    bool pollTimesOut = false;
    int drainError = 0;
    int getAttributesError = 0;
    bool closeInterrupted = false;

    int opens = 0, polls = 0, writes = 0, drains = 0, closes = 0;

    int Open(const char* path, int flags) override {
        ++opens;
        if (openInterrupts > 0)
            return Fail(openInterrupts, EINTR);
        return CPosixSerialSystem::Open(path, flags);
    }
    int Close(int fd) override {
        ++closes;
        const int result = CPosixSerialSystem::Close(fd);
        // Linux frees the descriptor even when close reports EINTR.
        if (closeInterrupted) {
            errno = EINTR;
            return -1;
        }
        return result;
    }
    int Poll(int fd, short events, int timeoutMs) override {
        ++polls;
        if (pollTimesOut)
            return 0;
        if (pollInterrupts > 0)
            return Fail(pollInterrupts, EINTR);
        return CPosixSerialSystem::Poll(fd, events, timeoutMs);
    }
    ssize_t Read(int fd, void* buffer, size_t count) override {
        if (readInterrupts > 0)
            return Fail(readInterrupts, EINTR);
        return CPosixSerialSystem::Read(fd, buffer, count);
    }
    ssize_t Write(int fd, const void* buffer, size_t count) override {
        ++writes;
        if (writeInterrupts > 0 && writes % 2 == 0)
            return Fail(writeInterrupts, EINTR);
        return CPosixSerialSystem::Write(fd, buffer, std::min(count, writeChunk));
    }
    int GetAttributes(int fd, termios& attributes) override {
        if (getAttributesError != 0) {
            errno = getAttributesError;
            return -1;
        }
        return CPosixSerialSystem::GetAttributes(fd, attributes);
    }
    int Drain(int fd) override {
        ++drains;
        if (drainInterrupts > 0)
            return Fail(drainInterrupts, EINTR);
        if (drainError != 0) {
            errno = drainError;
            return -1;
        }
        return CPosixSerialSystem::Drain(fd);
    }

private:
    static int Fail(int& remaining, int error) {
        --remaining;
        errno = error;
        return -1;
    }
};

class SerialSeam : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        system.openInterrupts = 1;
        ASSERT_TRUE(port.Open(pty.path(), 9600, kParityNone, 8, kStopBitsTwo));
        EXPECT_EQ(system.opens, 2);
    }

    PtyPair pty;
    FaultySystem system;
    CSerialPort port{system};
};

TEST_F(SerialSeam, ReadRetriesInterruptedPollAndRead) {
    ASSERT_EQ(::write(pty.far(), "hello", 5), 5);
    system.pollInterrupts = 2;
    system.readInterrupts = 1;
    Bytes buffer(5);
    EXPECT_EQ(port.Read(buffer), 5u);
    EXPECT_EQ(buffer, (Bytes{'h', 'e', 'l', 'l', 'o'}));
}

TEST_F(SerialSeam, WriteCarriesOnAfterShortAndInterruptedWrites) {
    system.writeChunk = 3;
    system.writeInterrupts = 2;
    const std::string request = ":FF0321100003CA\r\n";
    EXPECT_EQ(port.Write(Bytes(request.begin(), request.end())), request.size());
    EXPECT_GT(system.writes, 7);
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
    EXPECT_EQ(system.polls, 1);
    EXPECT_EQ(port.Write(buffer), 0u);
    EXPECT_EQ(system.polls, 2);
    EXPECT_EQ(system.writes, 0);
}

TEST_F(SerialSeam, FlushRetriesInterruptedDrainAndRaisesOtherFailures) {
    system.drainInterrupts = 2;
    EXPECT_NO_THROW(port.Flush());
    EXPECT_EQ(system.drains, 3);

    system.drainError = EIO;
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
    EXPECT_EQ(system.closes, 1);
    port.Close();
    EXPECT_EQ(system.closes, 1);
}

TEST(SerialSeamOpen, FailureAfterOpeningRaisesAndLeavesTheDeviceToClose) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    FaultySystem system;
    system.getAttributesError = EIO;
    {
        CSerialPort port(system);
        EXPECT_THROW(port.Open(pty.path(), 9600, kParityNone, 8, kStopBitsTwo), CSerialException);
        EXPECT_TRUE(port.IsOpen());
    }
    // The destructor released it, without restoring settings it never read.
    EXPECT_EQ(system.closes, 1);
}

} // namespace
} // namespace corvid
