#include "device/SerialException.h"

#include <algorithm>
#include <cstring>

namespace corvid {

namespace {

std::string SystemErrorText(int error) {
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be `buffer`.
    return ::strerror_r(error, buffer, sizeof buffer);
}

} // namespace

CSerialException::CSerialException(int error, std::string operation, std::string device)
    : std::runtime_error(SystemErrorText(error)), error_(error), operation_(std::move(operation)),
      device_(std::move(device)) {}

bool CSerialException::GetErrorMessage(char* text, size_t maxChars) const {
    if (text == nullptr || maxChars == 0)
        return false;
    const std::string_view message = what();
    const size_t length = std::min(message.size(), maxChars - 1);
    std::copy_n(message.begin(), length, text);
    text[length] = '\0';
    return true;
}

} // namespace corvid
