#include "dictionaries/FileIO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace corvid {

namespace {

std::string ErrorText(int code) {
    return std::strerror(code);
}

// Closes a descriptor at scope exit; close is never retried on EINTR, as
// the descriptor is gone either way on Linux.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes, int& errorCode) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            errorCode = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

std::string TemporaryPattern(const std::string& path) {
    const std::filesystem::path target(path);
    const auto folder = target.parent_path();
    const auto name = "." + target.filename().string() + ".XXXXXX";
    return (folder.empty() ? std::filesystem::path(name) : folder / name).string();
}

// New files get the permissions a plain create would give; a replaced file
// keeps its own.
mode_t ModeFor(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& contents, std::string& error) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error = ErrorText(errno);
        return false;
    }
    contents.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            error = ErrorText(errno);
            return false;
        }
        if (count == 0)
            return true;
        contents.append(buffer, static_cast<size_t>(count));
    }
}

bool SaveFileReplacing(const std::string& path, std::string_view contents, std::string& error) {
    std::string temporary = TemporaryPattern(path);
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        error = ErrorText(errno);
        return false;
    }
    int errorCode = 0;
    bool ok = WriteAll(fd.get(), contents, errorCode);
    if (ok && ::fchmod(fd.get(), ModeFor(path)) != 0) {
        errorCode = errno;
        ok = false;
    }
    if (ok && ::fsync(fd.get()) != 0) {
        errorCode = errno;
        ok = false;
    }
    if (::close(fd.release()) != 0 && ok) {
        errorCode = errno;
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        errorCode = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        error = ErrorText(errorCode);
    }
    return ok;
}

} // namespace corvid
