#pragma once

#include <QDialog>

class QProgressBar;

namespace corvid::app {

// The modeless "Loading" dialog shown while files open.
class CWaitDialog : public QDialog {
    Q_OBJECT
public:
    explicit CWaitDialog(QWidget* parent);

    void SetProgress(int value, int maximum);

private:
    QProgressBar* bar_;
};

} // namespace corvid::app
