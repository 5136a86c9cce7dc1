#pragma once

// The 22 field columns of the parameter table (the Params pages of DeviceNet
// and EtherNet/IP files): their Configure.ini keys, default widths and the
// "Params" menu commands that hide and show them. Column 0 ("Params", the
// row key) is not among them and is never hidden.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

inline constexpr const char* kParamColumnSection = "DeviceNet";

struct ParamColumn {
    std::string_view ConfigureKey; // key in section "DeviceNet" of Configure.ini
    std::string_view Header;       // column header text
    int DefaultWidth;
    int CommandId;                // "Params" menu command toggling the column
    std::string_view CommandText; // that command's menu text
};

inline constexpr size_t kParamColumnCount = 22;

// In column order: entry i is column i + 1 of the table.
extern const std::array<ParamColumn, kParamColumnCount> kParamColumns;

// The widths stored in Configure.ini, the default width where a key is
// missing.
std::vector<int> LoadParamColumnWidths();
// Writes every width back as "%d". False with the system's error text when a
// value could not be stored.
bool SaveParamColumnWidths(const std::vector<int>& widths, std::string& error);
// A column command: hides a shown column (0), shows a hidden one at its
// default width, whatever width it had before.
int ToggledParamColumnWidth(size_t field, int currentWidth);

} // namespace corvid
