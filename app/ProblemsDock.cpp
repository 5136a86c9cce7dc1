#include "ProblemsDock.h"

#include "CoreTextTranslation.h"

#include "reports/OpenFileCheck.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace corvid::app {

namespace {

constexpr int kRecheckDelayMs = 300;

QString CountText(size_t count, Severity severity) {
    return QString::fromStdString(TranslateCoreText(SeverityCount(count, severity)));
}

} // namespace

CProblemsDock::CProblemsDock(CEDSDoc& doc, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), doc_(doc), scope_(new QComboBox), table_(new QTableView),
      model_(new CProblemsModel(this)) {
    setObjectName(QStringLiteral("ProblemsWindow"));
    scope_->addItems({tr("File in front"), tr("All open files")});
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scope_);
    layout->addWidget(table_);
    setWidget(body);

    connect(scope_, &QComboBox::currentIndexChanged, this, &CProblemsDock::RefreshIfShown);
    connect(this, &QDockWidget::visibilityChanged, this, &CProblemsDock::RefreshIfShown);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const Problem& problem = model_->At(index.row());
        emit ProblemActivated(problem.file, problem.finding);
    });
    recheck_.setSingleShot(true);
    recheck_.setInterval(kRecheckDelayMs);
    connect(&recheck_, &QTimer::timeout, this, [this] {
        RefreshIfShown();
        emit ProblemsChanged();
    });
    listener_ = doc_.AddChangeListener([this](EDSFileId file, const EDSChange&) {
        checked_.erase(file.Value);
        recheck_.start();
    });
}

CProblemsDock::~CProblemsDock() {
    doc_.RemoveChangeListener(listener_);
}

void CProblemsDock::SetFrontFile(std::optional<EDSFileId> file) {
    if (front_ == file)
        return;
    front_ = file;
    if (CurrentScope() == Scope::FrontFile)
        RefreshIfShown();
}

// Ids are never reused, so the findings of a removed file are only dropped
// to free them; a file opened anew gets a new id and is checked anew.
void CProblemsDock::FilesChanged() {
    std::erase_if(checked_, [this](const auto& entry) {
        return !doc_.Find(EDSFileId{entry.first}).has_value();
    });
    RefreshIfShown();
}

void CProblemsDock::Refresh() {
    model_->SetProblems(ProblemsInScope());
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
}

void CProblemsDock::RefreshIfShown() {
    if (isVisible())
        Refresh();
}

void CProblemsDock::SetScope(Scope scope) {
    scope_->setCurrentIndex(scope == Scope::FrontFile ? 0 : 1);
}

CProblemsDock::Scope CProblemsDock::CurrentScope() const {
    return scope_->currentIndex() == 0 ? Scope::FrontFile : Scope::AllFiles;
}

const CheckFindings& CProblemsDock::Findings(EDSFileId file) {
    auto found = checked_.find(file.Value);
    if (found == checked_.end()) {
        const std::optional<EDSFileRef> place = doc_.Find(file);
        CheckFindings findings = place ? CheckOpenFile(doc_, *place) : CheckFindings{};
        found = checked_.emplace(file.Value, std::move(findings)).first;
    }
    return found->second;
}

QString CProblemsDock::FrontCountsText() {
    if (!front_ || !doc_.Find(*front_))
        return {};
    const CheckCounts counts = CountFindings(Findings(*front_));
    return tr("%1, %2").arg(CountText(counts.errors, Severity::Error),
                            CountText(counts.warnings, Severity::Warning));
}

std::vector<Problem> CProblemsDock::ProblemsInScope() {
    std::vector<EDSFileId> files;
    if (CurrentScope() == Scope::FrontFile) {
        if (front_ && doc_.Find(*front_))
            files.push_back(*front_);
    } else {
        for (EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP})
            for (size_t position = 0; position < doc_.FileCount(kind); ++position)
                if (const std::optional<EDSFileId> id = doc_.IdAt({kind, position}))
                    files.push_back(*id);
    }
    std::vector<Problem> problems;
    for (EDSFileId file : files)
        for (const CheckFinding& finding : Findings(file))
            problems.push_back({file, finding});
    return problems;
}

} // namespace corvid::app
