#pragma once

#include "shell/EDSDoc.h"
#include "shell/PageRows.h"

#include <QList>
#include <QTableView>

#include <optional>
#include <string>
#include <vector>

class QAction;

namespace corvid::app {

class CPageTableModel;

// The editing view: one page of one open file at a time, drawn from the
// core's page rows. It holds the file it shows by the file's own header,
// not by a position in a list, so removing another file never makes it
// show or edit a neighbour.
class CEDSView : public QTableView {
    Q_OBJECT
public:
    explicit CEDSView(CEDSDoc& doc, QWidget* parent = nullptr);

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
    const std::string& Section() const { return section_; }
    const Page& CurrentPage() const;
    // The key of the row last clicked: its first column without blanks.
    const std::string& SelectedKey() const { return selectedKey_; }

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

protected:
    // A click outside every row forgets the selected row's key.
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool ShowsParamTable() const;
    void ApplyColumnWidths();
    void CreateColumnActions();
    void ToggleParamColumn(size_t field);
    void OnClicked(const QModelIndex& index);
    void OnColumnResized(int column, int oldWidth, int newWidth);

    CEDSDoc& doc_;
    CPageTableModel* model_;
    EDSKind kind_ = EDSKind::Unknown;
    const EDSFileHeader* shown_ = nullptr; // identifies the file; never dereferenced stale
    std::string section_;
    PageState state_;
    std::string selectedKey_;
    std::vector<int> paramWidths_;
    QList<QAction*> columnActions_;
    bool applyingWidths_ = false;
};

} // namespace corvid::app
