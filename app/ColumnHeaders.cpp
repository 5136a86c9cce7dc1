#include "ColumnHeaders.h"

#include "ShownText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace corvid::app {

namespace {

// Every describing header of the core's pages; the rest are keywords.
constexpr std::array<const char*, 16> kDescribingHeaders = {
    QT_TRANSLATE_NOOP("ColumnHeader", "Index"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Parameter Name"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Low Limit"),
    QT_TRANSLATE_NOOP("ColumnHeader", "High Limit"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Default Value"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Data Type"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Object Type"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Access Type"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Mappable"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Keywords"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Value"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Comments"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Section"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Line"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Parameter"),
    QT_TRANSLATE_NOOP("ColumnHeader", "Number"),
};

} // namespace

bool IsDescribingHeader(std::string_view header) {
    return std::any_of(kDescribingHeaders.begin(), kDescribingHeaders.end(),
                       [header](const char* describing) { return header == describing; });
}

QString ShownColumnHeader(const std::string& header) {
    const size_t textStart = std::min(header.find_first_not_of(" \t"), header.size());
    const std::string text = header.substr(textStart);
    if (!IsDescribingHeader(text))
        return Shown(header);
    return QString::fromStdString(header.substr(0, textStart)) +
           QCoreApplication::translate(kColumnHeaderContext, text.c_str());
}

} // namespace corvid::app
