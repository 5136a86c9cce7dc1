#include "CliUserInterface.h"

#include "CliCommon.h"

#include <iostream>

namespace corvid::cli {

// Log texts end in CR LF for the message window; a terminal wants LF.
void CliUserInterface::AppendMessage(const std::string& text) {
    std::string line = text;
    for (size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at))
        line.erase(at, 1);
    std::cout << line << std::flush;
}

MessageAnswer CliUserInterface::AskMessage(const std::string& text, const std::string&,
                                           MessageButtons buttons, MessageIcon) {
    PrintError(text);
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::No;
    case MessageButtons::YesNoAllNotCancel:
        return MessageAnswer::AllNot;
    case MessageButtons::AbortRetryIgnore:
        return MessageAnswer::Ignore;
    case MessageButtons::RetryCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

} // namespace corvid::cli
