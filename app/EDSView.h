#pragma once

#include "CellDelegate.h"
#include "ViewClipboard.h"

#include "door/EDSDoc.h"
#include "pages/PageRows.h"
#include "pages/PageSearch.h"

#include <QList>
#include <QTableView>

#include <optional>
#include <string>
#include <vector>

class QAction;

namespace corvid::app {

class CPageTableModel;

// The editing view: one page of one open file at a time, drawn from the
// core's page rows. It holds the file it shows by the file's id, not by a
// position in a list, so removing another file never makes it show or edit
// a neighbour; it builds the page again whenever the document says the
// file changed.
class CEDSView : public QTableView {
    Q_OBJECT
public:
    explicit CEDSView(CEDSDoc& doc, QWidget* parent = nullptr);
    ~CEDSView() override;

    // Shows a section page, or the summary "eliF", with the entries of
    // `state` open (a double click in the tree opens none).
    void ShowPage(EDSFileRef file, const std::string& section, PageState state = {});
    // Builds the shown page again from the model, keeping open entries.
    void Refresh();
    // Forgets the page when its file has left the document set.
    void FilesRemoved();
    void Clear();

    // Where the shown file stands now in its fieldbus's list; none when
    // nothing is shown.
    std::optional<EDSFileRef> ShownFile() const;
    std::optional<EDSFileId> ShownId() const { return shown_; }
    const std::string& Section() const { return section_; }
    const Page& CurrentPage() const;
    // The key of the row last clicked: its first column without blanks.
    const std::string& SelectedKey() const { return selectedKey_; }
    // Selects the row keyed `key` and scrolls it into sight; false when the
    // page has no such row.
    bool SelectKey(const std::string& key);
    // Shows the page of a hit with its entry open and selects its cell, so
    // F2 edits it; false when the hit's file or row has gone.
    bool ShowHit(const PageHit& hit);
    // The (+)/(-) box of a head row's first cell: a click there alone opens
    // or closes the entry, so a double click elsewhere in the row edits.
    QRect ToggleBox(int row) const;
    // Selects a cell of the page as a click does and scrolls it into sight.
    void SelectCell(size_t row, size_t column);
    // Selects the row under a point of the viewport as a click does, without
    // opening or closing it (before the "edit" menu shows).
    void SelectRowAt(const QPoint& at);

    // The in-place editor showing now, if any.
    QWidget* OpenEditor() const { return delegate_->OpenEditor(); }
    // Commits the open editor and closes it, as when it loses the focus:
    // before any page change, command, save, file removal or exit.
    void CommitEditors();
    CViewClipboard& Clipboard() { return clipboard_; }

    // "Params" menu: one checkable command per field column of the
    // parameter table.
    QList<QAction*> ColumnActions() const { return columnActions_; }
    const std::vector<int>& ParamColumnWidths() const { return paramWidths_; }
    // Writes the parameter-table widths to Configure.ini; false with the
    // reason when that failed.
    bool SaveColumnWidths(std::string& error) const;

signals:
    // The page changed to another file or section, or went away.
    void PageChanged();
    // A refused edit: one line for the message window.
    void MessageLine(const std::string& text);
    // An in-place editor opened and takes the focus.
    void EditorOpened(QWidget* editor);

protected:
    // A click outside every row forgets the selected row's key.
    void mousePressEvent(QMouseEvent* event) override;
    // A press anywhere in the program outside the open editor commits it,
    // also on widgets that do not take the focus (toolbar, headers).
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Moving with the keys selects a row as a click does.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    bool ShowsParamTable() const;
    void ApplyColumnWidths();
    void CreateColumnActions();
    void ToggleParamColumn(size_t field);
    void OnClicked(const QModelIndex& index);
    void OnColumnResized(int column, int oldWidth, int newWidth);

    CEDSDoc& doc_;
    CPageTableModel* model_;
    CCellDelegate* delegate_;
    CViewClipboard clipboard_;
    EDSKind kind_ = EDSKind::Unknown;
    std::optional<EDSFileId> shown_;
    size_t listener_ = 0; // the document's change listener
    std::string section_;
    PageState state_;
    std::string selectedKey_;
    std::vector<int> paramWidths_;
    QList<QAction*> columnActions_;
    bool applyingWidths_ = false;
    bool pressedOnBox_ = false;
};

} // namespace corvid::app
