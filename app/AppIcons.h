#pragma once

#include <QIcon>

namespace corvid::app {

// The desktop theme's icon of that name; where the theme has none, the one
// shipped with the program (icons/NAME.png), so the toolbar never shows
// empty buttons.
QIcon ThemeIcon(const QString& name);

} // namespace corvid::app
