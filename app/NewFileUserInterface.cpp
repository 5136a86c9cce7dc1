#include "NewFileUserInterface.h"

#include <QCoreApplication>

#include <utility>

namespace corvid::app {

CNewFileUserInterface::CNewFileUserInterface(IUserInterface& window,
                                             std::function<void(int, int)> showProgress)
    : ForwardingUserInterface(window), showProgress_(std::move(showProgress)) {}

void CNewFileUserInterface::SetProgress(int value, int maximum) {
    showProgress_(value, maximum);
}

void CNewFileUserInterface::PumpEvents() {
    QCoreApplication::processEvents();
}

} // namespace corvid::app
