#pragma once

// One serial line, opened exclusively in raw mode with the given settings.
// Reads return when the count has arrived or 500 ms have passed, with what
// has arrived; writes give up after 500 ms. A port that cannot be opened
// gives false; a failure once the device is open (its settings cannot be read
// or written, its queues cannot be flushed or drained) raises
// CSerialException. The terminal's own settings come back when it closes.

#include "device/SerialLineSettings.h"
#include "device/SerialSystem.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvid {

inline constexpr std::chrono::milliseconds kSerialTimeout{500};

class CSerialPort {
public:
    explicit CSerialPort(ISerialSystem& system = PosixSerialSystem());
    ~CSerialPort();
    CSerialPort(CSerialPort&& other) noexcept;
    CSerialPort& operator=(CSerialPort&& other) noexcept;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Port `port` (1 and up) through the "COM%d" mapping of SerialDevicePath.
    bool Open(int port, uint32_t baud, uint8_t parity, uint8_t dataBits, uint8_t stopBits,
              uint8_t flowControl = kFlowNone);
    // A device named by its path, for the command line and tests.
    bool Open(const std::string& device, uint32_t baud, uint8_t parity, uint8_t dataBits,
              uint8_t stopBits, uint8_t flowControl = kFlowNone);
    bool Open(const std::string& device, const SerialLineSettings& settings);

    bool IsOpen() const { return fd_ >= 0; }
    void Close() noexcept;

    // Bytes received into `buffer`, 0 to its size; never raises.
    size_t Read(std::span<uint8_t> buffer);
    // Bytes of `bytes` sent; never raises.
    size_t Write(std::span<const uint8_t> bytes);

    // Waits until everything written has gone to the device.
    void Flush();
    // Discards what waits in the output queue.
    void ClearWriteBuffer();
    // Discards both queues.
    void Purge();

    // The device of the last Open, and why the last Open returned false (an
    // errno value: ENOENT for a port number without a device, EINVAL for
    // settings Linux cannot express, EBUSY for a device in use...; 0 after a
    // successful Open).
    const std::string& Device() const { return device_; }
    int OpenError() const { return openError_; }

private:
    bool Fail(int error);
    void RequireOpen(const char* operation) const;
    void Check(int result, const char* operation) const;
    int RemainingMs(std::chrono::steady_clock::time_point deadline) const;
    bool WaitFor(short events, std::chrono::steady_clock::time_point deadline);

    ISerialSystem* system_;
    int fd_ = -1;
    std::optional<termios> original_;
    std::string device_;
    int openError_ = 0;
};

} // namespace corvid
