#include "RecentFiles.h"

#include <QDir>
#include <QMenu>
#include <QSettings>

namespace corvid::app {

namespace {

const QString kKey = QStringLiteral("RecentFiles");

} // namespace

CRecentFiles::CRecentFiles(QMenu& menu, QObject* parent)
    : QObject(parent), menu_(menu), paths_(QSettings().value(kKey).toStringList()) {
    paths_ = paths_.mid(0, kMaximum);
    Rebuild();
}

void CRecentFiles::Add(const QString& path) {
    paths_.removeAll(path);
    paths_.prepend(path);
    paths_ = paths_.mid(0, kMaximum);
    Store();
    Rebuild();
}

void CRecentFiles::Store() const {
    QSettings().setValue(kKey, paths_);
}

void CRecentFiles::Rebuild() {
    menu_.clear();
    for (qsizetype i = 0; i < paths_.size(); ++i) {
        const QString path = paths_[i];
        const QString label =
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path));
        menu_.addAction(label, this, [this, path] { emit OpenRequested(path); });
    }
    menu_.setEnabled(!paths_.isEmpty());
}

} // namespace corvid::app
