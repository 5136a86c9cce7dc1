#include "EDSView.h"

#include "CIPEditCommands.h"
#include "CoreTextTranslation.h"
#include "PageTableModel.h"
#include "ShownText.h"

#include "dictionaries/TextEncoding.h"
#include "shell/CellCommit.h"
#include "shell/ParamColumns.h"
#include "shell/ParamEditing.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>

namespace corvid::app {

namespace {

// "Times New Roman" 9 pt, or a serif with the same metrics where it is
// missing, so columns hold what they were sized for.
QFont ListFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"),
                      QStringLiteral("serif")});
    font.setPointSize(9);
    return font;
}

bool Contains(const QWidget* outer, const QWidget* widget) {
    // Across windows too: a drop-down's list is a window of its own.
    for (; widget != nullptr; widget = widget->parentWidget())
        if (widget == outer)
            return true;
    return false;
}

// A sub-index row is selected as itself; the field rows of an entry select
// their entry.
std::string SelectionKey(const Page& page, size_t row) {
    const PageRow* head = HeadRowOf(page, row);
    return !page.Rows[row].Key.empty() || head == nullptr ? page.Rows[row].Key : head->Key;
}

CommitResult CommitIn(CEDSDoc& doc, EDSFileRef file, const CellEdit& edit) {
    switch (file.kind) {
    case EDSKind::CANopen:
        return CommitCell(*doc.Files<CCANopenEDS>()[file.position], edit);
    case EDSKind::DeviceNet:
        return CommitCell(*doc.Files<CDeviceNetEDS>()[file.position], edit);
    case EDSKind::EtherNetIP:
        return CommitCell(*doc.Files<CEtherNetIPEDS>()[file.position], edit);
    case EDSKind::Unknown:
        break;
    }
    return {};
}

} // namespace

CEDSView::CEDSView(CEDSDoc& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(new CPageTableModel(this)),
      delegate_(new CCellDelegate(
          *model_, [this](const QModelIndex& index) { return TargetOf(index); },
          [this](const CellTarget& target, const QString& text) { CommitText(target, text); },
          this)),
      paramWidths_(LoadParamColumnWidths()) {
    setObjectName(QStringLiteral("EDSView"));
    setModel(model_);
    setItemDelegate(delegate_);
    connect(delegate_, &CCellDelegate::EditorOpened, this, &CEDSView::EditorOpened);
    qApp->installEventFilter(this);
    setFont(ListFont());
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setIconSize(QSize(16, 16));
    // The selected row stays marked when the focus goes to the tree.
    QPalette colors = palette();
    colors.setColor(QPalette::Inactive, QPalette::Highlight,
                    colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);
    verticalHeader()->hide();
    // Fixed row heights: a page of thousands of rows shows without measuring
    // each row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setTextElideMode(Qt::ElideRight);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CEDSView::OnColumnResized);
    connect(this, &QTableView::clicked, this, &CEDSView::OnClicked);
    CreateColumnActions();
}

void CEDSView::ShowPage(EDSFileRef file, const std::string& section, PageState state) {
    const EDSFileHeader* header = doc_.Header(file);
    if (header == nullptr)
        return;
    CommitEditors();
    kind_ = file.kind;
    shown_ = header;
    section_ = section;
    state_ = std::move(state);
    selectedKey_.clear();
    // The header resizes its columns itself while the page changes; that is
    // no width the user gave (ApplyColumnWidths ends the guard).
    applyingWidths_ = true;
    model_->SetPage(BuildPage(doc_, file, section, state_));
    ApplyColumnWidths();
    scrollToTop();
    emit PageChanged();
}

void CEDSView::Refresh() {
    const std::optional<EDSFileRef> file = ShownFile();
    if (!file)
        return;
    // Rows that stayed the same entries keep their selection and widths;
    // a page whose rows changed selects the row selected before.
    applyingWidths_ = true;
    const bool rebuilt = model_->SetRebuiltPage(BuildPage(doc_, *file, section_, state_));
    applyingWidths_ = false;
    if (rebuilt) {
        ApplyColumnWidths();
        if (!SelectKey(selectedKey_))
            selectedKey_.clear();
    }
}

void CEDSView::FilesRemoved() {
    if (shown_ != nullptr && !ShownFile())
        Clear();
}

void CEDSView::Clear() {
    CommitEditors();
    kind_ = EDSKind::Unknown;
    shown_ = nullptr;
    section_.clear();
    state_ = {};
    selectedKey_.clear();
    model_->SetPage({});
    emit PageChanged();
}

std::optional<EDSFileRef> CEDSView::ShownFile() const {
    return FindFile(shown_);
}

std::optional<EDSFileRef> CEDSView::FindFile(const EDSFileHeader* header) const {
    if (header == nullptr)
        return std::nullopt;
    for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP})
        for (size_t position = 0; position < doc_.FileCount(kind); ++position)
            if (doc_.Header({kind, position}) == header)
                return EDSFileRef{kind, position};
    return std::nullopt;
}

