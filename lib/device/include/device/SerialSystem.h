#pragma once

// The few system calls the serial port makes, behind one small interface so
// tests can make them fail, return early or be interrupted. Each call keeps
// the POSIX contract: a negative result with errno set on failure.

#include <cstddef>
#include <sys/types.h>
#include <termios.h>

namespace corvid {

class ISerialSystem {
public:
    virtual ~ISerialSystem() = default;

    virtual int Open(const char* path, int flags) = 0;
    virtual int Close(int fd) = 0;
    virtual ssize_t Read(int fd, void* buffer, size_t count) = 0;
    virtual ssize_t Write(int fd, const void* buffer, size_t count) = 0;
    // poll on one descriptor: >0 ready, 0 time-out, <0 error.
    virtual int Poll(int fd, short events, int timeoutMs) = 0;
    virtual int GetAttributes(int fd, termios& attributes) = 0;
    virtual int SetAttributes(int fd, const termios& attributes) = 0;
    virtual int FlushQueues(int fd, int queueSelector) = 0;
    virtual int Drain(int fd) = 0;
    // TIOCEXCL when true, TIOCNXCL when false.
    virtual int SetExclusive(int fd, bool exclusive) = 0;
};

// The calls themselves.
class CPosixSerialSystem : public ISerialSystem {
public:
    int Open(const char* path, int flags) override;
    int Close(int fd) override;
    ssize_t Read(int fd, void* buffer, size_t count) override;
    ssize_t Write(int fd, const void* buffer, size_t count) override;
    int Poll(int fd, short events, int timeoutMs) override;
    int GetAttributes(int fd, termios& attributes) override;
    int SetAttributes(int fd, const termios& attributes) override;
    int FlushQueues(int fd, int queueSelector) override;
    int Drain(int fd) override;
    int SetExclusive(int fd, bool exclusive) override;
};

// One shared instance; it holds no state.
ISerialSystem& PosixSerialSystem();

} // namespace corvid
