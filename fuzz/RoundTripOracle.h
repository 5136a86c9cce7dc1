#pragma once

// The fixed-point check of the DeviceNet and EtherNet/IP reader targets
// holds only for inputs whose lines, once normalised, hold an even number of
// double quotes. Texts are written as held, without escaping, so a value
// with an unbalanced quote turns the rest of its line into quoted text when
// read back; no layout that writes values unchanged can carry it. Real files
// close every quote on its line.

#include "devicenet/EDSKeptLines.h"
#include "devicenet/EDSLineScanner.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvid::fuzz {

inline bool QuotesBalancedOnEveryLine(std::string_view text) {
    CEDSLineSource source(text);
    std::string line;
    while (source.Next(line))
        if (std::count(line.begin(), line.end(), '"') % 2 != 0)
            return false;
    return true;
}

// What a description read back from its own written form keeps must be what
// the first read kept: the same byte-order mark, the same entry lines per
// section and the same whole sections (a section whose predecessor is not
// written comes at the end, so their order and predecessors may differ).
inline bool SameKeptLines(const CEDSKeptLines& first, const CEDSKeptLines& again) {
    const auto entries = [](const CEDSKeptLines& kept) {
        std::vector<std::pair<std::string, std::vector<std::string>>> all;
        for (const KeptEntries& section : kept.Entries)
            if (!section.Lines.empty())
                all.emplace_back(section.Section, section.Lines);
        std::sort(all.begin(), all.end());
        return all;
    };
    const auto sections = [](const CEDSKeptLines& kept) {
        std::vector<std::pair<std::string, std::vector<std::string>>> all;
        for (const KeptSection& section : kept.Sections)
            all.emplace_back(section.Header, section.Lines);
        std::sort(all.begin(), all.end());
        return all;
    };
    return first.ByteOrderMark == again.ByteOrderMark && entries(first) == entries(again) &&
           sections(first) == sections(again);
}

} // namespace corvid::fuzz
