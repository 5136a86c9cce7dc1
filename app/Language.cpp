#include "Language.h"

#include "LanguageChoice.h"

#include "dictionaries/ModuleFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QVariant>

#include <algorithm>

namespace corvid::app {

namespace {

const QString kLanguageKey = QStringLiteral("LanguageId");
const QString kFilePrefix = QStringLiteral("corvid_");
const QString kFileSuffix = QStringLiteral(".qm");

// The language state belongs to the application object, as the
// translators it installs do.
constexpr const char* kCurrentLanguageProperty = "corvidLanguageId";

QString NameOf(const LanguageInfo& language) {
    return QString::fromUtf8(language.NativeName.data(),
                             static_cast<qsizetype>(language.NativeName.size()));
}

std::vector<std::string> InterfaceLanguages() {
    std::vector<std::string> languages;
    for (const QString& name : QLocale().uiLanguages())
        languages.push_back(name.toStdString());
    return languages;
}

bool Offered(const QList<LanguageOffer>& offers, uint16_t id) {
    return std::any_of(offers.begin(), offers.end(),
                       [id](const LanguageOffer& offer) { return offer.Id == id; });
}

bool Install(QCoreApplication& app, const QString& file) {
    auto* translator = new QTranslator(&app);
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

// Qt's own dialogs (the buttons of message boxes, the file dialogs) speak
// the same language where the system has Qt's translation of them.
void InstallQtTranslation(QCoreApplication& app, const LanguageInfo& language) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString locale =
        QString::fromLatin1(language.Locale.data(), static_cast<qsizetype>(language.Locale.size()));
    const QString file = folder + QStringLiteral("/qtbase_") + locale + QStringLiteral(".qm");
    if (QFileInfo::exists(file))
        Install(app, file);
}

} // namespace

QList<LanguageOffer> OfferedLanguages() {
    QList<LanguageOffer> offers = {
        {kEnglishLanguageId, NameOf(*LanguageById(kEnglishLanguageId)), {}}};
    const QDir folder(QString::fromStdString(ModuleFolder()));
    const QStringList files =
        folder.entryList({kFilePrefix + QLatin1Char('*') + kFileSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString locale =
            file.mid(kFilePrefix.size(), file.size() - kFilePrefix.size() - kFileSuffix.size());
        const LanguageInfo* language = LanguageById(LanguageIdOfLocale(locale.toStdString()));
        if (language != nullptr && !Offered(offers, language->Id))
            offers.append({language->Id, NameOf(*language), folder.filePath(file)});
    }
    return offers;
}

uint16_t StoredLanguageId() {
    bool ok = false;
    const uint value = QSettings().value(kLanguageKey).toUInt(&ok);
    return ok && value <= 0xFFFF ? static_cast<uint16_t>(value) : 0;
}

void StoreLanguageId(uint16_t id) {
    QSettings().setValue(kLanguageKey, id);
}

void InstallInterfaceLanguage(QCoreApplication& app) {
    const QList<LanguageOffer> offers = OfferedLanguages();
    std::vector<uint16_t> translated;
    for (const LanguageOffer& offer : offers)
        if (!offer.TranslationFile.isEmpty())
            translated.push_back(offer.Id);
    const uint16_t chosen = ChooseLanguage(StoredLanguageId(), InterfaceLanguages(), translated);
    app.setProperty(kCurrentLanguageProperty, kEnglishLanguageId);
    for (const LanguageOffer& offer : offers) {
        // A translation that does not load leaves the program in English.
        if (offer.Id == chosen && !offer.TranslationFile.isEmpty() &&
            Install(app, offer.TranslationFile)) {
            app.setProperty(kCurrentLanguageProperty, chosen);
            InstallQtTranslation(app, *LanguageById(chosen));
        }
    }
}

uint16_t InterfaceLanguageId() {
    const QCoreApplication* app = QCoreApplication::instance();
    const QVariant id = app != nullptr ? app->property(kCurrentLanguageProperty) : QVariant();
    return id.isValid() ? static_cast<uint16_t>(id.toUInt()) : kEnglishLanguageId;
}

} // namespace corvid::app
