#pragma once

#include "door/EDSDoc.h"

#include <QObject>

#include <string>

class QAction;

namespace corvid::app {

class CEDSView;

// Edit > Undo and Redo on the file the view shows. The steps are the
// core's: every change through the document's door is one, whichever
// command, cell or dialog made it, so the menu only names them and moves
// through them. The menu texts name the step ("Undo Delete Param8") and
// follow every change and every page switch.
class CUndoCommands : public QObject {
    Q_OBJECT
public:
    CUndoCommands(CEDSDoc& doc, CEDSView& view, QAction& undo, QAction& redo, QObject* parent);
    ~CUndoCommands() override;

    void Update();

signals:
    // After an undo or redo: the page the step was made on, to be shown
    // when it is not the one in view.
    void StepPageWanted(EDSFileRef file, const std::string& section);

private:
    void Step(bool undo);

    CEDSDoc& doc_;
    CEDSView& view_;
    QAction& undo_;
    QAction& redo_;
    size_t listener_ = 0;
};

} // namespace corvid::app
