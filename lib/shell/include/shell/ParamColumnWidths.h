#pragma once

// The widths of the parameter table's columns, kept in Configure.ini section
// "DeviceNet" between runs. DeviceNet and EtherNet/IP pages share them.
// Column 0 ("Params") is not among them: it is never hidden.

#include <array>
#include <cstddef>
#include <string>

namespace corvid {

struct ParamColumn {
    const char* key; // the Configure.ini key
    int defaultWidth;
};

inline constexpr const char* kParamColumnSection = "DeviceNet";

// In column order, from column 1 ("PathSize") to column 22 ("Group").
inline constexpr std::array<ParamColumn, 22> kParamColumns = {{
    {"pathSize", 60},  {"linkPath", 130},  {"descriptor", 80}, {"dataType", 80},
    {"dataSize", 80},  {"paramName", 100}, {"unitStr", 65},    {"helpStr", 90},
    {"minimum", 70},   {"maximum", 70},    {"default", 70},    {"multipliter", 70},
    {"divider", 60},   {"base", 60},       {"offset", 60},     {"enum", 50},
    {"multiLink", 90}, {"diviLink", 80},   {"baseLink", 70},   {"offsetLink", 80},
    {"precision", 70}, {"group", 40},
}};

struct ParamColumnWidths {
    std::array<int, kParamColumns.size()> widths{};

    static ParamColumnWidths Defaults();

    bool Shown(size_t column) const { return widths[column] != 0; }
    // Hides a shown column; shows a hidden one at its default width, not at
    // the width it had before.
    void Toggle(size_t column);
};

// A missing file or key gives the default width; a negative one hides the
// column.
ParamColumnWidths LoadParamColumnWidths();
// False with the system's error text when a width could not be stored.
bool SaveParamColumnWidths(const ParamColumnWidths& columns, std::string& error);

} // namespace corvid
