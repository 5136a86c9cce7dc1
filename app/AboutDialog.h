#pragma once

#include <QDialog>

namespace corvid::app {

// The About box: the program's name and version, its release date and the
// maker's web address, which opens in the browser.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

} // namespace corvid::app
