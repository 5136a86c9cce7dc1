#pragma once

#include "dictionaries/CheckFinding.h"
#include "door/EDSDoc.h"

#include <QAbstractTableModel>

#include <vector>

namespace corvid::app {

// A problem the check found, with the open file it belongs to.
struct Problem {
    EDSFileId file;
    CheckFinding finding;
};

// The rows of the "Problems" list: file, line, severity and message, the
// message led by the section and key it concerns as the command line
// writes them ("[1017] DefaultValue: ...").
class CProblemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FileColumn, LineColumn, SeverityColumn, MessageColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void SetProblems(std::vector<Problem> problems);
    const Problem& At(int row) const { return problems_[static_cast<size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Problem> problems_;
};

} // namespace corvid::app
