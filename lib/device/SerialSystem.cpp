#include "device/SerialSystem.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace corvid {

int CPosixSerialSystem::Open(const char* path, int flags) {
    return ::open(path, flags);
}

int CPosixSerialSystem::Close(int fd) {
    return ::close(fd);
}

ssize_t CPosixSerialSystem::Read(int fd, void* buffer, size_t count) {
    return ::read(fd, buffer, count);
}

ssize_t CPosixSerialSystem::Write(int fd, const void* buffer, size_t count) {
    return ::write(fd, buffer, count);
}

int CPosixSerialSystem::Poll(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    return ::poll(&entry, 1, timeoutMs);
}

int CPosixSerialSystem::GetAttributes(int fd, termios& attributes) {
    return ::tcgetattr(fd, &attributes);
}

int CPosixSerialSystem::SetAttributes(int fd, const termios& attributes) {
    return ::tcsetattr(fd, TCSANOW, &attributes);
}

int CPosixSerialSystem::FlushQueues(int fd, int queueSelector) {
    return ::tcflush(fd, queueSelector);
}

int CPosixSerialSystem::Drain(int fd) {
    return ::tcdrain(fd);
}

int CPosixSerialSystem::SetExclusive(int fd, bool exclusive) {
    return ::ioctl(fd, exclusive ? TIOCEXCL : TIOCNXCL);
}

ISerialSystem& PosixSerialSystem() {
    static CPosixSerialSystem system;
    return system;
}

} // namespace corvid
