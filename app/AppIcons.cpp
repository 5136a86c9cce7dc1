#include "AppIcons.h"

namespace corvid::app {

QIcon ThemeIcon(const QString& name) {
    return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/%1.png").arg(name)));
}

} // namespace corvid::app
