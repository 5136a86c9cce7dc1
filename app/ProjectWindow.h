#pragma once

#include "door/EDSDoc.h"

#include <QDockWidget>

#include <array>
#include <string>

class QTabWidget;
class QTreeView;
class QMenu;
class QAction;

namespace corvid::app {

class CProjectTreeModel;

// The "Project Window": a tab per fieldbus ("CANopen", "DeviceNet",
// "EtherNet/IP"), each with the tree of its open files. The tabs stay
// hidden until files are first opened.
class CProjectWindow : public QDockWidget {
    Q_OBJECT
public:
    CProjectWindow(CEDSDoc& doc, QWidget* parent);

    // Adds the file's root with its sections, opens it and brings its tab
    // to the front.
    void FileAdded(EDSFileRef file);
    void RemoveFile(EDSFileRef file);
    // The file changed, was saved or took a new name.
    void FileChanged(EDSFileRef file);
    void ShowTabs();
    void BringToFront(EDSKind kind);
    bool TabsShown() const;

    // The fieldbus of the tree the user worked in last: Save All needs at
    // least one file there.
    EDSKind ActiveKind() const { return active_; }
    // While files load, the context menu offers nothing that changes the
    // document set.
    void SetLoading(bool loading);
    // The context menus: of a file's root, and of the rest of the tree.
    QMenu& RootMenu() const { return *rootMenu_; }
    QMenu& TreeMenu() const { return *treeMenu_; }

    QTreeView& Tree(EDSKind kind) const;
    CProjectTreeModel& Model(EDSKind kind) const;

signals:
    void RootActivated(corvid::EDSFileRef file);
    void SectionActivated(corvid::EDSFileRef file, const std::string& section);
    void NewFileRequested();
    void AddFilesRequested();
    void RemoveFileRequested(corvid::EDSFileRef file);
    void ActiveKindChanged();

private:
    void AddTree(EDSKind kind, const QString& title);
    void SetActive(EDSKind kind);
    void OnDoubleClicked(EDSKind kind, const QModelIndex& index);
    void OnContextMenu(EDSKind kind, const QPoint& position);

    QTabWidget* tabs_;
    std::array<QTreeView*, 3> trees_{};
    std::array<CProjectTreeModel*, 3> models_{};
    QMenu* rootMenu_;
    QMenu* treeMenu_; // on sections and empty room: Collapse All, Expand All
    QAction* newFile_;
    QAction* addFiles_;
    QAction* removeFile_;
    EDSKind active_ = EDSKind::CANopen;
    EDSFileRef menuFile_;
};

} // namespace corvid::app
