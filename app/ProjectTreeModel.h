#pragma once

#include "door/EDSDoc.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <optional>
#include <string>
#include <vector>

namespace corvid::app {

// The tree of one fieldbus over the document set: a root per open file of
// that fieldbus, in list order, with the file's sections as children. Texts
// are read from the models when shown, never copied into items.
class CProjectTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    CProjectTreeModel(CEDSDoc& doc, EDSKind kind, QObject* parent);

    EDSKind Kind() const { return kind_; }

    // The document set appended a file of this fieldbus.
    void FileAdded(size_t position);
    // The file changed, was saved or renamed: its root is shown again.
    void FileChanged(size_t position);
    // Removes the file from the document set and its root from the tree.
    void RemoveFile(size_t position);

    // The file a root or section item belongs to.
    std::optional<EDSFileRef> FileOf(const QModelIndex& index) const;
    // The section a child stands for; empty for a root.
    std::string SectionOf(const QModelIndex& index) const;
    bool IsRoot(const QModelIndex& index) const;
    QModelIndex RootIndex(size_t position) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::string> Sections(size_t position) const;

    CEDSDoc& doc_;
    EDSKind kind_;
    QIcon fileIcon_;
    QIcon sectionIcon_;
    // Roots the view has been told of; the document set changes first.
    int roots_ = 0;
};

} // namespace corvid::app
