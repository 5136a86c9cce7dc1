#include "ProblemsModel.h"

#include "ShownText.h"

#include <QFileInfo>

namespace corvid::app {

namespace {

QString SeverityText(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return CProblemsModel::tr("error");
    case Severity::Warning:
        return CProblemsModel::tr("warning");
    case Severity::Note:
        break;
    }
    return CProblemsModel::tr("note");
}

QString MessageText(const CheckFinding& finding) {
    QString text;
    if (!finding.section.empty())
        text = QLatin1Char('[') + Shown(finding.section) + QStringLiteral("] ");
    if (!finding.key.empty())
        text += Shown(finding.key) + QStringLiteral(": ");
    return text + Shown(finding.message);
}

QVariant DisplayText(const CheckFinding& finding, int column) {
    switch (column) {
    case CProblemsModel::FileColumn:
        return QFileInfo(Shown(finding.file)).fileName();
    case CProblemsModel::LineColumn:
        return finding.line > 0 ? QVariant(finding.line) : QVariant();
    case CProblemsModel::SeverityColumn:
        return SeverityText(finding.severity);
    default:
        return MessageText(finding);
    }
}

} // namespace

void CProblemsModel::SetProblems(std::vector<Problem> problems) {
    beginResetModel();
    problems_ = std::move(problems);
    endResetModel();
}

int CProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(problems_.size());
}

int CProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CheckFinding& finding = At(index.row()).finding;
    if (role == Qt::DisplayRole)
        return DisplayText(finding, index.column());
    // The whole path where the column shows only the file's name.
    if (role == Qt::ToolTipRole && index.column() == FileColumn)
        return Shown(finding.file);
    if (role == Qt::ToolTipRole && index.column() == MessageColumn)
        return MessageText(finding);
    return {};
}

QVariant CProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case FileColumn:
        return tr("File");
    case LineColumn:
        return tr("Line");
    case SeverityColumn:
        return tr("Severity");
    default:
        return tr("Message");
    }
}

} // namespace corvid::app
