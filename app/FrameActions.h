#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

namespace corvid::app {

// The frame's commands with their menu texts, accelerators and icons. The
// frame connects them; who may run them is decided where they are enabled.
struct CFrameActions {
    QAction* newFile;
    QAction* open;
    QAction* save;
    QAction* saveAs;
    QAction* saveAll;
    QAction* corvidLayout; // checkable: Save in Corvid Layout
    QAction* exit;
    QAction* undo;
    QAction* redo;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* del;
    QAction* insert;
    QAction* clear;
    QAction* check;
    QAction* helpTopics;
    QAction* revisionHistory;
    QAction* about;
    QMenu* recentFiles;
};

// Creates the commands, the menu bar (File, Edit, View, Params, Tools, Help) and
// the toolbar of `frame`. The two window toggles and the column commands of
// the parameter table come from their owners.
CFrameActions CreateFrameActions(QMainWindow& frame, QAction* projectWindow, QAction* messageWindow,
                                 const QList<QAction*>& columnActions);

} // namespace corvid::app
