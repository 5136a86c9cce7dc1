#include "FrameUserInterface.h"

#include "CoreTextTranslation.h"
#include "MessageWindow.h"
#include "WaitDialog.h"

#include <QCoreApplication>

namespace corvid::app {

namespace {

FileDialogRequest Translated(FileDialogRequest request) {
    request.title = TranslateCoreText(request.title);
    for (auto& [label, pattern] : request.filters)
        label = TranslateCoreText(label);
    return request;
}

} // namespace

CFrameUserInterface::CFrameUserInterface(IUserInterface& dialogs, QWidget* window,
                                         CMessageWindow& messages)
    : dialogs_(dialogs), window_(window), messages_(messages) {}

CFrameUserInterface::~CFrameUserInterface() = default;

void CFrameUserInterface::AppendMessage(const std::string& text) {
    messages_.AppendMessage(text);
}

MessageAnswer CFrameUserInterface::AskMessage(const std::string& text, const std::string& caption,
                                              MessageButtons buttons, MessageIcon icon) {
    return dialogs_.AskMessage(TranslateCoreText(text), TranslateCoreText(caption), buttons, icon);
}

std::vector<std::string> CFrameUserInterface::ChooseFilesToOpen(const FileDialogRequest& request) {
    return dialogs_.ChooseFilesToOpen(Translated(request));
}

std::string CFrameUserInterface::ChooseSavePath(const FileDialogRequest& request) {
    return dialogs_.ChooseSavePath(Translated(request));
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
