#pragma once

#include "door/EDSDoc.h"
#include "pages/PageSearch.h"

#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace corvid::app {

class CEDSView;

// The find bar over the view: the core finds the hits, the bar steps
// through them and the view shows each. A change to any file makes the
// hits stale; the next step searches again and keeps its place in the list.
class CFindBar : public QWidget {
    Q_OBJECT
public:
    CFindBar(CEDSDoc& doc, CEDSView& view, QWidget* parent);
    ~CFindBar() override;

    // "Find..." (Ctrl+F), "Find Next" (F3), "Find Previous" (Shift+F3), for
    // the Edit menu; they work wherever the focus is in the window.
    QAction* FindAction() const { return find_; }
    QAction* NextAction() const { return next_; }
    QAction* PreviousAction() const { return previous_; }

    // "3 of 17", or "No hits".
    QString CountText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open();
    void Close();
    void Step(int by);
    void Search();
    void ShowCount();

    CEDSDoc& doc_;
    CEDSView& view_;
    size_t listener_ = 0;
    QLineEdit* text_;
    QCheckBox* wholeWord_;
    QComboBox* scope_;
    QLabel* count_;
    QAction* find_;
    QAction* next_;
    QAction* previous_;
    std::vector<PageHit> hits_;
    bool stale_ = true;
    std::optional<EDSFileId> searched_; // the file shown at the last search
    // The hit shown last; none before the first step of a search.
    std::optional<size_t> current_;
};

} // namespace corvid::app
