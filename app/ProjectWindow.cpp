#include "ProjectWindow.h"

#include "ProjectTreeModel.h"

#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace corvid::app {

namespace {

size_t Slot(EDSKind kind) {
    return static_cast<size_t>(kind);
}

} // namespace

CProjectWindow::CProjectWindow(CEDSDoc& doc, QWidget* parent)
    : QDockWidget(tr("Project Window"), parent), tabs_(new QTabWidget), rootMenu_(new QMenu(this)),
      treeMenu_(new QMenu(this)) {
    setObjectName(QStringLiteral("ProjectWindow"));
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    setWidget(holder);

    for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP})
        models_[Slot(kind)] = new CProjectTreeModel(doc, kind, this);
    AddTree(EDSKind::CANopen, tr("CANopen"));
    AddTree(EDSKind::DeviceNet, tr("DeviceNet"));
    AddTree(EDSKind::EtherNetIP, tr("EtherNet/IP"));
    tabs_->setVisible(false);
    // All three tabs stay readable: the window is as wide as their names.
    tabs_->setUsesScrollButtons(false);
    setMinimumWidth(tabs_->tabBar()->sizeHint().width() + 8);
    // Bringing a tab to the front is working in that tree too, so Save All
    // follows the tree in sight and not one the user left.
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int tab) { SetActive(static_cast<EDSKind>(tab)); });

    newFile_ = rootMenu_->addAction(tr("&New File..."), this, &CProjectWindow::NewFileRequested);
    addFiles_ = rootMenu_->addAction(tr("&Add Files..."), this, &CProjectWindow::AddFilesRequested);
    rootMenu_->addSeparator();
    removeFile_ = rootMenu_->addAction(tr("&Remove File"), this,
                                       [this] { emit RemoveFileRequested(menuFile_); });
    rootMenu_->addSeparator();
    // A tree of many files is read by opening one file at a time.
    for (QMenu* menu : {rootMenu_, treeMenu_}) {
        menu->addAction(tr("&Collapse All"), this, [this] { Tree(active_).collapseAll(); });
        menu->addAction(tr("&Expand All"), this, [this] { Tree(active_).expandAll(); });
    }
}

void CProjectWindow::AddTree(EDSKind kind, const QString& title) {
    auto* tree = new QTreeView(tabs_);
    tree->setModel(models_[Slot(kind)]);
    tree->setHeaderHidden(true);
    tree->setIconSize(QSize(16, 16));
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A double click on a file shows its summary; its box opens and closes it.
    tree->setExpandsOnDoubleClick(false);
    connect(tree, &QTreeView::pressed, this, [this, kind] { SetActive(kind); });
    connect(tree, &QTreeView::doubleClicked, this,
            [this, kind](const QModelIndex& index) { OnDoubleClicked(kind, index); });
    connect(tree, &QTreeView::customContextMenuRequested, this,
            [this, kind](const QPoint& position) { OnContextMenu(kind, position); });
    trees_[Slot(kind)] = tree;
    tabs_->addTab(tree, title);
}

void CProjectWindow::FileAdded(EDSFileRef file) {
    CProjectTreeModel& model = Model(file.kind);
    model.FileAdded(file.position);
    Tree(file.kind).expand(model.RootIndex(file.position));
    BringToFront(file.kind);
}

void CProjectWindow::FileChanged(EDSFileRef file) {
    Model(file.kind).FileChanged(file.position);
}

void CProjectWindow::BringToFront(EDSKind kind) {
    tabs_->setCurrentIndex(static_cast<int>(kind));
}

void CProjectWindow::RemoveFile(EDSFileRef file) {
    Model(file.kind).RemoveFile(file.position);
}

void CProjectWindow::ShowTabs() {
    tabs_->setVisible(true);
}

bool CProjectWindow::TabsShown() const {
    return !tabs_->isHidden();
}

void CProjectWindow::SetLoading(bool loading) {
    for (QAction* action : {newFile_, addFiles_, removeFile_})
        action->setEnabled(!loading);
}

QTreeView& CProjectWindow::Tree(EDSKind kind) const {
    return *trees_[Slot(kind)];
}

CProjectTreeModel& CProjectWindow::Model(EDSKind kind) const {
    return *models_[Slot(kind)];
}

void CProjectWindow::SetActive(EDSKind kind) {
    if (kind == active_)
        return;
    active_ = kind;
    emit ActiveKindChanged();
}

void CProjectWindow::OnDoubleClicked(EDSKind kind, const QModelIndex& index) {
    SetActive(kind);
    const CProjectTreeModel& model = Model(kind);
    const std::optional<EDSFileRef> file = model.FileOf(index);
    if (!file)
        return;
    if (model.IsRoot(index))
        emit RootActivated(*file);
    else
        emit SectionActivated(*file, model.SectionOf(index));
}

void CProjectWindow::OnContextMenu(EDSKind kind, const QPoint& position) {
    SetActive(kind);
    QTreeView& tree = Tree(kind);
    const QModelIndex index = tree.indexAt(position);
    if (index.isValid())
        tree.setCurrentIndex(index);
    const CProjectTreeModel& model = Model(kind);
    const bool onRoot = index.isValid() && model.IsRoot(index);
    if (onRoot)
        menuFile_ = *model.FileOf(index);
    (onRoot ? rootMenu_ : treeMenu_)->popup(tree.viewport()->mapToGlobal(position));
}

} // namespace corvid::app
