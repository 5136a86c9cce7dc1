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
    // A locale named without its script takes the one its territory writes
    // (zh_TW, zh_HK: traditional).
    return locale.script() == QLocale::TraditionalHanScript ? kLanguageChineseTraditional
                                                            : kLanguageChineseSimplified;
}

} // namespace corvid::app
