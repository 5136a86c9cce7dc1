#include "CommandLineUserInterface.h"

#include <algorithm>
#include <iostream>
#include <unistd.h>

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

ReadErrorPolicy ReadErrorPolicyNamed(const std::string& name) {
    if (name == "ignore")
        return ReadErrorPolicy::Ignore;
    if (name == "retry")
        return ReadErrorPolicy::Retry;
    return ReadErrorPolicy::Abort;
}

CommandLineUserInterface::CommandLineUserInterface(ReadErrorPolicy policy, int retries)
    : policy_(policy), retriesLeft_(retries), terminal_(::isatty(STDERR_FILENO) == 1) {}

void CommandLineUserInterface::EndBar() {
    if (barShown_)
        std::cerr << '\n';
    barShown_ = false;
}

void CommandLineUserInterface::AppendMessage(const std::string& text) {
    EndBar();
    lastMessage_ = text;
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
    // A window shows a failure in its message window and in a box; a
    // terminal needs it once.
    if (buttons == MessageButtons::Ok && text == lastMessage_)
        return MessageAnswer::Ok;
    EndBar();
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
    if (!terminal_) {
        std::cerr << "Progress: " << percent << "%\n";
        return;
    }
    constexpr int kWidth = 40;
    const int filled = std::clamp(percent, 0, 100) * kWidth / 100;
    std::cerr << "\r[" << std::string(static_cast<size_t>(filled), '#')
              << std::string(static_cast<size_t>(kWidth - filled), ' ') << "] " << percent << '%'
              << std::flush;
    barShown_ = true;
    if (percent >= 100)
        EndBar();
}

} // namespace corvid::cli
