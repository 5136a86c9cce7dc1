#pragma once

// The command line's face for the core's file flows: the message window is
// standard output, message boxes go to standard error, and every question
// gets the answer that changes nothing (no file is written, nothing is
// dropped), so a script never waits for input. The drive commands use
// CommandLineUserInterface instead: their output is data, and their read
// failures are answered as the user asked.

#include "dictionaries/UserInterface.h"

namespace corvid::cli {

class CliUserInterface : public IUserInterface {
public:
    void AppendMessage(const std::string& text) override;
    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest&) override { return {}; }
    std::string ChooseSavePath(const FileDialogRequest&) override { return {}; }
    void SetProgress(int, int) override {}
    void PumpEvents() override {}
};

} // namespace corvid::cli
