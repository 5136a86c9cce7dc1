#pragma once

// The user's own settings (language, recent files, the New EDS File
// dialog's last choices) live where Linux keeps them:
// $XDG_CONFIG_HOME/corvid/corvid.conf (default ~/.config/corvid/). QSettings()
// reads and writes there once the store is named.

class QSettings;
class QString;

namespace corvid::app {

// Names the store; call once, before the first QSettings.
void NameUserSettingsStore();

// File > Save in Corvid Layout: whether Save writes a file opened from disk
// in Corvid's layout rather than its own. Off until the user ticks it.
bool LoadSaveInCorvidLayout();
void StoreSaveInCorvidLayout(bool corvidLayout);

// The store the program's earlier versions kept under the folder name of
// their project template.
QString OldUserSettingsFile();

// Copies every value of `oldFile` into `store` once: only while `store` has
// no file yet, so the old store is read at the first start and never again.
// True when values were copied.
bool ImportOldUserSettings(const QString& oldFile, QSettings& store);

} // namespace corvid::app
