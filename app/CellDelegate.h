#pragma once

#include "shell/EDSDoc.h"
#include "shell/PageRows.h"

#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>
#include <string>

namespace corvid::app {

class CPageTableModel;

// The entry an open editor edits. It is found again by file, section, row
// key and column when the editor commits, so a page rebuilt, switched or
// shortened meanwhile can never redirect the text to another row.
struct CellTarget {
    const EDSFileHeader* file = nullptr;
    std::string section;
    std::string rowKey;             // a field row's entry: the key of its head row
    std::optional<size_t> distance; // rows below that head row
    size_t column = 0;
    QString shownText; // the editor's text when it opened
    // What a text popup opens with when the cell shows less (the Enum
    // cell's "* * *" stands for the enumeration strings).
    QString popupText;
    bool utf8 = false; // the file holds its texts as UTF-8
};

// The view's in-place editors: a single-line field, a drop-down list or a
// popup at the mouse pointer, as the page's cell names them. Focus loss and Enter commit, Escape
// cancels; at most one editor is open, and opening another commits it first.
class CCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using TargetOf = std::function<std::optional<CellTarget>(const QModelIndex&)>;
    using Commit = std::function<void(const CellTarget&, const QString&)>;

    CCellDelegate(const CPageTableModel& model, TargetOf targetOf, Commit commit, QObject* parent);

    // The editor showing now, if any.
    QWidget* OpenEditor() const { return open_; }
    // Commits the open editor's text and closes it, as focus loss does.
    void CommitAndClose();

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editor is filled once when it opens; a page rebuilt while it is
    // open must not overwrite what the user typed.
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

signals:
    // A new editor is about to take the focus.
    void EditorOpened(QWidget* editor) const;

private:
    QWidget* CreateTextEditor(QWidget* parent, const QString& text) const;
    QWidget* CreateDropDown(QWidget* parent, const PageCell& cell, const QString& text) const;
    QWidget* CreatePopup(QWidget* parent, const PageCell& cell, const QString& text,
                         const QRect& cellArea) const;
    void PlacePopup(QWidget* popup) const;

    const CPageTableModel& model_;
    TargetOf targetOf_;
    Commit commit_;
    // Mutable: Qt creates and destroys editors through const members.
    mutable QPointer<QWidget> open_;
    mutable CellTarget target_;
    mutable QPoint popupAt_; // in the view's viewport
};

} // namespace corvid::app