bool CEDSView::SelectKey(const std::string& key) {
    const Page& page = CurrentPage();
    for (size_t row = 0; row < page.Rows.size(); ++row) {
        if (key.empty() || page.Rows[row].Key != key)
            continue;
        const QModelIndex index = model_->index(static_cast<int>(row), 0);
        setCurrentIndex(index);
        scrollTo(index);
        selectedKey_ = key;
        return true;
    }
    return false;
}

void CEDSView::SelectRowAt(const QPoint& at) {
    const QModelIndex index = indexAt(at);
    const auto row = static_cast<size_t>(index.row());
    const Page& page = CurrentPage();
    if (!index.isValid() || row >= page.Rows.size()) {
        selectedKey_.clear();
        return;
    }
    setCurrentIndex(index);
    selectedKey_ = SelectionKey(page, row);
}

void CEDSView::CommitEditors() {
    delegate_->CommitAndClose();
}

std::optional<CellTarget> CEDSView::TargetOf(const QModelIndex& index) const {
    const auto row = static_cast<size_t>(index.row());
    const Page& page = CurrentPage();
    if (shown_ == nullptr || !index.isValid() || row >= page.Rows.size())
        return std::nullopt;
    CellTarget target;
    target.file = shown_;
    target.section = section_;
    target.column = static_cast<size_t>(index.column());
    // Field rows of an entry have no key of their own: they are addressed
    // from their head row, as the commit rules address them.
    const CellEdit address = EditOfCell(page, row, target.column, {});
    target.rowKey = std::string(address.RowKey);
    target.distance = address.Distance;
    // The Enum cell shows "* * *"; its popup edits the strings themselves.
    const PageCell& cell = page.Rows[row].Cells[target.column];
    const bool strings = cell.Popup == PopupKind::EnumStrings;
    const std::string stored = strings ? EnumStringsText(target.rowKey) : cell.Text;
    if (strings)
        target.popupText = Shown(stored);
    // A value already held as UTF-8 tells the file is written so; other
    // files get typed text in their own 8-bit code page.
    target.utf8 = HoldsUtf8Text(stored);
    return target;
}

std::string CEDSView::EnumStringsText(std::string_view paramKey) const {
    const std::optional<EDSFileRef> file = ShownFile();
    if (!file || !IsCIP(file->kind))
        return {};
    const CEDSParamList& params = ParamsOf(doc_, *file);
    const std::optional<size_t> position = ParamPosition(params, paramKey);
    if (!position || !params[*position]->EnumStrings)
        return {};
    return EnumText(*params[*position]->EnumStrings);
}

void CEDSView::CommitText(const CellTarget& target, const QString& text) {
    // The file may have gone meanwhile; there is nothing left to write into.
    const std::optional<EDSFileRef> file = FindFile(target.file);
    if (!file)
        return;
    const std::string bytes = ForFile(text, target.utf8);
    const CommitResult result = CommitIn(
        doc_, *file, {target.section, target.rowKey, target.column, bytes, target.distance});
    if (result.Status == CommitStatus::Stored) {
        EDSFileHeader& header = *doc_.Header(*file);
        header.Flags = static_cast<uint8_t>(header.Flags | FLAG_MODIFIED);
        if (target.file == shown_ && target.section == section_)
            Refresh();
        emit FileModified();
    }
    if (!result.Message.empty())
        emit MessageLine(result.Message);
}

