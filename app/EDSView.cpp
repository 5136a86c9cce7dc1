#include "EDSView.h"

#include "CoreTextTranslation.h"

#include "PageTableModel.h"

#include "shell/ParamColumns.h"

#include <QAction>
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

} // namespace

CEDSView::CEDSView(CEDSDoc& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(new CPageTableModel(this)),
      paramWidths_(LoadParamColumnWidths()) {
    setObjectName(QStringLiteral("EDSView"));
    setModel(model_);
    setFont(ListFont());
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    kind_ = file.kind;
    shown_ = header;
    section_ = section;
    state_ = std::move(state);
    selectedKey_.clear();
    model_->SetPage(BuildPage(doc_, file, section, state_));
    ApplyColumnWidths();
    scrollToTop();
    emit PageChanged();
}

void CEDSView::Refresh() {
    if (const std::optional<EDSFileRef> file = ShownFile())
        model_->SetPage(BuildPage(doc_, *file, section_, state_));
    ApplyColumnWidths();
}

void CEDSView::FilesRemoved() {
    if (shown_ != nullptr && !ShownFile())
        Clear();
}

void CEDSView::Clear() {
    kind_ = EDSKind::Unknown;
    shown_ = nullptr;
    section_.clear();
    state_ = {};
    selectedKey_.clear();
    model_->SetPage({});
    emit PageChanged();
}

std::optional<EDSFileRef> CEDSView::ShownFile() const {
    if (shown_ == nullptr)
        return std::nullopt;
    for (size_t position = 0; position < doc_.FileCount(kind_); ++position)
        if (doc_.Header({kind_, position}) == shown_)
            return EDSFileRef{kind_, position};
    return std::nullopt;
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
    const PageRow* head = HeadRowOf(page, row);
    selectedKey_ = head != nullptr ? head->Key : page.Rows[row].Key;
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
