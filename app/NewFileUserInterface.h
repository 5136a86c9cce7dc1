#pragma once

#include "dictionaries/ForwardingUserInterface.h"

#include <functional>

namespace corvid::app {

// How the new-file flows reach the user while the dialog is open: log lines
// and questions go on to the window's own user interface (message window and
// message boxes), progress goes to the dialog's bar, and waiting pumps window
// events so that "Stop test" can be pressed while a drive is searched for.
class CNewFileUserInterface : public ForwardingUserInterface {
public:
    CNewFileUserInterface(IUserInterface& window, std::function<void(int, int)> showProgress);

    void SetProgress(int value, int maximum) override;
    void PumpEvents() override;

private:
    std::function<void(int, int)> showProgress_;
};

} // namespace corvid::app
