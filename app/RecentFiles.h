#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace corvid::app {

// The files opened last, newest first, kept in the user's settings and
// offered in the File menu.
class CRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaximum = 8;

    CRecentFiles(QMenu& menu, QObject* parent);

    void Add(const QString& path);
    QStringList Paths() const { return paths_; }

signals:
    void OpenRequested(const QString& path);

private:
    void Store() const;
    void Rebuild();

    QMenu& menu_;
    QStringList paths_;
};

} // namespace corvid::app
