#pragma once

// A user interface that passes every call on to another one. Front ends
// derive from it to take over only the calls they show differently (a
// dialog's own progress bar, say) and leave the rest to the window's.

#include "dictionaries/UserInterface.h"

namespace corvid {

class ForwardingUserInterface : public IUserInterface {
public:
    explicit ForwardingUserInterface(IUserInterface& next) : next_(next) {}

    void AppendMessage(const std::string& text) override { next_.AppendMessage(text); }
    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override {
        return next_.AskMessage(text, caption, buttons, icon);
    }
    std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest& request) override {
        return next_.ChooseFilesToOpen(request);
    }
    std::string ChooseSavePath(const FileDialogRequest& request) override {
        return next_.ChooseSavePath(request);
    }
    void SetProgress(int value, int maximum) override { next_.SetProgress(value, maximum); }
    void PumpEvents() override { next_.PumpEvents(); }

private:
    IUserInterface& next_;
};

} // namespace corvid
