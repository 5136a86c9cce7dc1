#pragma once

#include "CIPEditCommands.h"
#include "FrameActions.h"

#include "canopen/CANopenObjectEditing.h"
#include "devicenet/EDSParam.h"
#include "door/EDSDoc.h"

#include <QObject>

#include <optional>

class QLineEdit;
class QPoint;

namespace corvid::app {

class CEDSView;
class CMessageWindow;

// Cut, Copy, Paste, Delete and Insert, with the rules that enable them,
// and the "edit" menu of the view. Entries go to the view's clipboard
// slots; selected text in the message window or an open editor goes to
// the view's kept text and the desktop's clipboard.
class CEditCommands : public QObject {
    Q_OBJECT
public:
    CEditCommands(CEDSDoc& doc, CEDSView& view, CMessageWindow& messages, IUserInterface& ui,
                  const CFrameActions& actions, QWidget* window);

    // Enables the commands for what has the focus and what is selected now.
    void UpdateEnabling();

protected:
    // Lets the copy, cut and paste keys reach the commands from an editor
    // or the message window, so copied text is kept where Paste finds it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void Insert();
    void ShowEditMenu(const QPoint& at);
    void OnEditorOpened(QWidget* editor);

    QLineEdit* FocusedEditor() const;
    bool MessageTextFocused() const;
    QString SelectedText() const;
    void KeepText(const QString& text);
    // The model of the shown file while an object page is shown.
    const CCANopenEDS* ShownObjectPage() const;
    std::optional<ObjectKey> SelectedObject() const;
    CIPSelection Selection() const;
    std::optional<size_t> SelectedParamPosition() const;
    const CEDSParam* SelectedParam() const;
    void RunObjectDialog(CANopenObject* pasteRecord);
    void RunParamDialog(EDSFileRef file);
    void RunIOInsertDialog();
    // A refusal goes to the message window.
    void Report(const EDSCommitted& result);

    CEDSDoc& doc_;
    CEDSView& view_;
    CMessageWindow& messages_;
    IUserInterface& ui_;
    CFrameActions actions_;
    QWidget* window_;
};

} // namespace corvid::app
