#include "shell/ParamColumnWidths.h"

#include "dictionaries/ConfigureFile.h"

#include <algorithm>

namespace corvid {

ParamColumnWidths ParamColumnWidths::Defaults() {
    ParamColumnWidths columns;
    for (size_t i = 0; i < kParamColumns.size(); ++i)
        columns.widths[i] = kParamColumns[i].defaultWidth;
    return columns;
}

void ParamColumnWidths::Toggle(size_t column) {
    widths[column] = Shown(column) ? 0 : kParamColumns[column].defaultWidth;
}

ParamColumnWidths LoadParamColumnWidths() {
    ParamColumnWidths columns;
    for (size_t i = 0; i < kParamColumns.size(); ++i)
        columns.widths[i] = std::max(0, ConfigureInt(kParamColumnSection, kParamColumns[i].key,
                                                     kParamColumns[i].defaultWidth));
    return columns;
}

bool SaveParamColumnWidths(const ParamColumnWidths& columns, std::string& error) {
    for (size_t i = 0; i < kParamColumns.size(); ++i)
        if (!WriteConfigureString(kParamColumnSection, kParamColumns[i].key,
                                  std::to_string(columns.widths[i]), error))
            return false;
    return true;
}

} // namespace corvid
