#pragma once

// The interface language: chosen once at start, taken from the translation
// files beside the program ("corvid_zh_CN.qm"), and changed for the next
// start through the Language menu.

#include <QList>
#include <QString>

#include <cstdint>

class QCoreApplication;

namespace corvid::app {

struct LanguageOffer {
    uint16_t Id;
    QString Name;            // in the language itself
    QString TranslationFile; // empty for English, the program's own language
};

// English, then every translation found beside the program that has a
// language number, in file name order.
QList<LanguageOffer> OfferedLanguages();

// The user's choice of the Language menu (0 when none is stored).
uint16_t StoredLanguageId();
void StoreLanguageId(uint16_t id);

// Chooses the language and installs its translation into `app`; call once,
// after the settings store is named.
void InstallInterfaceLanguage(QCoreApplication& app);

// The language the interface shows: the choice made at start, English
// before it. Help and the revision history open in this order.
uint16_t InterfaceLanguageId();

} // namespace corvid::app
