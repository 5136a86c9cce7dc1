#include "PageTableModel.h"

#include "AppIcons.h"
#include "ColumnHeaders.h"
#include "Roles.h"
#include "ShownText.h"

#include "dictionaries/TextEncoding.h"
#include "editing/CellCommit.h"
#include "editing/ParamEditing.h"

#include <algorithm>

namespace corvid::app {

CPageTableModel::CPageTableModel(CEDSDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc), closedIcon_(ThemeIcon(QStringLiteral("row-closed"))),
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

bool CPageTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const PageCell* cell = Cell(index);
    if (role != Qt::EditRole || !file_ || cell == nullptr || cell->Editor == CellEditor::ReadOnly)
        return false;
    const auto row = static_cast<size_t>(index.row());
    const auto column = static_cast<size_t>(index.column());
    // A value already held as UTF-8 tells the file is written so; other
    // files get typed text in their own 8-bit code page.
    const std::string bytes = ForFile(value.toString(), HoldsUtf8Text(StoredText(row, column)));
    const EDSCommitted result =
        doc_.Commit(*file_, CellChange::Of(EditOfCell(page_, row, column, bytes)));
    // A refusal says why; a value stored with a warning (crossed limits)
    // says what to look at.
    if (!result.Message.empty())
        emit MessageLine(result.Message);
    return result.Stored();
}

std::optional<CellTarget> CPageTableModel::TargetOf(const QModelIndex& index) const {
    const PageCell* cell = Cell(index);
    if (!file_ || cell == nullptr)
        return std::nullopt;
    CellTarget target;
    target.file = *file_;
    target.section = page_.Section;
    target.column = static_cast<size_t>(index.column());
    // Field rows of an entry have no key of their own: they are addressed
    // from their head row, as the commit rules address them.
    const CellEdit address = EditOfCell(page_, static_cast<size_t>(index.row()), target.column, {});
    target.rowKey = std::string(address.RowKey);
    target.distance = address.Distance;
    if (cell->Popup == PopupKind::EnumStrings)
        target.popupText = Shown(EnumStringsText(target.rowKey));
    return target;
}

QModelIndex CPageTableModel::IndexOf(const CellTarget& target) const {
    if (file_ != target.file || page_.Section != target.section)
        return {};
    for (size_t row = 0; row < page_.Rows.size(); ++row) {
        const CellEdit address = EditOfCell(page_, row, target.column, {});
        if (address.RowKey == target.rowKey && address.Distance == target.distance)
            return index(static_cast<int>(row), static_cast<int>(target.column));
    }
    return {};
}

std::string CPageTableModel::StoredText(size_t row, size_t column) const {
    const PageCell& cell = page_.Rows[row].Cells[column];
    if (cell.Popup != PopupKind::EnumStrings)
        return cell.Text;
    return EnumStringsText(EditOfCell(page_, row, column, {}).RowKey);
}

std::string CPageTableModel::EnumStringsText(std::string_view paramKey) const {
    std::string text;
    doc_.Visit(*file_, [&](const auto& model) {
        if constexpr (requires { model.Params; }) {
            const std::optional<size_t> position = ParamPosition(model.Params, paramKey);
            if (position && model.Params[*position].EnumStrings)
                text = EnumText(*model.Params[*position].EnumStrings);
        }
    });
    return text;
}

QVariant CPageTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<size_t>(section) >= page_.Columns.size())
        return {};
    return ShownColumnHeader(page_.Columns[static_cast<size_t>(section)].Header);
}

} // namespace corvid::app
