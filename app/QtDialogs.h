#pragma once

#include "dictionaries/UserInterface.h"

#include <QString>

class QFileDialog;
class QWidget;

namespace corvid::app {

// Opens `dialog` wide enough for a name of 60 characters beside its size,
// type and full modification date, and high enough for a screenful of
// names: Qt's own default cuts both.
void SizeForLongNames(QFileDialog& dialog);

// The questions and file choices of the core as the desktop's message boxes
// and file dialogs. Only the asking calls are served here; log lines,
// progress and event pumping are the frame's (CFrameUserInterface).
class CQtDialogs : public IUserInterface {
public:
    // Dialogs are centred on the window set here once it exists.
    void SetParentWindow(QWidget* window) { window_ = window; }

    void AppendMessage(const std::string&) override {}
    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest& request) override;
    // Asks before replacing a file, naming the file that will really be
    // written (the chosen name with ".eds" behind it where it lacks one).
    std::string ChooseSavePath(const FileDialogRequest& request) override;
    void SetProgress(int, int) override {}
    void PumpEvents() override {}

private:
    QWidget* window_ = nullptr;
    QString folder_; // where the last file dialog ended
};

} // namespace corvid::app
