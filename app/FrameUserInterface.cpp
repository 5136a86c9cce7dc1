#include "FrameUserInterface.h"

#include "MessageWindow.h"
#include "WaitDialog.h"

#include <QCoreApplication>

namespace corvid::app {

CFrameUserInterface::CFrameUserInterface(IUserInterface& dialogs, QWidget* window,
                                         CMessageWindow& messages)
    : dialogs_(dialogs), window_(window), messages_(messages) {}

CFrameUserInterface::~CFrameUserInterface() = default;

void CFrameUserInterface::AppendMessage(const std::string& text) {
    messages_.AppendMessage(text);
}

MessageAnswer CFrameUserInterface::AskMessage(const std::string& text, const std::string& caption,
                                              MessageButtons buttons, MessageIcon icon) {
    return dialogs_.AskMessage(text, caption, buttons, icon);
}

std::vector<std::string> CFrameUserInterface::ChooseFilesToOpen(const FileDialogRequest& request) {
    return dialogs_.ChooseFilesToOpen(request);
}

std::string CFrameUserInterface::ChooseSavePath(const FileDialogRequest& request) {
    return dialogs_.ChooseSavePath(request);
}

void CFrameUserInterface::SetProgress(int value, int maximum) {
    if (value >= maximum) {
        wait_.reset();
        return;
    }
    if (!wait_) {
        wait_ = std::make_unique<CWaitDialog>(window_);
        wait_->show();
    }
    wait_->SetProgress(value, maximum);
}

void CFrameUserInterface::PumpEvents() {
    QCoreApplication::processEvents();
}

} // namespace corvid::app
