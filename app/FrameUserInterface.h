#pragma once

#include "dictionaries/UserInterface.h"

#include <memory>

class QWidget;

namespace corvid::app {

class CMessageWindow;
class CWaitDialog;

// How the core reaches the user in the window: log lines go to the message
// window, progress to the "Loading" dialog, and waiting pumps window events.
// Questions and file choices go to `dialogs` (message boxes and file
// dialogs in the program, scripted answers in tests); only those calls of
// it are used.
class CFrameUserInterface : public IUserInterface {
public:
    CFrameUserInterface(IUserInterface& dialogs, QWidget* window, CMessageWindow& messages);
    ~CFrameUserInterface() override;

    void AppendMessage(const std::string& text) override;
    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest& request) override;
    std::string ChooseSavePath(const FileDialogRequest& request) override;
    // The wait dialog appears with the first step and goes with the last.
    void SetProgress(int value, int maximum) override;
    void PumpEvents() override;

private:
    IUserInterface& dialogs_;
    QWidget* window_;
    CMessageWindow& messages_;
    std::unique_ptr<CWaitDialog> wait_;
};

} // namespace corvid::app
