#include "NewFileWidgets.h"

#include "device/SerialFraming.h"
#include "device/SerialPortNames.h"
#include "generate/ComportSettings.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvid::app {

namespace {

constexpr int kPortCount = 16;

template <typename Texts> void FillTexts(QComboBox& list, const Texts& texts) {
    for (std::string_view text : texts)
        list.addItem(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A menu of ticks that stays open while boxes are ticked: a click or Enter
// on a checkable entry toggles it in place; Escape or a click outside closes.
class CTickMenu : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!ToggleActive())
            QMenu::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const bool toggleKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                               event->key() == Qt::Key_Space;
        if (!toggleKey || !ToggleActive())
            QMenu::keyPressEvent(event);
    }

private:
    bool ToggleActive() {
        QAction* action = activeAction();
        if (action == nullptr || !action->isCheckable() || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
};

QAction* Option(QMenu& menu, const QString& text, bool on) {
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    action->setChecked(on);
    return action;
}

QGroupBox* BuildProtocolGroup(QDialog& dialog, CNewFileWidgets& w) {
    auto* group = new QGroupBox(CNewFileWidgets::tr("Select protocol"), &dialog);
    auto* row = new QHBoxLayout(group);
    w.canopen = Named(new QRadioButton(CNewFileWidgets::tr("CANopen"), group), "canopen");
    w.devicenet = Named(new QRadioButton(CNewFileWidgets::tr("DeviceNet"), group), "devicenet");
    w.ethernetip = Named(new QRadioButton(CNewFileWidgets::tr("EtherNet/IP"), group), "ethernetip");
    for (QRadioButton* button : {w.canopen, w.devicenet, w.ethernetip})
        row->addWidget(button);
    return group;
}

// A row of widgets that lines up with the form around it.
QHBoxLayout* BareRow(QWidget* rowWidget) {
    auto* row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(0, 0, 0, 0);
    return row;
}

QWidget* BuildModelRow(QWidget& parent, CNewFileWidgets& w) {
    auto* rowWidget = new QWidget(&parent);
    QHBoxLayout* row = BareRow(rowWidget);
    w.model = Named(new QComboBox(rowWidget), "model");
    w.model->setMinimumContentsLength(16);
    w.loadModel = Named(new QPushButton(CNewFileWidgets::tr("Load"), rowWidget), "loadModel");
    row->addWidget(new QLabel(CNewFileWidgets::tr("Model:"), rowWidget));
    row->addWidget(w.model, 1);
    row->addWidget(w.loadModel);
    return rowWidget;
}

QWidget* BuildSerialRows(QDialog& dialog, QWidget& parent, CNewFileWidgets& w) {
    auto* rows = new QWidget(&parent);
    auto* form = new QFormLayout(rows);
    form->setContentsMargins(0, 0, 0, 0);
    w.port = Named(new QComboBox(rows), "port");
    FillPortList(*w.port);
    w.baudRate = Named(new QComboBox(rows), "baudRate");
    FillTexts(*w.baudRate, kBitRateTexts);
    w.protocol = Named(new QComboBox(rows), "protocol");
    FillTexts(*w.protocol, kFramingTexts);
    w.address = Named(new QLineEdit(rows), "address");
    w.address->setValidator(new QIntValidator(0, 255, w.address));
    form->addRow(CNewFileWidgets::tr("ComPort:"), w.port);
    form->addRow(CNewFileWidgets::tr("Baud rate:"), w.baudRate);
    form->addRow(CNewFileWidgets::tr("Protocol:"), w.protocol);
    form->addRow(CNewFileWidgets::tr("Address:"), w.address);

    auto* testRow = new QHBoxLayout;
    w.autoTest = Named(new QPushButton(CNewFileWidgets::tr("Auto test"), rows), "autoTest");
    w.stopTest = Named(new QPushButton(CNewFileWidgets::tr("Stop test"), rows), "stopTest");
    w.stopTest->hide();
    w.options = Named(new QPushButton(QStringLiteral("v"), rows), "testOptions");
    w.options->setFixedWidth(w.options->fontMetrics().horizontalAdvance(QStringLiteral("v")) * 4);
    w.optionsMenu = Named(new CTickMenu(&dialog), "testOptionsMenu");
    w.testAddress = Option(*w.optionsMenu, CNewFileWidgets::tr("Test modbus address"), false);
    w.testPorts = Option(*w.optionsMenu, CNewFileWidgets::tr("Test serial port"), false);
    w.testProtocol = Option(*w.optionsMenu, CNewFileWidgets::tr("Test protocol"), true);
    testRow->addStretch(1);
    testRow->addWidget(w.autoTest);
    testRow->addWidget(w.stopTest);
    testRow->addWidget(w.options);
    form->addRow(testRow);
    return rows;
}

QWidget* BuildStateRow(QDialog& dialog, CNewFileWidgets& w) {
    auto* rowWidget = new QWidget(&dialog);
    QHBoxLayout* row = BareRow(rowWidget);
    w.state = Named(new QLabel(CNewFileWidgets::tr("State:"), rowWidget), "state");
    w.progress = Named(new QProgressBar(rowWidget), "progress");
    w.progress->setRange(0, 100);
    w.progress->hide();
    row->addWidget(w.state, 1);
    row->addWidget(w.progress, 1);
    return rowWidget;
}

} // namespace

QList<QWidget*> CNewFileWidgets::Inputs() const {
    return {canopen,  devicenet, ethernetip, module,   device,  model,     loadModel, port,
            baudRate, protocol,  address,    autoTest, options, loadDrive, cancel};
}

CNewFileWidgets BuildNewFileWidgets(QDialog& dialog) {
    CNewFileWidgets w{};
    auto* layout = new QVBoxLayout(&dialog);
    // The dialog takes the size of what it shows: hiding a row shrinks it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(BuildProtocolGroup(dialog, w));

    auto* lists = new QFormLayout;
    w.module = Named(new QComboBox(&dialog), "module");
    w.device = Named(new QComboBox(&dialog), "device");
    for (QComboBox* list : {w.module, w.device})
        list->setMinimumContentsLength(20);
    lists->addRow(CNewFileWidgets::tr("Module:"), w.module);
    lists->addRow(CNewFileWidgets::tr("Device:"), w.device);
    layout->addLayout(lists);

    w.settings =
        Named(new QGroupBox(CNewFileWidgets::tr("Communication setting"), &dialog), "settings");
    auto* inside = new QVBoxLayout(w.settings);
    w.modelRow = BuildModelRow(*w.settings, w);
    w.serialRows = BuildSerialRows(dialog, *w.settings, w);
    inside->addWidget(w.modelRow);
    inside->addWidget(w.serialRows);
    layout->addWidget(w.settings);

    auto* buttons = new QHBoxLayout;
    w.loadDrive = Named(new QPushButton(CNewFileWidgets::tr("Load"), &dialog), "loadDrive");
    w.cancel = Named(new QPushButton(CNewFileWidgets::tr("Cancel"), &dialog), "cancel");
    buttons->addStretch(1);
    buttons->addWidget(w.loadDrive);
    buttons->addWidget(w.cancel);
    layout->addLayout(buttons);
    w.stateRow = BuildStateRow(dialog, w);
    // The state line keeps its place while hidden, so the dialog does not
    // change its height under the user's pointer when a test starts.
    QSizePolicy keepPlace = w.stateRow->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    w.stateRow->setSizePolicy(keepPlace);
    layout->addWidget(w.stateRow);
    // Return in the Address box must not start a load.
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        button->setAutoDefault(false);
    return w;
}

void FillPortList(QComboBox& list) {
    for (int port = 1; port <= kPortCount; ++port) {
        QString text = QString::fromStdString(PortName(port));
        const std::string device = SerialDevicePath(port);
        if (!device.empty())
            text += QStringLiteral("  (%1)").arg(QString::fromStdString(device));
        list.addItem(text, port);
    }
}

} // namespace corvid::app
