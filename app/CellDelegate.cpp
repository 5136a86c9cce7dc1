#include "CellDelegate.h"

#include "CellPopups.h"
#include "DialogControls.h"
#include "PageTableModel.h"
#include "ShownText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace corvid::app {

namespace {

const PageCell* CellAt(const Page& page, const QModelIndex& index) {
    const auto row = static_cast<size_t>(index.row());
    const auto column = static_cast<size_t>(index.column());
    if (!index.isValid() || row >= page.Rows.size() || column >= page.Rows[row].Cells.size())
        return nullptr;
    return &page.Rows[row].Cells[column];
}

QString EditorText(const QWidget* editor) {
    if (const auto* line = qobject_cast<const QLineEdit*>(editor))
        return line->text();
    if (const auto* list = qobject_cast<const QComboBox*>(editor))
        return list->currentText();
    if (const auto* bits = qobject_cast<const CBitsPopup*>(editor))
        return bits->Text();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(editor))
        return text->toPlainText();
    return {};
}

bool IsPopup(const QWidget* editor) {
    return qobject_cast<const CBitsPopup*>(editor) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(editor) != nullptr;
}

} // namespace

CCellDelegate::CCellDelegate(const CPageTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void CCellDelegate::CommitAndClose() {
    QPointer<QWidget> editor = open_;
    if (editor == nullptr)
        return;
    emit commitData(editor);
    if (editor != nullptr)
        emit closeEditor(editor, NoHint);
}

QWidget* CCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    // A second editor commits the one showing, whatever took the focus; a
    // commit that gave the page other rows leaves nothing here to edit.
    const QPersistentModelIndex kept(index);
    const_cast<CCellDelegate*>(this)->CommitAndClose();
    if (kept != index)
        return nullptr;
    const PageCell* cell = CellAt(model_.CurrentPage(), index);
    std::optional<CellTarget> target = model_.TargetOf(index);
    if (cell == nullptr || !target)
        return nullptr;
    const QString text = index.data(Qt::DisplayRole).toString();
    QWidget* editor = nullptr;
    if (cell->Editor == CellEditor::Text)
        editor = CreateTextEditor(parent, text);
    else if (cell->Editor == CellEditor::DropDown)
        editor = CreateDropDown(parent, *cell, text);
    else if (cell->Editor == CellEditor::Popup)
        editor = CreatePopup(parent, *cell, target->popupText.isNull() ? text : target->popupText,
                             option.rect);
    if (editor == nullptr)
        return nullptr;
    // What the editor shows at first is what "unchanged" means on commit.
    target->shownText = EditorText(editor);
    target_ = std::move(*target);
    open_ = editor;
    emit EditorOpened(editor);
    return editor;
}

QWidget* CCellDelegate::CreateTextEditor(QWidget* parent, const QString& text) const {
    auto* line = new QLineEdit(text, parent);
    line->setFrame(false);
    line->selectAll();
    return line;
}

QWidget* CCellDelegate::CreateDropDown(QWidget* parent, const PageCell& cell,
                                       const QString& text) const {
    const Page& page = model_.CurrentPage();
    if (cell.Choices < 0 || static_cast<size_t>(cell.Choices) >= page.Choices.size())
        return nullptr;
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    for (const std::string& item : page.Choices[static_cast<size_t>(cell.Choices)])
        list->addItem(Shown(item));
    // A stored value the list does not offer is still shown and kept, so
    // closing the list without a choice changes nothing.
    SelectText(*list, text);
    // Choosing an item is the user's answer: it is stored at once.
    auto* self = const_cast<CCellDelegate*>(this); // Qt creates editors through a const call
    connect(list, &QComboBox::activated, self, [self, list] {
        if (self->open_ == list)
            self->CommitAndClose();
    });
    return list;
}

QWidget* CCellDelegate::CreatePopup(QWidget* parent, const PageCell& cell, const QString& text,
                                    const QRect& cellArea) const {
    // At the mouse pointer, as the double click left it; from the keyboard
    // the pointer may be anywhere, so the popup opens at the cell.
    const QPoint pointer = parent->mapFromGlobal(QCursor::pos());
    popupAt_ = cellArea.contains(pointer) ? pointer : cellArea.bottomLeft();
    if (cell.Popup == PopupKind::EnumStrings) {
        auto* strings = new QPlainTextEdit(parent);
        strings->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        strings->setLineWrapMode(QPlainTextEdit::NoWrap);
        strings->resize(260, 150);
        return strings;
    }
    const QStringList boxes = CBitsPopup::BoxesOf(cell.Popup);
    if (boxes.isEmpty())
        return nullptr;
    bool number = false;
    const unsigned bits = text.toUInt(&number, 0);
    return new CBitsPopup(boxes, number ? bits : 0u, parent);
}

void CCellDelegate::PlacePopup(QWidget* popup) const {
    // Wholly inside the list where there is room for it.
    const QRect room = popup->parentWidget()->rect();
    QRect area(popupAt_, popup->size());
    if (area.right() > room.right())
        area.moveRight(room.right());
    if (area.bottom() > room.bottom())
        area.moveBottom(room.bottom());
    area.moveTopLeft(QPoint(std::max(area.left(), 0), std::max(area.top(), 0)));
    popup->setGeometry(area);
}

void CCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex&) const {
    if (editor != open_)
        return;
    const QString text = EditorText(editor);
    // Unchanged text stores nothing: opening and leaving an editor neither
    // rewrites the value as the file gave it nor marks the file modified.
    if (text == target_.shownText)
        return;
    if (const QModelIndex cell = model_.IndexOf(target_); cell.isValid())
        model->setData(cell, text, Qt::EditRole);
}

void CCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (IsPopup(editor)) {
        PlacePopup(editor);
        return;
    }
    const PageCell* cell = CellAt(model_.CurrentPage(), index);
    QRect area = option.rect;
    if (qobject_cast<QLineEdit*>(editor) != nullptr) {
        area.adjust(1, 1, -1, -1);
        const int wanted = editor->fontMetrics().horizontalAdvance(target_.shownText) +
                           (cell != nullptr ? cell->EditorWidth : 0);
        if (area.width() < wanted)
            area.setWidth(wanted);
    } else {
        area.adjust(1, 1, 0, 0);
        if (cell != nullptr && cell->EditorWidth > 0 && area.width() > cell->EditorWidth)
            area.setWidth(cell->EditorWidth);
    }
    editor->setGeometry(area);
}

void CCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == open_)
        open_ = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

} // namespace corvid::app
