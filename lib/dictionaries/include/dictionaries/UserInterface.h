#pragma once

// The one way the core reaches the user. The desktop program, the command
// line and the tests each implement it; the core never shows anything itself.

#include <string>
#include <string_view>
#include <vector>

namespace corvid {

// The caption of the program's message boxes.
inline constexpr std::string_view kMessageCaption = "Halvard Corvid";

// YesNoAllNotCancel is the save prompt on exit: "YES", "NO", "All Not"
// (answer AllNot: save none of the remaining files), "Cancel".
enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    AbortRetryIgnore,
    RetryCancel,
    YesNoAllNotCancel
};
enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageAnswer { Ok, Cancel, Yes, No, Abort, Retry, Ignore, AllNot };

struct FileDialogRequest {
    std::string title;
    std::string initialName; // suggested file name (save dialogs), in its folder where known
    std::vector<std::pair<std::string, std::string>> filters; // {"EDS Files(*.eds)", "*.eds"}
    std::string defaultExtension;                             // without the dot
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    // Appends text to the message window; texts carry their own "\r\n".
    virtual void AppendMessage(const std::string& text) = 0;

    virtual MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;

    // Files chosen to open, in the order the dialog gives them; empty when
    // cancelled.
    virtual std::vector<std::string> ChooseFilesToOpen(const FileDialogRequest& request) = 0;

    // A path to save to; empty when cancelled.
    virtual std::string ChooseSavePath(const FileDialogRequest& request) = 0;

    // Progress of long work, from 0 to `maximum`.
    virtual void SetProgress(int value, int maximum) = 0;

    // Called between steps of long loops so a window can stay responsive.
    virtual void PumpEvents() = 0;
};

} // namespace corvid
