#include "ProjectTreeModel.h"

#include "AppIcons.h"
#include "ShownText.h"

#include "pages/ProjectTree.h"

namespace corvid::app {

// A root's internal id is 0; a section's is its root's row plus one, so the
// parent of any item is known without storing items.
CProjectTreeModel::CProjectTreeModel(CEDSDoc& doc, EDSKind kind, QObject* parent)
    : QAbstractItemModel(parent), doc_(doc), kind_(kind),
      fileIcon_(ThemeIcon(QStringLiteral("text-x-generic"))),
      sectionIcon_(ThemeIcon(QStringLiteral("x-office-document"))) {}

void CProjectTreeModel::FileAdded(size_t position) {
    const int row = static_cast<int>(position);
    beginInsertRows({}, row, row);
    ++roots_;
    endInsertRows();
}

void CProjectTreeModel::FileChanged(size_t position) {
    if (static_cast<int>(position) >= roots_)
        return;
    const QModelIndex root = RootIndex(position);
    emit dataChanged(root, root);
}

void CProjectTreeModel::RemoveFile(size_t position) {
    const int row = static_cast<int>(position);
    if (row >= roots_)
        return;
    beginRemoveRows({}, row, row);
    doc_.RemoveFile(kind_, position);
    --roots_;
    endRemoveRows();
}

std::optional<EDSFileRef> CProjectTreeModel::FileOf(const QModelIndex& index) const {
    if (!index.isValid())
        return std::nullopt;
    const size_t root = IsRoot(index) ? static_cast<size_t>(index.row()) : index.internalId() - 1;
    return EDSFileRef{kind_, root};
}

std::string CProjectTreeModel::SectionOf(const QModelIndex& index) const {
    if (!index.isValid() || IsRoot(index))
        return {};
    const std::vector<std::string> sections = Sections(index.internalId() - 1);
    const auto row = static_cast<size_t>(index.row());
    return row < sections.size() ? sections[row] : std::string();
}

bool CProjectTreeModel::IsRoot(const QModelIndex& index) const {
    return index.isValid() && index.internalId() == 0;
}

QModelIndex CProjectTreeModel::RootIndex(size_t position) const {
    return index(static_cast<int>(position), 0);
}

QModelIndex CProjectTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, quintptr{0});
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex CProjectTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || IsRoot(child))
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, quintptr{0});
}

int CProjectTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return roots_;
    if (IsRoot(parent) && parent.column() == 0)
        return static_cast<int>(Sections(static_cast<size_t>(parent.row())).size());
    return 0;
}

int CProjectTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant CProjectTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DecorationRole)
        return IsRoot(index) ? fileIcon_ : sectionIcon_;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (!IsRoot(index))
        return QString::fromStdString(SectionOf(index));
    const EDSFileHeader* header = doc_.Header({kind_, static_cast<size_t>(index.row())});
    if (header == nullptr)
        return {};
    if (role == Qt::ToolTipRole)
        return Shown(header->SavePathName.empty() ? header->PathName : header->SavePathName);
    // A file with unsaved changes carries a star, as the title bar does.
    const bool modified = (header->Flags & FLAG_MODIFIED) != 0;
    return Shown(header->Title + (modified ? "*" : ""));
}

std::vector<std::string> CProjectTreeModel::Sections(size_t position) const {
    if (position >= doc_.FileCount(kind_))
        return {};
    return BuildProjectTreeFile(doc_, {kind_, position}).Sections;
}

} // namespace corvid::app
