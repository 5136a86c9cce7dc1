#include "EDSView.h"

#include "CoreTextTranslation.h"
#include "PageTableModel.h"

#include "pages/ParamColumns.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

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

} // namespace

CEDSView::CEDSView(CEDSDoc& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(new CPageTableModel(doc, this)),
      delegate_(new CCellDelegate(*model_, this)), paramWidths_(LoadParamColumnWidths()) {
    setObjectName(QStringLiteral("EDSView"));
    setModel(model_);
    setItemDelegate(delegate_);
    connect(model_, &CPageTableModel::MessageLine, this, &CEDSView::MessageLine);
    // Whoever changed the shown file, its page shows what it holds now.
    listener_ = doc_.AddChangeListener([this](EDSFileId file, const EDSChange&) {
        if (shown_ == file)
            Refresh();
    });
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

CEDSView::~CEDSView() {
    doc_.RemoveChangeListener(listener_);
}

void CEDSView::ShowPage(EDSFileRef file, const std::string& section, PageState state) {
    const std::optional<EDSFileId> id = doc_.IdAt(file);
    if (!id)
        return;
    CommitEditors();
    kind_ = file.kind;
    shown_ = id;
    model_->SetFile(id);
    section_ = section;
    state_ = std::move(state);
    selectedKey_.clear();
    // The header resizes its columns itself while the page changes; that is
    // no width the user gave (ApplyColumnWidths ends the guard).
    applyingWidths_ = true;
    model_->SetPage(BuildPage(doc_, file, section, state_));
    ApplyColumnWidths();
    // A new page starts at its top-left, whatever the last one showed.
    setCurrentIndex({});
    scrollToTop();
    horizontalScrollBar()->setValue(0);
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
    if (shown_ && !ShownFile())
        Clear();
}

void CEDSView::Clear() {
    CommitEditors();
    kind_ = EDSKind::Unknown;
    shown_.reset();
    model_->SetFile(std::nullopt);
    section_.clear();
    state_ = {};
    selectedKey_.clear();
    model_->SetPage({});
    emit PageChanged();
}

std::optional<EDSFileRef> CEDSView::ShownFile() const {
    return shown_ ? doc_.Find(*shown_) : std::nullopt;
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

bool CEDSView::ShowHit(const PageHit& hit) {
    const std::optional<EDSFileRef> file = doc_.Find(hit.File);
    if (!file)
        return false;
    PageState state = shown_ == hit.File && section_ == hit.Section ? state_ : PageState{};
    const bool opens = !hit.HeadKey.empty() && state.Expanded.insert(hit.HeadKey).second;
    if (shown_ != hit.File || section_ != hit.Section)
        ShowPage(*file, hit.Section, std::move(state));
    else if (opens) {
        CommitEditors();
        state_ = std::move(state);
        Refresh();
    }
    const std::optional<size_t> row = HitRow(CurrentPage(), hit);
    if (!row)
        return false;
    SelectCell(*row, hit.Column);
    return true;
}

QRect CEDSView::ToggleBox(int row) const {
    const QRect cell = visualRect(model_->index(row, 0));
    return {cell.left(), cell.top(), iconSize().width() + 8, cell.height()};
}

void CEDSView::SelectCell(size_t row, size_t column) {
    const QModelIndex index = model_->index(static_cast<int>(row), static_cast<int>(column));
    setCurrentIndex(index);
    scrollTo(index);
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
    if (pressedOnBox_ && ToggleRow(state_, page, row))
        model_->SetToggledPage(BuildPage(doc_, *file, section_, state_), row);
}

void CEDSView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (!index.isValid())
        selectedKey_.clear();
    pressedOnBox_ = index.isValid() && index.column() == 0 && ToggleBox(index.row()).contains(at);
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