const Page& CEDSView::CurrentPage() const {
    return model_->CurrentPage();
}

bool CEDSView::SaveColumnWidths(std::string& error) const {
    return SaveParamColumnWidths(paramWidths_, error);
}

bool CEDSView::ShowsParamTable() const {
    return kind_ != EDSKind::CANopen && section_ == "Params" &&
           CurrentPage().Columns.size() == kParamColumnCount + 1;
}

void CEDSView::ApplyColumnWidths() {
    applyingWidths_ = true;
    const Page& page = CurrentPage();
    const bool params = ShowsParamTable();
    // The parameter table keeps the widths the user gave every column; other
    // pages let their last column take the room that is left.
    horizontalHeader()->setStretchLastSection(!params);
    for (size_t column = 0; column < page.Columns.size(); ++column) {
        const int width =
            params && column > 0 ? paramWidths_[column - 1] : page.Columns[column].Width;
        const int section = static_cast<int>(column);
        setColumnHidden(section, width <= 0);
        if (width > 0)
            setColumnWidth(section, width);
    }
    applyingWidths_ = false;
}

void CEDSView::CreateColumnActions() {
    for (size_t field = 0; field < kParamColumnCount; ++field) {
        const std::string text(kParamColumns[field].CommandText);
        auto* action = new QAction(QString::fromStdString(TranslateCoreText(text)), this);
        action->setCheckable(true);
        action->setChecked(paramWidths_[field] > 0);
        connect(action, &QAction::triggered, this, [this, field] { ToggleParamColumn(field); });
        columnActions_.append(action);
    }
}

void CEDSView::ToggleParamColumn(size_t field) {
    paramWidths_[field] = ToggledParamColumnWidth(field, std::max(paramWidths_[field], 0));
    columnActions_[static_cast<qsizetype>(field)]->setChecked(paramWidths_[field] > 0);
    if (ShowsParamTable())
        ApplyColumnWidths();
}

void CEDSView::OnClicked(const QModelIndex& index) {
    const std::optional<EDSFileRef> file = ShownFile();
    const auto row = static_cast<size_t>(index.row());
    const Page& page = CurrentPage();
    if (!file || row >= page.Rows.size())
        return;
    selectedKey_ = SelectionKey(page, row);
    // An object of a CANopen page opens from its "Index" cell only, so a
    // click on its other cells can select them for editing.
    const bool opensHere = kind_ != EDSKind::CANopen || index.column() == 0;
    if (opensHere && ToggleRow(state_, page, row))
        model_->SetToggledPage(BuildPage(doc_, *file, section_, state_), row);
}

void CEDSView::mousePressEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid())
        selectedKey_.clear();
    QTableView::mousePressEvent(event);
}

void CEDSView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    const auto row = static_cast<size_t>(current.row());
    if (current.isValid() && row < CurrentPage().Rows.size())
        selectedKey_ = SelectionKey(CurrentPage(), row);
}

bool CEDSView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        QWidget* editor = delegate_->OpenEditor();
        if ((button == Qt::LeftButton || button == Qt::RightButton) && editor != nullptr &&
            !Contains(editor, static_cast<QWidget*>(watched)))
            CommitEditors();
    }
    return QTableView::eventFilter(watched, event);
}

void CEDSView::OnColumnResized(int column, int, int newWidth) {
    // Only the user's own resizing of a parameter column is remembered.
    if (applyingWidths_ || !ShowsParamTable() || column < 1 ||
        static_cast<size_t>(column) > kParamColumnCount)
        return;
    const auto field = static_cast<size_t>(column - 1);
    paramWidths_[field] = newWidth;
    columnActions_[static_cast<qsizetype>(field)]->setChecked(newWidth > 0);
}

} // namespace corvid::app
