#pragma once

// The one exception of the system: a serial operation that failed hard (the
// line settings could not be read or written, the queues could not be
// flushed). It carries the system's error number, the operation and the
// device, and its message is the system's own description of the error.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace corvid {

class CSerialException : public std::runtime_error {
public:
    CSerialException(int error, std::string operation, std::string device);

    int Error() const { return error_; }
    const std::string& Operation() const { return operation_; }
    const std::string& Device() const { return device_; }

    // The system's description of the error, cut to fit `maxChars`
    // characters with the terminating NUL; false with an empty text when
    // there is no room at all.
    bool GetErrorMessage(char* text, size_t maxChars) const;
    std::string GetErrorMessage() const { return what(); }

private:
    int error_;
    std::string operation_;
    std::string device_;
};

} // namespace corvid
