#include "WaitDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace corvid::app {

CWaitDialog::CWaitDialog(QWidget* parent) : QDialog(parent), bar_(new QProgressBar(this)) {
    setWindowTitle(tr("Loading"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please waitting..."), this));
    bar_->setRange(0, 200);
    bar_->setMinimumWidth(280);
    layout->addWidget(bar_);
}

void CWaitDialog::SetProgress(int value, int maximum) {
    bar_->setRange(0, maximum);
    bar_->setValue(value);
    // Files load on this thread: paint now, not when the loop is over.
    repaint();
}

} // namespace corvid::app
