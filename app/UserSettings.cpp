#include "UserSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace corvid::app {

namespace {

const QString kCorvidLayoutKey = QStringLiteral("SaveInCorvidLayout");

} // namespace

void NameUserSettingsStore() {
    QCoreApplication::setOrganizationName(QStringLiteral("corvid"));
    QCoreApplication::setApplicationName(QStringLiteral("corvid"));
}

bool LoadSaveInCorvidLayout() {
    return QSettings().value(kCorvidLayoutKey, false).toBool();
}

void StoreSaveInCorvidLayout(bool corvidLayout) {
    QSettings().setValue(kCorvidLayoutKey, corvidLayout);
}

QString OldUserSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Local AppWizard-Generated Applications/Corvid.conf");
}

bool ImportOldUserSettings(const QString& oldFile, QSettings& store) {
    if (QFileInfo::exists(store.fileName()) || !QFileInfo(oldFile).isFile())
        return false;
    const QSettings old(oldFile, QSettings::IniFormat);
    const QStringList keys = old.allKeys();
    for (const QString& key : keys)
        store.setValue(key, old.value(key));
    store.sync();
    return !keys.isEmpty();
}

} // namespace corvid::app
