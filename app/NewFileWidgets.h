#pragma once

#include <QCoreApplication>
#include <QList>

class QAction;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace corvid::app {

// The controls of the "New EDS File" dialog, laid out once. The dialog
// switches between its sizes by showing and hiding whole rows: the model row
// or the serial rows inside the group box, and the state row at the bottom.
struct CNewFileWidgets {
    Q_DECLARE_TR_FUNCTIONS(CNewFileWidgets)

public:
    QRadioButton* canopen;
    QRadioButton* devicenet;
    QRadioButton* ethernetip;
    QComboBox* module;
    QComboBox* device;

    QGroupBox* settings; // "Communication setting" or "Select model"
    QWidget* modelRow;
    QComboBox* model;
    QPushButton* loadModel;
    QWidget* serialRows;
    QComboBox* port;
    QComboBox* baudRate;
    QComboBox* protocol;
    QLineEdit* address;
    QPushButton* autoTest;
    QPushButton* stopTest; // in the place of "Auto test" while a test runs
    QPushButton* options;  // "v": pops up the test options
    QMenu* optionsMenu;
    QAction* testAddress;
    QAction* testPorts;
    QAction* testProtocol;

    QPushButton* loadDrive;
    QPushButton* cancel;
    QWidget* stateRow;
    QLabel* state;          // "State:" and the auto test's trials
    QProgressBar* progress; // in the place of the state text while a file is made

    // Everything a user could start or change something with; none of it
    // may act while a load or the auto test runs.
    QList<QWidget*> Inputs() const;
};

CNewFileWidgets BuildNewFileWidgets(QDialog& dialog);

// "COM1" to "COM16", each with the device it names on this machine beside it;
// entry n is port n + 1.
void FillPortList(QComboBox& list);

} // namespace corvid::app
