#include "NewFileUserInterface.h"

#include <QCoreApplication>

#include <utility>

namespace corvid::app {

CNewFileUserInterface::CNewFileUserInterface(IUserInterface& window,
                                             std::function<void(int, int)> showProgress)
    : window_(window), showProgress_(std::move(showProgress)) {}

void CNewFileUserInterface::AppendMessage(const std::string& text) {
    window_.AppendMessage(text);
}

MessageAnswer CNewFileUserInterface::AskMessage(const std::string& text, const std::string& caption,
                                                MessageButtons buttons, MessageIcon icon) {
    return window_.AskMessage(text, caption, buttons, icon);
}

std::vector<std::string>
CNewFileUserInterface::ChooseFilesToOpen(const FileDialogRequest& request) {
    return window_.ChooseFilesToOpen(request);
}

std::string CNewFileUserInterface::ChooseSavePath(const FileDialogRequest& request) {
    return window_.ChooseSavePath(request);
}

void CNewFileUserInterface::SetProgress(int value, int maximum) {
    showProgress_(value, maximum);
}

void CNewFileUserInterface::PumpEvents() {
    QCoreApplication::processEvents();
}

} // namespace corvid::app
