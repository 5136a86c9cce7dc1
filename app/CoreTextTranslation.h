#pragma once

#include <string>

namespace corvid::app {

// The core speaks English; a text of its registry is shown in the interface
// language, with its values (paths, numbers, reasons) put into the
// translated template. Values that are core texts themselves, such as the
// reason of a refused edit, are translated too. Other texts, and texts
// whose translation is missing, come back unchanged. The result is UTF-8
// when translated, the text's own bytes otherwise.
std::string TranslateCoreText(const std::string& text);

// The context the core's texts have in the translation files.
inline constexpr const char* kCoreTextContext = "CoreText";

} // namespace corvid::app
