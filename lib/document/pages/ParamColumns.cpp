#include "pages/ParamColumns.h"

#include "dictionaries/ConfigureFile.h"

namespace corvid {

const std::array<ParamColumn, kParamColumnCount> kParamColumns = {{
    {"pathSize", "PathSize", 60, 32783, "Link Path Size"},
    {"linkPath", "LinkPath", 130, 32784, "Link Path"},
    {"descriptor", "Descriptor", 80, 32785, "Descriptor"},
    {"dataType", "DataType", 80, 32786, "Data Type"},
    {"dataSize", "DataSize(byte)", 80, 32787, "Data Size"},
    {"paramName", "ParameterName", 100, 32788, "Parameter Name"},
    {"unitStr", "UnitsStr", 65, 32789, "Units String"},
    {"helpStr", "HelpStr", 90, 32790, "Help String"},
    {"minimum", "Minimum", 70, 32791, "Minimum Value"},
    {"maximum", "Maximum", 70, 32792, "Maximum Value"},
    {"default", "Default", 70, 32793, "Default Value"},
    // The key's spelling is what existing Configure.ini files carry.
    {"multipliter", "Multiplier", 70, 32794, "Scaling Multiplier"},
    {"divider", "Divider", 60, 32795, "Scaling Divide"},
    {"base", "Base", 60, 32796, "Scaling Base"},
    {"offset", "Offset", 60, 32797, "Scaling Offset"},
    {"enum", "Enum", 50, 32798, "Enum"},
    {"multiLink", "MultiplierLink", 90, 32799, "Multiplier Link"},
    {"diviLink", "DivisorLink", 80, 32800, "Divisor Link"},
    {"baseLink", "BaseLink", 70, 32801, "Base Link"},
    {"offsetLink", "OffsetLink", 80, 32802, "Offset Link"},
    {"precision", "Precision", 70, 32803, "Decimal Precision"},
    {"group", "Group", 40, 32808, "Group"},
}};

std::vector<int> LoadParamColumnWidths() {
    std::vector<int> widths;
    widths.reserve(kParamColumns.size());
    for (const ParamColumn& column : kParamColumns)
        widths.push_back(ConfigureInt(kParamColumnSection, std::string(column.ConfigureKey),
                                      column.DefaultWidth));
    return widths;
}

bool SaveParamColumnWidths(const std::vector<int>& widths, std::string& error) {
    for (size_t i = 0; i < kParamColumns.size() && i < widths.size(); ++i) {
        if (!WriteConfigureString(kParamColumnSection, std::string(kParamColumns[i].ConfigureKey),
                                  std::to_string(widths[i]), error))
            return false;
    }
    return true;
}

int ToggledParamColumnWidth(size_t field, int currentWidth) {
    if (currentWidth != 0 || field >= kParamColumns.size())
        return 0;
    return kParamColumns[field].DefaultWidth;
}

} // namespace corvid
