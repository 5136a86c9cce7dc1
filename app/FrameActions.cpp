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
    file->addActions({a.newFile, a.open, a.save, a.saveAs, a.saveAll});
    file->addSeparator();
    file->addMenu(a.recentFiles);
    file->addSeparator();
    file->addAction(a.exit);

    QMenu* edit = bar->addMenu(QObject::tr("&Edit"));
    edit->addActions({a.cut, a.copy, a.paste, a.del, a.insert});
    edit->addSeparator();
    edit->addAction(a.clear);

    QMenu* view = bar->addMenu(QObject::tr("&View"));
    view->addActions({projectWindow, messageWindow});

    bar->addMenu(QObject::tr("&Params"))->addActions(columnActions);

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
    tools->addActions({a.cut, a.copy, a.paste});
    tools->addSeparator();
    tools->addActions({a.del, a.insert, a.clear});
    tools->addSeparator();
    tools->addActions({projectWindow, messageWindow, a.helpTopics});
}

} // namespace

CFrameActions CreateFrameActions(QMainWindow& frame, QAction* projectWindow, QAction* messageWindow,
                                 const QList<QAction*>& columnActions) {
    using QObject::tr;
    CFrameActions a{};
    a.newFile = Command(frame, tr("&New..."), QStringLiteral("document-new"), QKeySequence(tr("Ctrl+N")));
    a.open = Command(frame, tr("&Open..."), QStringLiteral("document-open"), QKeySequence(tr("Ctrl+O")));
    a.save = Command(frame, tr("&Save"), QStringLiteral("document-save"), QKeySequence(tr("Ctrl+S")));
    a.saveAs = Command(frame, tr("Save &As..."), QStringLiteral("document-save-as"));
    a.saveAll = Command(frame, tr("Save A&ll"), QStringLiteral("document-save-all"));
    a.exit = Command(frame, tr("E&xit"), QStringLiteral("application-exit"));
    a.cut = Command(frame, tr("Cu&t"), QStringLiteral("edit-cut"), QKeySequence(tr("Ctrl+X")));
    a.copy = Command(frame, tr("&Copy"), QStringLiteral("edit-copy"), QKeySequence(tr("Ctrl+C")));
    a.paste = Command(frame, tr("&Paste"), QStringLiteral("edit-paste"), QKeySequence(tr("Ctrl+V")));
    a.del = Command(frame, tr("&Delete"), QStringLiteral("edit-delete"), QKeySequence(Qt::Key_Delete));
    a.insert = Command(frame, tr("&Insert"), QStringLiteral("list-add"), QKeySequence(tr("Ctrl+I")));
    a.clear = Command(frame, tr("C&lear"), QStringLiteral("edit-clear"), QKeySequence(tr("Ctrl+E")));
    a.helpTopics = Command(frame, tr("&Help Topics"), QStringLiteral("help-contents"),
                           QKeySequence(Qt::Key_F1));
    a.revisionHistory = Command(frame, tr("&Revision History"), {});
    a.about = Command(frame, tr("&About Corvid..."), QStringLiteral("help-about"));
    a.recentFiles = new QMenu(tr("Recent &Files"), &frame);

    projectWindow->setIcon(ThemeIcon(QStringLiteral("view-list-tree")));
    projectWindow->setShortcut(QKeySequence(tr("Ctrl+P")));
    messageWindow->setIcon(ThemeIcon(QStringLiteral("utilities-terminal")));
    messageWindow->setShortcut(QKeySequence(tr("Ctrl+M")));

    BuildMenus(frame, a, projectWindow, messageWindow, columnActions);
    BuildToolBar(frame, a, projectWindow, messageWindow);
    return a;
}

} // namespace corvid::app
