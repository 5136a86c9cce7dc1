#include "CurrentLanguage.h"

#include <QLocale>
#include <QSettings>

namespace corvid::app {

int CurrentLanguageId() {
    const int stored = QSettings().value(QStringLiteral("LanguageId"), 0).toInt();
    return stored != 0 ? stored : LanguageIdOf(QLocale());
}

int LanguageIdOf(const QLocale& locale) {
    if (locale.language() != QLocale::Chinese)
        return kLanguageEnglish;
    // Taiwan, Hong Kong and Macao write the traditional script.
    if (locale.script() == QLocale::TraditionalHanScript ||
        (locale.script() == QLocale::AnyScript &&
         (locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong ||
          locale.territory() == QLocale::Macao)))
        return kLanguageChineseTraditional;
    return kLanguageChineseSimplified;
}

} // namespace corvid::app
