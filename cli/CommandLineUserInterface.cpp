#include "CommandLineUserInterface.h"

#include <iostream>

namespace corvid::cli {

namespace {

// Texts end in CR LF for the message window; a terminal wants LF.
std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

const char* AnswerName(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Abort:
        return "Abort";
    case MessageAnswer::Retry:
        return "Retry";
    case MessageAnswer::Ignore:
        return "Ignore";
    default:
        return "OK";
    }
}

} // namespace

void CommandLineUserInterface::AppendMessage(const std::string& text) {
    std::cerr << WithoutLineEnd(text) << '\n';
}

MessageAnswer CommandLineUserInterface::ReadErrorAnswer() {
    switch (policy_) {
    case ReadErrorPolicy::Ignore:
        return MessageAnswer::Ignore;
    case ReadErrorPolicy::Retry:
        if (retriesLeft_ > 0) {
            --retriesLeft_;
            return MessageAnswer::Retry;
        }
        return MessageAnswer::Abort;
    case ReadErrorPolicy::Abort:
        break;
    }
    return MessageAnswer::Abort;
}

MessageAnswer CommandLineUserInterface::AskMessage(const std::string& text,
                                                   const std::string& caption,
                                                   MessageButtons buttons, MessageIcon /*icon*/) {
    const MessageAnswer answer =
        buttons == MessageButtons::AbortRetryIgnore ? ReadErrorAnswer() : MessageAnswer::Ok;
    std::cerr << (caption.empty() ? "" : caption + ": ") << WithoutLineEnd(text) << " ["
              << AnswerName(answer) << "]\n";
    return answer;
}

std::vector<std::string> CommandLineUserInterface::ChooseFilesToOpen(const FileDialogRequest&) {
    return {};
}

std::string CommandLineUserInterface::ChooseSavePath(const FileDialogRequest&) {
    return {};
}

void CommandLineUserInterface::SetProgress(int value, int maximum) {
    const int percent = maximum > 0 ? value * 100 / maximum : 100;
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    std::cerr << "Progress: " << percent << "%\n";
}

} // namespace corvid::cli
