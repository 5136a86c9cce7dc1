#pragma once

#include "PageTableModel.h"

#include <QPointer>
#include <QStyledItemDelegate>

namespace corvid::app {

// The view's in-place editors: a single-line field, a drop-down list or a
// popup at the mouse pointer, as the page's cell names them. Focus loss and Enter commit, Escape
// cancels; at most one editor is open, and opening another commits it first.
class CCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CCellDelegate(const CPageTableModel& model, QObject* parent);

    // The editor showing now, if any.
    QWidget* OpenEditor() const { return open_; }
    // Commits the open editor's text and closes it, as focus loss does.
    void CommitAndClose();

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editor is filled once when it opens; a page rebuilt while it is
    // open must not overwrite what the user typed.
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    // Hands a changed text to the model's setData, on the cell the editor
    // opened on wherever it is now.
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
    // Mutable: Qt creates and destroys editors through const members.
    mutable QPointer<QWidget> open_;
    mutable CellTarget target_;
    mutable QPoint popupAt_; // in the view's viewport
};

} // namespace corvid::app
