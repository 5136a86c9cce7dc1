#pragma once

#include "door/EDSDoc.h"
#include "pages/PageRows.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>

#include <optional>
#include <string>

namespace corvid::app {

// The cell an open editor edits. It is found again by file, section, row
// key and column when the editor commits, so a page rebuilt, switched or
// shortened meanwhile can never redirect the text to another row.
struct CellTarget {
    EDSFileId file;
    std::string section;
    std::string rowKey;             // a field row's entry: the key of its head row
    std::optional<size_t> distance; // rows below that head row
    size_t column = 0;
    QString shownText; // the editor's text when it opened
    // What a text popup opens with when the cell shows less (the Enum
    // cell's "* * *" stands for the enumeration strings).
    QString popupText;
};

// One page of the editing view as a table: the core builds the rows, this
// model hands their texts and looks to the view, and commits what an editor
// stores to the file through the document's door.
class CPageTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CPageTableModel(CEDSDoc& doc, QObject* parent);

    const Page& CurrentPage() const { return page_; }
    // The file whose page is shown; none while no page is.
    void SetFile(std::optional<EDSFileId> file) { file_ = file; }
    // A new page: every row and column changes.
    void SetPage(Page page);
    // The same page after the entry at `headRow` opened or closed: only the
    // rows below it move, so the selection and scroll position stay.
    void SetToggledPage(Page page, size_t headRow);
    // The same page after an edit: when the rows are still the same entries
    // only their texts change, so the selection, scroll position and an
    // open editor stay; otherwise the page is shown anew.
    // True when the page was shown anew.
    bool SetRebuiltPage(Page page);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Text and drop-down cells are editable; the rest only selectable.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Commits the text (Qt::EditRole) of an editable cell by the core's
    // rules. True when it was stored; a refusal is told by MessageLine.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The cell an editor opened on `index` edits; none for no cell.
    std::optional<CellTarget> TargetOf(const QModelIndex& index) const;
    // Where that cell is now; invalid when its page or row has gone.
    QModelIndex IndexOf(const CellTarget& target) const;

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // A refused edit: one line for the message window.
    void MessageLine(const std::string& text);

private:
    const PageCell* Cell(const QModelIndex& index) const;
    // What the cell stands for: its text, or the enumeration strings of the
    // parameter whose Enum cell it is.
    std::string StoredText(size_t row, size_t column) const;
    std::string EnumStringsText(std::string_view paramKey) const;
    QVariant LookIcon(RowLook look) const;

    CEDSDoc& doc_;
    std::optional<EDSFileId> file_;
    Page page_;
    // The three looks of rows that open and close; a plain row has no icon.
    QIcon closedIcon_;
    QIcon openIcon_;
    QIcon fieldIcon_;
};

} // namespace corvid::app
