#include "FrameActions.h"

#include "AppIcons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace corvid::app {

namespace {

QAction* Command(QMainWindow& frame, const QString& text, const QString& icon,
                 const QKeySequence& key = {}) {
    auto* action = new QAction(text, &frame);
    if (!icon.isEmpty())
        action->setIcon(ThemeIcon(icon));
    action->setShortcut(key);
    return action;
}

void BuildMenus(QMainWindow& frame, const CFrameActions& a, QAction* projectWindow,
                QAction* messageWindow, const QList<QAction*>& columnActions) {
    QMenuBar* bar = frame.menuBar();
    QMenu* file = bar->addMenu(QObject::tr("&File"));
    file->addActions({a.newFile, a.open, a.save, a.saveAs, a.saveAll, a.corvidLayout});
    file->addSeparator();
    file->addMenu(a.recentFiles);
    file->addSeparator();
    file->addAction(a.exit);

    QMenu* edit = bar->addMenu(QObject::tr("&Edit"));
    edit->addActions({a.undo, a.redo});
    edit->addSeparator();
    edit->addActions({a.cut, a.copy, a.paste, a.del, a.insert});
    edit->addSeparator();
    edit->addAction(a.clear);

    QMenu* view = bar->addMenu(QObject::tr("&View"));
    view->addActions({projectWindow, messageWindow});

    bar->addMenu(QObject::tr("&Params"))->addActions(columnActions);
    bar->addMenu(QObject::tr("&Tools"))->addAction(a.check);

    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    help->addActions({a.helpTopics, a.revisionHistory});
    help->addSeparator();
    help->addAction(a.about);
}

void BuildToolBar(QMainWindow& frame, const CFrameActions& a, QAction* projectWindow,
                  QAction* messageWindow) {
    QToolBar* tools = frame.addToolBar(QObject::tr("Toolbar"));
    tools->setObjectName(QStringLiteral("Toolbar"));
    tools->setIconSize(QSize(22, 22));
    tools->setMovable(false);
    tools->addActions({a.newFile, a.open, a.save, a.saveAll});
    tools->addSeparator();
    tools->addActions({a.undo, a.redo});
    tools->addSeparator();
    tools->addActions({a.cut, a.copy, a.paste});
    tools->addSeparator();
    tools->addActions({a.del, a.insert, a.clear});
    tools->addSeparator();
    tools->addActions({projectWindow, messageWindow, a.helpTopics});
}

} // namespace

CFrameActions CreateFrameActions(QMainWindow& frame, QAction* projectWindow, QAction* messageWindow,
                                 const QList<QAction*>& columnActions) {
    CFrameActions a{};
    a.newFile = Command(frame, QObject::tr("&New..."), QStringLiteral("document-new"),
                        QKeySequence(QObject::tr("Ctrl+N")));
    a.open = Command(frame, QObject::tr("&Open..."), QStringLiteral("document-open"),
                     QKeySequence(QObject::tr("Ctrl+O")));
    a.save = Command(frame, QObject::tr("&Save"), QStringLiteral("document-save"),
                     QKeySequence(QObject::tr("Ctrl+S")));
    a.saveAs = Command(frame, QObject::tr("Save &As..."), QStringLiteral("document-save-as"));
    a.saveAll = Command(frame, QObject::tr("Save A&ll"), QStringLiteral("document-save-all"));
    a.corvidLayout = Command(frame, QObject::tr("Save in &Corvid Layout"), {});
    a.corvidLayout->setCheckable(true);
    a.exit = Command(frame, QObject::tr("E&xit"), QStringLiteral("application-exit"));
    a.undo = Command(frame, QObject::tr("&Undo"), QStringLiteral("edit-undo"),
                     QKeySequence(QObject::tr("Ctrl+Z")));
    a.redo = Command(frame, QObject::tr("&Redo"), QStringLiteral("edit-redo"),
                     QKeySequence(QObject::tr("Ctrl+Y")));
    a.redo->setShortcuts({a.redo->shortcut(), QKeySequence(QObject::tr("Ctrl+Shift+Z"))});
    a.cut = Command(frame, QObject::tr("Cu&t"), QStringLiteral("edit-cut"),
                    QKeySequence(QObject::tr("Ctrl+X")));
    a.copy = Command(frame, QObject::tr("&Copy"), QStringLiteral("edit-copy"),
                     QKeySequence(QObject::tr("Ctrl+C")));
    a.paste = Command(frame, QObject::tr("&Paste"), QStringLiteral("edit-paste"),
                      QKeySequence(QObject::tr("Ctrl+V")));
    a.del = Command(frame, QObject::tr("&Delete"), QStringLiteral("edit-delete"),
                    QKeySequence(Qt::Key_Delete));
    a.insert = Command(frame, QObject::tr("&Insert"), QStringLiteral("list-add"),
                       QKeySequence(QObject::tr("Ctrl+I")));
    a.clear = Command(frame, QObject::tr("C&lear"), QStringLiteral("edit-clear"),
                      QKeySequence(QObject::tr("Ctrl+E")));
    a.check = Command(frame, QObject::tr("&Check"), {}, QKeySequence(Qt::Key_F7));
    a.helpTopics = Command(frame, QObject::tr("&Help Topics"), QStringLiteral("help-contents"),
                           QKeySequence(Qt::Key_F1));
    a.revisionHistory = Command(frame, QObject::tr("&Revision History"), {});
    a.about = Command(frame, QObject::tr("&About Corvid..."), QStringLiteral("help-about"));
    a.recentFiles = new QMenu(QObject::tr("Recent &Files"), &frame);

    projectWindow->setIcon(ThemeIcon(QStringLiteral("view-list-tree")));
    projectWindow->setShortcut(QKeySequence(QObject::tr("Ctrl+P")));
    messageWindow->setIcon(ThemeIcon(QStringLiteral("utilities-terminal")));
    messageWindow->setShortcut(QKeySequence(QObject::tr("Ctrl+M")));

    BuildMenus(frame, a, projectWindow, messageWindow, columnActions);
    BuildToolBar(frame, a, projectWindow, messageWindow);
    return a;
}

} // namespace corvid::app
