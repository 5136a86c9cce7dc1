#pragma once

// The user interface of corvid-cli's drive commands: log lines, questions
// and progress (a bar on a terminal, "Progress: N%" lines otherwise) go to
// standard error, because standard output carries the
// command's result (register lines or JSON); the Abort/Retry/Ignore question
// after a failed drive read is answered as --on-error says. The file
// commands use CliUserInterface, whose message window is the output itself.

#include "dictionaries/UserInterface.h"

#include <string>

namespace corvid::cli {

enum class ReadErrorPolicy { Abort, Ignore, Retry };

// The --on-error choices "abort", "ignore", "retry"; anything else aborts.
ReadErrorPolicy ReadErrorPolicyNamed(const std::string& name);

class CommandLineUserInterface : public IUserInterface {
public:
    // With Retry, a read is tried again `retries` times, then aborted, so a
    // drive that never answers cannot hold a script forever.
    CommandLineUserInterface(ReadErrorPolicy policy, int retries);

    void AppendMessage(const std::string& text) override;
    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest& request) override;
    std::string ChooseSavePath(const FileDialogRequest& request) override;
    void SetProgress(int value, int maximum) override;
    void PumpEvents() override {}

private:
    MessageAnswer ReadErrorAnswer();
    // Ends a progress bar line before other output.
    void EndBar();

    ReadErrorPolicy policy_;
    int retriesLeft_;
    int lastPercent_ = -1;
    bool terminal_;         // stderr shows a bar, else "Progress: N%" lines
    bool barShown_ = false; // the bar holds the current line
    std::string lastMessage_;
};

} // namespace corvid::cli
