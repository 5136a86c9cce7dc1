#include "device/SerialPort.h"

#include "device/SerialException.h"
#include "device/SerialPortNames.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <utility>

namespace corvid {

CSerialPort::CSerialPort(ISerialSystem& system) : system_(&system) {}

CSerialPort::~CSerialPort() {
    Close();
}

CSerialPort::CSerialPort(CSerialPort&& other) noexcept
    : system_(other.system_), fd_(std::exchange(other.fd_, -1)),
      original_(std::exchange(other.original_, std::nullopt)), device_(std::move(other.device_)),
      openError_(other.openError_) {}

CSerialPort& CSerialPort::operator=(CSerialPort&& other) noexcept {
    if (this != &other) {
        Close();
        system_ = other.system_;
        fd_ = std::exchange(other.fd_, -1);
        original_ = std::exchange(other.original_, std::nullopt);
        device_ = std::move(other.device_);
        openError_ = other.openError_;
    }
    return *this;
}

bool CSerialPort::Open(int port, uint32_t baud, uint8_t parity, uint8_t dataBits, uint8_t stopBits,
                       uint8_t flowControl) {
    const std::string device = SerialDevicePath(port);
    if (device.empty()) {
        Close();
        device_.clear();
        return Fail(ENOENT);
    }
    return Open(device, baud, parity, dataBits, stopBits, flowControl);
}

bool CSerialPort::Open(const std::string& device, uint32_t baud, uint8_t parity, uint8_t dataBits,
                       uint8_t stopBits, uint8_t flowControl) {
    return Open(device, SerialLineSettings{baud, parity, dataBits, stopBits, flowControl});
}

bool CSerialPort::Open(const std::string& device, const SerialLineSettings& settings) {
    Close();
    device_ = device;
    // Settings Linux cannot express fail before the device is touched.
    termios probe{};
    if (!ApplyLineSettings(settings, probe))
        return Fail(EINVAL);

    int fd;
    do
        fd = system_->Open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return Fail(errno);
    // Not a terminal, or another program holds it exclusively: cannot be opened.
    if (system_->SetExclusive(fd, true) < 0) {
        const int error = errno;
        system_->Close(fd);
        return Fail(error);
    }
    fd_ = fd;
    openError_ = 0;

    // From here on a failure raises and leaves the device open; Close or the
    // destructor releases it.
    termios attributes{};
    Check(system_->GetAttributes(fd_, attributes), "tcgetattr");
    original_ = attributes;
    ApplyLineSettings(settings, attributes);
    Check(system_->SetAttributes(fd_, attributes), "tcsetattr");
    Purge();
    return true;
}

void CSerialPort::Close() noexcept {
    if (fd_ < 0)
        return;
    if (original_)
        system_->SetAttributes(fd_, *original_);
    // The flag belongs to the terminal, not to this descriptor: a terminal
    // kept open elsewhere (a pseudo-terminal, a port multiplexer) would stay
    // locked against every later open by an ordinary user.
    system_->SetExclusive(fd_, false);
    // Never retried: after EINTR the descriptor is already gone on Linux.
    system_->Close(fd_);
    fd_ = -1;
    original_.reset();
}

size_t CSerialPort::Read(std::span<uint8_t> buffer) {
    const auto deadline = std::chrono::steady_clock::now() + kSerialTimeout;
    size_t received = 0;
    while (IsOpen() && received < buffer.size() && WaitFor(POLLIN, deadline)) {
        const ssize_t count =
            system_->Read(fd_, buffer.data() + received, buffer.size() - received);
        if (count > 0)
            received += static_cast<size_t>(count);
        else if (count == 0 || (errno != EINTR && errno != EAGAIN))
            break; // hung up or failed: what arrived is the answer
    }
    return received;
}

size_t CSerialPort::Write(std::span<const uint8_t> bytes) {
    const auto deadline = std::chrono::steady_clock::now() + kSerialTimeout;
    size_t sent = 0;
    while (IsOpen() && sent < bytes.size() && WaitFor(POLLOUT, deadline)) {
        const ssize_t count = system_->Write(fd_, bytes.data() + sent, bytes.size() - sent);
        if (count > 0)
            sent += static_cast<size_t>(count);
        else if (count == 0 || (errno != EINTR && errno != EAGAIN))
            break;
    }
    return sent;
}

void CSerialPort::Flush() {
    RequireOpen("tcdrain");
    int result;
    do
        result = system_->Drain(fd_);
    while (result < 0 && errno == EINTR);
    Check(result, "tcdrain");
}

void CSerialPort::ClearWriteBuffer() {
    RequireOpen("tcflush");
    Check(system_->FlushQueues(fd_, TCOFLUSH), "tcflush");
}

void CSerialPort::Purge() {
    RequireOpen("tcflush");
    Check(system_->FlushQueues(fd_, TCIOFLUSH), "tcflush");
}

bool CSerialPort::Fail(int error) {
    openError_ = error;
    return false;
}

// As the system would answer a call on a closed handle.
void CSerialPort::RequireOpen(const char* operation) const {
    if (!IsOpen())
        throw CSerialException(EBADF, operation, device_);
}

void CSerialPort::Check(int result, const char* operation) const {
    if (result < 0)
        throw CSerialException(errno, operation, device_);
}

int CSerialPort::RemainingMs(std::chrono::steady_clock::time_point deadline) const {
    const auto left = deadline - std::chrono::steady_clock::now();
    // Rounded up, so a wait never ends a little before its deadline.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// True when the descriptor is ready before the deadline. A poll that times
// out ends the wait even if the clock says otherwise, so a poll that returns
// early with 0 cannot make the caller spin.
bool CSerialPort::WaitFor(short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const int remaining = RemainingMs(deadline);
        if (remaining <= 0)
            return false;
        const int ready = system_->Poll(fd_, events, remaining);
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace corvid
