#pragma once

#include "ProblemsModel.h"

#include "door/EDSDoc.h"
#include "reports/EDSCheck.h"

#include <QDockWidget>
#include <QTimer>

#include <map>
#include <optional>

class QComboBox;
class QTableView;

namespace corvid::app {

// The "Problems" list: what the check finds in the file in front, or in
// every open file. A file is checked again only after it changed, and the
// list follows every change while it shows.
class CProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    enum class Scope { FrontFile, AllFiles };

    CProblemsDock(CEDSDoc& doc, QWidget* parent);
    ~CProblemsDock() override;

    // The file the view shows; the list of scope FrontFile follows it.
    void SetFrontFile(std::optional<EDSFileId> file);
    // Files were opened or removed.
    void FilesChanged();
    // Shows the list, checked anew where files changed.
    void Refresh();

    void SetScope(Scope scope);
    Scope CurrentScope() const;
    // The problems of one open file, checked now unless nothing changed
    // since the last check.
    const CheckFindings& Findings(EDSFileId file);
    // "2 errors, 5 warnings" of the file in front; empty when none is.
    QString FrontCountsText();

    CProblemsModel& Model() const { return *model_; }
    QTableView& Table() const { return *table_; }

signals:
    // A double click on a problem.
    void ProblemActivated(corvid::EDSFileId file, const corvid::CheckFinding& finding);
    // The findings of some file are new: counts shown elsewhere follow.
    void ProblemsChanged();

private:
    void RefreshIfShown();
    std::vector<Problem> ProblemsInScope();

    CEDSDoc& doc_;
    size_t listener_ = 0;
    QComboBox* scope_;
    QTableView* table_;
    CProblemsModel* model_;
    std::optional<EDSFileId> front_;
    // The findings of each file by id, until the file changes or leaves.
    std::map<uint32_t, CheckFindings> checked_;
    // A check renders the whole file, so changes in quick succession (typing
    // through cells, a paste of many rows) are checked once when they stop.
    QTimer recheck_;
};

} // namespace corvid::app
