#pragma once

#include <QMenu>

namespace corvid {
class IUserInterface;
}

namespace corvid::app {

// "Language": English and every translation beside the program, each named
// in its own language, the running one checked. A choice is stored for the
// next start; the running program keeps its language, and the user is told
// so through `dialogs`.
class CLanguageMenu : public QMenu {
    Q_OBJECT
public:
    CLanguageMenu(IUserInterface& dialogs, QWidget* parent);

private:
    void Choose(uint16_t id);

    IUserInterface& dialogs_;
};

} // namespace corvid::app
