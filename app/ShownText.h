#pragma once

// Texts between a file's bytes and the window: values are shown decoded
// (UTF-8 as such, anything else as Windows-1252), and typed text goes back
// in the encoding the file uses.

#include "dictionaries/TextEncoding.h"

#include <QString>

#include <string>
#include <string_view>

namespace corvid::app {

inline QString Shown(std::string_view bytes) {
    return QString::fromStdString(DecodeForDisplay(bytes));
}

inline std::string ForFile(const QString& typed, bool fileIsUtf8) {
    return EncodeForFile(typed.toStdString(), fileIsUtf8);
}

} // namespace corvid::app
