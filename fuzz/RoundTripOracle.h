#pragma once

// The fixed-point check of the DeviceNet and EtherNet/IP reader targets
// holds only for inputs whose lines, once normalised, hold an even number of
// double quotes. Texts are written as held, without escaping, so a value
// with an unbalanced quote turns the rest of its line into quoted text when
// read back; no layout that writes values unchanged can carry it. Real files
// close every quote on its line.

#include "devicenet/EDSLineScanner.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace corvid::fuzz {

inline bool QuotesBalancedOnEveryLine(std::string_view text) {
    CEDSLineSource source(text);
    std::string line;
    while (source.Next(line))
        if (std::count(line.begin(), line.end(), '"') % 2 != 0)
            return false;
    return true;
}

} // namespace corvid::fuzz
