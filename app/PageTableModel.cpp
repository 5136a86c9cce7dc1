#include "PageTableModel.h"

#include "AppIcons.h"
#include "ColumnHeaders.h"
#include "Roles.h"
#include "ShownText.h"

#include <algorithm>

namespace corvid::app {

namespace {} // namespace

CPageTableModel::CPageTableModel(QObject* parent)
    : QAbstractTableModel(parent), closedIcon_(ThemeIcon(QStringLiteral("row-closed"))),
      openIcon_(ThemeIcon(QStringLiteral("row-open"))),
      fieldIcon_(ThemeIcon(QStringLiteral("row-field"))) {}

QVariant CPageTableModel::LookIcon(RowLook look) const {
    switch (look) {
    case RowLook::Collapsed:
        return closedIcon_;
    case RowLook::Expanded:
        return openIcon_;
    case RowLook::Field:
        return fieldIcon_;
    case RowLook::Plain:
        break;
    }
    return {};
}

void CPageTableModel::SetPage(Page page) {
    beginResetModel();
    page_ = std::move(page);
    endResetModel();
}

void CPageTableModel::SetToggledPage(Page page, size_t headRow) {
    const RowSplice splice = ToggledRows(page_, page, headRow);
    const int first = static_cast<int>(splice.First);
    if (splice.Removed > 0) {
        beginRemoveRows({}, first, first + static_cast<int>(splice.Removed) - 1);
        page_.Rows.erase(page_.Rows.begin() + static_cast<std::ptrdiff_t>(splice.First),
                         page_.Rows.begin() +
                             static_cast<std::ptrdiff_t>(splice.First + splice.Removed));
        endRemoveRows();
    }
    if (splice.Inserted > 0) {
        beginInsertRows({}, first, first + static_cast<int>(splice.Inserted) - 1);
        page_ = std::move(page);
        endInsertRows();
    } else {
        page_ = std::move(page);
    }
    // The head row's look and every row's Head position may have changed.
    if (!page_.Rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool CPageTableModel::SetRebuiltPage(Page page) {
    const auto sameRow = [](const PageRow& a, const PageRow& b) {
        return a.Key == b.Key && a.Cells.size() == b.Cells.size();
    };
    if (page.Columns.size() != page_.Columns.size() ||
        !std::equal(page.Rows.begin(), page.Rows.end(), page_.Rows.begin(), page_.Rows.end(),
                    sameRow)) {
        SetPage(std::move(page));
        return true;
    }
    page_ = std::move(page);
    if (!page_.Rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return false;
}

int CPageTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(page_.Rows.size());
}

int CPageTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(page_.Columns.size());
}

const PageCell* CPageTableModel::Cell(const QModelIndex& index) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= page_.Rows.size())
        return nullptr;
    const PageRow& row = page_.Rows[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    return column < row.Cells.size() ? &row.Cells[column] : nullptr;
}

QVariant CPageTableModel::data(const QModelIndex& index, int role) const {
    const PageCell* cell = Cell(index);
    if (cell == nullptr)
        return {};
    const PageRow& row = page_.Rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Shown(cell->Text);
    case Qt::DecorationRole:
        return index.column() == 0 ? LookIcon(row.Look) : QVariant();
    case RowKeyRole:
        return QString::fromStdString(row.Key);
    case RowLookRole:
        return static_cast<int>(row.Look);
    case CellEditorRole:
        return static_cast<int>(cell->Editor);
    default:
        return {};
    }
}

Qt::ItemFlags CPageTableModel::flags(const QModelIndex& index) const {
    const PageCell* cell = Cell(index);
    if (cell == nullptr)
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return cell->Editor != CellEditor::ReadOnly ? shown | Qt::ItemIsEditable : shown;
}

QVariant CPageTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<size_t>(section) >= page_.Columns.size())
        return {};
    return ShownColumnHeader(page_.Columns[static_cast<size_t>(section)].Header);
}

} // namespace corvid::app
