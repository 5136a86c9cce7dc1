#pragma once

#include "shell/PageRows.h"

#include <QAbstractTableModel>
#include <QIcon>

namespace corvid::app {

// One page of the editing view as a table: the core builds the rows, this
// model only hands their texts and looks to the view.
class CPageTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CPageTableModel(QObject* parent);

    const Page& CurrentPage() const { return page_; }
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
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const PageCell* Cell(const QModelIndex& index) const;
    QVariant LookIcon(RowLook look) const;

    Page page_;
    // The three looks of rows that open and close; a plain row has no icon.
    QIcon closedIcon_;
    QIcon openIcon_;
    QIcon fieldIcon_;
};

} // namespace corvid::app
