#include "AppIcons.h"

namespace corvid::app {

QIcon ThemeIcon(const QString& name) {
    // A theme may list an icon only as a scalable picture that Qt without
    // its SVG module cannot draw: such an icon counts as missing.
    const QIcon theme = QIcon::fromTheme(name);
    if (!theme.isNull() && !theme.pixmap(QSize(22, 22)).isNull())
        return theme;
    return QIcon(QStringLiteral(":/icons/%1.png").arg(name));
}

} // namespace corvid::app
