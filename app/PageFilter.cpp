#include "PageFilter.h"

#include "EDSView.h"

#include "canopen/CANopenModel.h"
#include "pages/PageSearch.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>

namespace corvid::app {

namespace {

bool Filters(const Page& page) {
    return page.Section == "Params" ||
           (page.Kind == EDSKind::CANopen && ObjectListCategory(page.Section) != 0);
}

} // namespace

CPageFilter::CPageFilter(CEDSDoc& doc, CEDSView& view, QWidget* parent)
    : QWidget(parent), doc_(doc), view_(view), text_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("PageFilter"));
    text_->setObjectName(QStringLiteral("FilterText"));
    text_->setClearButtonEnabled(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Filter:"), this));
    layout->addWidget(text_, 1);
    hide();

    connect(text_, &QLineEdit::textChanged, this, &CPageFilter::Apply);
    connect(&view_, &CEDSView::PageChanged, this, &CPageFilter::OnPageChanged);
    // Rows come and go as entries open and the file changes: each new set
    // of rows is filtered again.
    QAbstractItemModel* rows = view_.model();
    connect(rows, &QAbstractItemModel::modelReset, this, &CPageFilter::Apply);
    connect(rows, &QAbstractItemModel::rowsInserted, this, &CPageFilter::Apply);
    connect(rows, &QAbstractItemModel::dataChanged, this, &CPageFilter::Apply);
    // A row the filter hides that becomes current (a find hit) shows with
    // the whole page again.
    connect(view_.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && view_.isRowHidden(current.row())) {
                    ClearFilter();
                    view_.scrollTo(current);
                }
            });
}

void CPageFilter::ClearFilter() {
    text_->clear();
}

void CPageFilter::OnPageChanged() {
    setVisible(Filters(view_.CurrentPage()));
    text_->clear();
    Apply();
}

void CPageFilter::Apply() {
    const Page& page = view_.CurrentPage();
    const std::optional<EDSFileRef> file = view_.ShownFile();
    const std::vector<bool> kept =
        file ? FilteredRows(doc_, *file, page, text_->text().toStdString(), {})
             : std::vector<bool>(page.Rows.size(), true);
    for (size_t row = 0; row < kept.size(); ++row)
        view_.setRowHidden(static_cast<int>(row), !kept[row]);
}

} // namespace corvid::app
