#include "EditCommands.h"

#include "CIPEditCommands.h"
#include "EDSView.h"
#include "IOInsertDialog.h"
#include "InsertParamDialog.h"
#include "MessageWindow.h"
#include "ObjectDialog.h"

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "editing/CellCommit.h"
#include "ethernetip/EtherNetIPModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include <algorithm>
#include <charconv>

namespace corvid::app {

namespace {

const CANopenObject* FindRecord(const CCANopenEDS& model, const ObjectKey& key) {
    const FindResult object = FindObject(model.Objects, key.Index);
    if (object.relation != FindRelation::Found)
        return nullptr;
    const CANopenObject& found = model.Objects[*object.position];
    if (!key.SubIndex)
        return &found;
    const FindResult sub = FindSubObject(found.SubObjects, *key.SubIndex);
    return sub.relation == FindRelation::Found ? &found.SubObjects[*sub.position] : nullptr;
}

} // namespace

CEditCommands::CEditCommands(CEDSDoc& doc, CEDSView& view, CMessageWindow& messages,
                             IUserInterface& ui, const CFrameActions& actions, QWidget* window)
    : QObject(window), doc_(doc), view_(view), messages_(messages), ui_(ui), actions_(actions),
      window_(window) {
    connect(actions_.cut, &QAction::triggered, this, &CEditCommands::Cut);
    connect(actions_.copy, &QAction::triggered, this, &CEditCommands::Copy);
    connect(actions_.paste, &QAction::triggered, this, &CEditCommands::Paste);
    connect(actions_.del, &QAction::triggered, this, &CEditCommands::Delete);
    connect(actions_.insert, &QAction::triggered, this, &CEditCommands::Insert);

    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view_, &QWidget::customContextMenuRequested, this, &CEditCommands::ShowEditMenu);
    connect(&view_, &CEDSView::EditorOpened, this, &CEditCommands::OnEditorOpened);
    connect(&view_, &QAbstractItemView::clicked, this, &CEditCommands::UpdateEnabling);
    connect(&view_, &CEDSView::PageChanged, this, &CEditCommands::UpdateEnabling);
    connect(qApp, &QApplication::focusChanged, this, &CEditCommands::UpdateEnabling);
    QPlainTextEdit& log = messages_.TextView();
    log.installEventFilter(this);
    connect(&log, &QPlainTextEdit::selectionChanged, this, &CEditCommands::UpdateEnabling);
}

void CEditCommands::UpdateEnabling() {
    QLineEdit* editor = FocusedEditor();
    const bool listFocus = view_.hasFocus();
    const CCANopenEDS* objects = listFocus ? ShownObjectPage() : nullptr;
    const std::optional<ObjectKey> selected = objects != nullptr ? SelectedObject() : std::nullopt;
    const bool removable = selected && CanRemoveObjectRecord(*objects, *selected);
    const bool editorText = editor != nullptr && editor->hasSelectedText();
    const CViewClipboard& clipboard = view_.Clipboard();
    actions_.copy->setEnabled(!SelectedText().isEmpty() || selected ||
                              (listFocus && SelectedParam() != nullptr));
    const CIPSelection cip = listFocus ? Selection() : CIPSelection{};
    const bool paramsPage = IsParamsPage(cip);
    actions_.cut->setEnabled(editorText || removable || (paramsPage && SelectedParam() != nullptr));
    actions_.paste->setEnabled(
        (editor != nullptr && !clipboard.text.isEmpty()) ||
        (objects != nullptr && clipboard.object) ||
        (paramsPage && ParamSlot(view_.Clipboard(), cip.file.kind).has_value()));
    actions_.del->setEnabled(removable || CanDeleteCIP(cip));
    actions_.insert->setEnabled(objects != nullptr || CanInsertCIP(cip));
}

bool CEditCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Paste)) {
            UpdateEnabling();
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CEditCommands::OnEditorOpened(QWidget* editor) {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr)
        return;
    line->installEventFilter(this);
    connect(line, &QLineEdit::selectionChanged, this, &CEditCommands::UpdateEnabling);
}

