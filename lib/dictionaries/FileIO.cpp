#include "dictionaries/FileIO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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
    const auto name = std::string(".").append(target.filename().string()).append(".XXXXXX");
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

// The file a save at `path` replaces: the end of a chain of symbolic links,
// so the links stay links. A target that exists but is no regular file (a
// device, a pipe, a folder) is refused: renaming over it would put a plain
// file in its place. A target that does not exist yet is fine.
bool ResolveSaveTarget(const std::string& path, std::string& target, std::string& error) {
    constexpr int kMostLinks = 40; // the kernel's own limit on a chain of links
    target = path;
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0)
            return true; // a new file: creating it reports whatever is wrong
        if (S_ISREG(info.st_mode))
            return true;
        if (S_ISDIR(info.st_mode)) {
            error = ErrorText(EISDIR);
            return false;
        }
        if (!S_ISLNK(info.st_mode)) {
            error = "not a regular file (a device, pipe or socket); left untouched";
            return false;
        }
        std::error_code failed;
        const std::filesystem::path link = std::filesystem::read_symlink(target, failed);
        if (failed) {
            error = failed.message();
            return false;
        }
        target = link.is_absolute() ? link.string()
                                    : (std::filesystem::path(target).parent_path() / link).string();
    }
    error = ErrorText(ELOOP);
    return false;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& contents, std::string& error) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error = ErrorText(errno);
        return false;
    }
    contents.clear();
    // Room for the whole file at once: grown step by step, a large file
    // would be held twice while the string moves.
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode))
        contents.reserve(static_cast<size_t>(info.st_size));
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

CReplacingFile::~CReplacingFile() {
    Discard();
}

void CReplacingFile::Discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool CReplacingFile::Open(const std::string& path, std::string& error) {
    Discard();
    errorCode_ = 0;
    written_ = sentToDisk_ = 0;
    if (!ResolveSaveTarget(path, target_, error))
        return false;
    std::string temporary = TemporaryPattern(target_);
    fd_ = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error = ErrorText(errno);
        return false;
    }
    temporary_ = std::move(temporary);
    return true;
}

// The disk starts on each megabyte as soon as it is written, while the rest
// is still being made, so that Commit's fsync has little left to wait for.
void CReplacingFile::Write(std::string_view bytes) {
    constexpr size_t kDiskStep = size_t{1} << 20;
    if (fd_ < 0 || errorCode_ != 0 || !WriteAll(fd_, bytes, errorCode_))
        return;
    written_ += bytes.size();
    if (written_ - sentToDisk_ >= kDiskStep) {
        ::sync_file_range(fd_, static_cast<off_t>(sentToDisk_),
                          static_cast<off_t>(written_ - sentToDisk_), SYNC_FILE_RANGE_WRITE);
        sentToDisk_ = written_;
    }
}

bool CReplacingFile::Commit(std::string& error) {
    if (fd_ < 0) {
        error = ErrorText(EBADF);
        return false;
    }
    if (errorCode_ == 0 && ::fchmod(fd_, ModeFor(target_)) != 0)
        errorCode_ = errno;
    if (errorCode_ == 0 && ::fsync(fd_) != 0)
        errorCode_ = errno;
    if (::close(std::exchange(fd_, -1)) != 0 && errorCode_ == 0)
        errorCode_ = errno;
    if (errorCode_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0)
        errorCode_ = errno;
    if (errorCode_ != 0) {
        Discard();
        error = ErrorText(errorCode_);
        return false;
    }
    temporary_.clear();
    return true;
}

bool SaveFileReplacing(const std::string& path, std::string_view contents, std::string& error) {
    CReplacingFile file;
    if (!file.Open(path, error))
        return false;
    file.Write(contents);
    return file.Commit(error);
}

} // namespace corvid
