#pragma once

// A user interface whose answers are scripted and whose output is recorded,
// so flows that ask, log and show progress run without a window.

#include "dictionaries/UserInterface.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvid::test {

class ScriptedUserInterface : public IUserInterface {
public:
    struct Question {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
    };

    std::deque<MessageAnswer> answers;
    std::deque<std::vector<std::string>> openChoices;
    std::deque<std::string> saveChoices;

    std::vector<std::string> messages;
    std::vector<Question> questions;
    std::vector<FileDialogRequest> openDialogs;
    std::vector<FileDialogRequest> saveDialogs;
    std::vector<std::pair<int, int>> progress;
    int pumps = 0;

    std::string Log() const {
        std::string all;
        for (const std::string& message : messages)
            all += message;
        return all;
    }

    void AppendMessage(const std::string& text) override { messages.push_back(text); }

    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override {
        questions.push_back({text, caption, buttons, icon});
        return Next(answers, "question: " + text);
    }

    std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest& request) override {
        openDialogs.push_back(request);
        return Next(openChoices, "open dialog");
    }

    std::string ChooseSavePath(const FileDialogRequest& request) override {
        saveDialogs.push_back(request);
        return Next(saveChoices, "save dialog: " + request.initialName);
    }

    void SetProgress(int value, int maximum) override { progress.emplace_back(value, maximum); }

    void PumpEvents() override { ++pumps; }

private:
    // An unscripted question is a fault of the test, not an answer.
    template <typename T> static T Next(std::deque<T>& script, const std::string& what) {
        if (script.empty())
            throw std::logic_error("unscripted " + what);
        T value = std::move(script.front());
        script.pop_front();
        return value;
    }
};

} // namespace corvid::test
