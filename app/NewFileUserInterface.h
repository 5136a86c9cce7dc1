#pragma once

#include "dictionaries/UserInterface.h"

#include <functional>

namespace corvid::app {

// How the new-file flows reach the user while the dialog is open: log lines
// and questions go on to the window's own user interface (message window and
// message boxes), progress goes to the dialog's bar, and waiting pumps window
// events so that "Stop test" can be pressed while a drive is searched for.
class CNewFileUserInterface : public IUserInterface {
public:
    CNewFileUserInterface(IUserInterface& window, std::function<void(int, int)> showProgress);

    void AppendMessage(const std::string& text) override;
    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest& request) override;
    std::string ChooseSavePath(const FileDialogRequest& request) override;
    void SetProgress(int value, int maximum) override;
    void PumpEvents() override;

private:
    IUserInterface& window_;
    std::function<void(int, int)> showProgress_;
};

} // namespace corvid::app