QLineEdit* CEditCommands::FocusedEditor() const {
    auto* line = qobject_cast<QLineEdit*>(view_.OpenEditor());
    return line != nullptr && line->hasFocus() ? line : nullptr;
}

bool CEditCommands::MessageTextFocused() const {
    return messages_.TextView().hasFocus();
}

QString CEditCommands::SelectedText() const {
    if (QLineEdit* editor = FocusedEditor())
        return editor->selectedText();
    if (MessageTextFocused()) {
        QString text = messages_.TextView().textCursor().selectedText();
        return text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    return {};
}

void CEditCommands::KeepText(const QString& text) {
    view_.Clipboard().text = text;
    QApplication::clipboard()->setText(text);
}

const CCANopenEDS* CEditCommands::ShownObjectPage() const {
    const std::optional<EDSFileId> file = view_.ShownId();
    if (!file || ObjectListCategory(view_.Section()) == 0)
        return nullptr;
    return doc_.FileModel<CCANopenEDS>(*file);
}

std::optional<ObjectKey> CEditCommands::SelectedObject() const {
    const CCANopenEDS* model = ShownObjectPage();
    std::optional<ObjectKey> key = ParseObjectRowKey(view_.SelectedKey());
    if (model == nullptr || view_.SelectedKey().empty() || !key || !FindRecord(*model, *key))
        return std::nullopt;
    return key;
}

CIPSelection CEditCommands::Selection() const {
    const std::optional<EDSFileRef> file = view_.ShownFile();
    if (!file)
        return {};
    CIPSelection selection{*file, view_.Section(), view_.SelectedKey(), std::nullopt,
                           &view_.CurrentPage()};
    if (const QModelIndexList rows = view_.selectionModel()->selectedRows(); !rows.isEmpty())
        selection.row = static_cast<size_t>(rows.front().row());
    return selection;
}

std::optional<size_t> CEditCommands::SelectedParamPosition() const {
    const std::optional<EDSFileRef> file = view_.ShownFile();
    if (!file || !IsCIP(file->kind) || view_.Section() != "Params")
        return std::nullopt;
    return ParamPosition(ParamsOf(doc_, *file), view_.SelectedKey());
}

const CEDSParam* CEditCommands::SelectedParam() const {
    const std::optional<size_t> position = SelectedParamPosition();
    return position ? &ParamsOf(doc_, *view_.ShownFile())[*position] : nullptr;
}

void CEditCommands::Copy() {
    if (const QString text = SelectedText(); !text.isEmpty()) {
        KeepText(text);
        return;
    }
    view_.CommitEditors();
    CViewClipboard& clipboard = view_.Clipboard();
    if (const std::optional<ObjectKey> key = SelectedObject()) {
        clipboard.object = *FindRecord(*ShownObjectPage(), *key);
    } else if (const CEDSParam* param = SelectedParam()) {
        ParamSlot(clipboard, view_.ShownFile()->kind) = *param;
    }
    UpdateEnabling();
}

void CEditCommands::Cut() {
    if (QLineEdit* editor = FocusedEditor(); editor != nullptr && editor->hasSelectedText()) {
        KeepText(editor->selectedText());
        editor->del();
        return;
    }
    view_.CommitEditors();
    if (const std::optional<size_t> position = SelectedParamPosition()) {
        const EDSFileRef file = *view_.ShownFile();
        if (std::optional<CEDSParam> removed = CutCIPParam(doc_, file, *position)) {
            ParamSlot(view_.Clipboard(), file.kind) = std::move(*removed);
            UpdateEnabling();
        }
        return;
    }
    const std::optional<ObjectKey> key = SelectedObject();
    if (ShownObjectPage() == nullptr || !key)
        return;
    EDSCommitted cut = doc_.Commit(*view_.ShownId(), CutObjectChange{*key});
    if (cut.CutObject) {
        view_.Clipboard().object = std::move(*cut.CutObject);
        UpdateEnabling();
    }
}

void CEditCommands::Paste() {
    if (QLineEdit* editor = FocusedEditor()) {
        editor->insert(view_.Clipboard().text);
        return;
    }
    view_.CommitEditors();
    const CIPSelection cip = Selection();
    if (IsCIP(cip.file.kind)) {
        const std::optional<CEDSParam>& copied = ParamSlot(view_.Clipboard(), cip.file.kind);
        if (cip.section != "Params" || !copied)
            return;
        // In front of the selected parameter; at the end with none selected.
        const std::string pasted = PasteCIPParam(doc_, cip.file, *copied, SelectedParamPosition());
        UpdateEnabling();
        view_.SelectKey(pasted);
        return;
    }
    if (CViewClipboard& clipboard = view_.Clipboard(); clipboard.object && ShownObjectPage())
        RunObjectDialog(&*clipboard.object);
}

void CEditCommands::Delete() {
    view_.CommitEditors();
    const CIPSelection cip = Selection();
    if (CanDeleteCIP(cip)) {
        Report(DeleteCIP(doc_, cip));
        return;
    }
    if (ShownObjectPage() == nullptr || view_.SelectedKey().empty())
        return;
    Report(doc_.Commit(*view_.ShownId(), DeleteChange{view_.Section(), view_.SelectedKey()}));
}

void CEditCommands::Insert() {
    view_.CommitEditors();
    const CIPSelection cip = Selection();
    if (IsParamsPage(cip)) {
        RunParamDialog(cip.file);
        return;
    }
    if (IsIOInfoPage(cip)) {
        RunIOInsertDialog();
        return;
    }
    if (CanInsertCIP(cip)) {
        Report(InsertCIP(doc_, cip));
        return;
    }
    RunObjectDialog(nullptr);
}

void CEditCommands::RunParamDialog(EDSFileRef file) {
    CInsertParamDialog dialog(doc_, file, ui_, ParamSlot(view_.Clipboard(), file.kind),
                              SelectedParamPosition(), window_);
    // Each Ok shows its parameter at once: the dialog stays open for more.
    connect(&dialog, &CInsertParamDialog::ParamInserted, this, [this, file](size_t position) {
        UpdateEnabling();
        view_.SelectKey(ParamKeyAt(doc_, file, position));
    });
    dialog.exec();
    view_.setFocus();
}

void CEditCommands::Report(const EDSCommitted& result) {
    if (result.Stored())
        UpdateEnabling();
    else if (!result.Message.empty())
        messages_.AppendMessage(result.Message);
}

void CEditCommands::RunObjectDialog(CANopenObject* pasteRecord) {
    if (ShownObjectPage() == nullptr)
        return;
    CObjectDialog dialog(doc_, *view_.ShownId(), pasteRecord, window_);
    dialog.exec();
    view_.setFocus(); // the user goes on in the list
    UpdateEnabling();
    if (const std::optional<ObjectKey> placed = dialog.Placed()) {
        const bool subShown =
            placed->SubIndex &&
            view_.SelectKey(SubIndexSectionName(placed->Index, *placed->SubIndex));
        if (!subShown)
            view_.SelectKey(ObjectSectionName(placed->Index));
    }
}

void CEditCommands::RunIOInsertDialog() {
    // A field row selects its entry: the view gives the entry's key.
    CIOInsertDialog dialog(doc_, *view_.ShownId(), view_.SelectedKey(), window_);
    dialog.exec();
    view_.setFocus(); // the user goes on in the list
    if (!dialog.Stored())
        return;
    UpdateEnabling();
    view_.SelectKey(dialog.StoredKey());
}

void CEditCommands::ShowEditMenu(const QPoint& at) {
    view_.SelectRowAt(at);
    UpdateEnabling();
    QMenu menu(&view_);
    menu.addActions({actions_.cut, actions_.copy, actions_.paste, actions_.del, actions_.insert,
                     actions_.clear});
    menu.exec(view_.viewport()->mapToGlobal(at));
}

} // namespace corvid::app
