#include "NewFileDialog.h"

#include "CoreTextTranslation.h"
#include "DriveFlowGuard.h"

#include "generate/Catalogue.h"
#include "generate/ComportSettings.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace corvid::app {

namespace {

constexpr int kDefaultAddress = 255;

// Catalogue folder names are file names: shown and given back as the file
// system spells them.
void FillNames(QComboBox& list, const std::vector<std::string>& names) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const std::string& name : names)
        list.addItem(QFile::decodeName(name.c_str()));
    list.setCurrentIndex(list.count() > 0 ? 0 : -1);
}

std::string FileName(const QComboBox& list) {
    return QFile::encodeName(list.currentText()).toStdString();
}

void SelectText(QComboBox& list, const std::string& text) {
    list.setCurrentIndex(list.findText(QString::fromStdString(text)));
}

} // namespace

CNewFileDialog::CNewFileDialog(CEDSDoc& doc, IUserInterface& window, QWidget* parent)
    : QDialog(parent), doc_(doc),
      ui_(window, [this](int value, int maximum) { ShowProgress(value, maximum); }),
      w_(BuildNewFileWidgets(*this)) {
    setObjectName(QStringLiteral("NewFileDialog"));
    setWindowTitle(tr("New EDS File"));
    SelectSettings(ReadComportSettings(ui_));
    RestoreChoices(LoadNewFileChoices());
    ApplyDeviceLayout(true);
    ConnectControls();
}

CNewFileDialog::~CNewFileDialog() = default;

void CNewFileDialog::ConnectControls() {
    for (QRadioButton* button : {w_.canopen, w_.devicenet, w_.ethernetip})
        connect(button, &QAbstractButton::clicked, this, &CNewFileDialog::OnProtocolClicked);
    connect(w_.module, &QComboBox::currentIndexChanged, this, &CNewFileDialog::OnModuleChanged);
    connect(w_.device, &QComboBox::currentIndexChanged, this, &CNewFileDialog::OnDeviceChanged);
    connect(w_.model, &QComboBox::currentIndexChanged, this, &CNewFileDialog::EnableLoads);
    connect(w_.autoTest, &QPushButton::clicked, this, &CNewFileDialog::OnAutoTest);
    connect(w_.stopTest, &QPushButton::clicked, this, &CNewFileDialog::OnStopTest);
    connect(w_.options, &QPushButton::clicked, this, &CNewFileDialog::OnTestOptions);
    connect(w_.loadModel, &QPushButton::clicked, this, &CNewFileDialog::OnLoadModel);
    connect(w_.loadDrive, &QPushButton::clicked, this, &CNewFileDialog::OnLoadDrive);
    connect(w_.cancel, &QPushButton::clicked, this, &CNewFileDialog::reject);
}

// The port remembered as 0 or above 16 selects no port at all.
void CNewFileDialog::SelectSettings(const ComportSettings& settings) {
    const bool listed = settings.comName >= 1 && settings.comName <= w_.port->count();
    w_.port->setCurrentIndex(listed ? settings.comName - 1 : -1);
    SelectText(*w_.baudRate, settings.baudRate);
    SelectText(*w_.protocol, settings.protocol);
    w_.address->setText(QString::number(settings.address));
}

// The user's last fieldbus, module and device where the catalogue still has
// them; else the first of each, as on a first start.
void CNewFileDialog::RestoreChoices(const NewFileChoices& choices) {
    QRadioButton* fieldbus = w_.canopen;
    if (choices.fieldbus == static_cast<int>(EDSKind::DeviceNet))
        fieldbus = w_.devicenet;
    else if (choices.fieldbus == static_cast<int>(EDSKind::EtherNetIP))
        fieldbus = w_.ethernetip;
    {
        const QSignalBlocker blocker(fieldbus);
        fieldbus->setChecked(true);
    }
    FillModules();
    if (const int module = w_.module->findText(choices.module); module >= 0) {
        const QSignalBlocker blocker(w_.module);
        w_.module->setCurrentIndex(module);
        FillDevices();
    }
    if (const int device = w_.device->findText(choices.device); device >= 0) {
        const QSignalBlocker blocker(w_.device);
        w_.device->setCurrentIndex(device);
    }
    if (!choices.address.isEmpty())
        w_.address->setText(choices.address);
}

void CNewFileDialog::done(int result) {
    StoreNewFileChoices({static_cast<int>(CheckedKind()), w_.module->currentText(),
                         w_.device->currentText(), w_.address->text()});
    QDialog::done(result);
}

EDSKind CNewFileDialog::CheckedKind() const {
    if (w_.devicenet->isChecked())
        return EDSKind::DeviceNet;
    if (w_.ethernetip->isChecked())
        return EDSKind::EtherNetIP;
    return EDSKind::CANopen;
}

void CNewFileDialog::FillModules() {
    FillNames(*w_.module, CatalogueModules(CheckedKind()));
    FillDevices();
}

void CNewFileDialog::FillDevices() {
    FillNames(*w_.device, CatalogueDevices(CheckedKind(), FileName(*w_.module)));
}

// A device made from a drive shows the serial settings; any other its
// ready-made models.
void CNewFileDialog::ApplyDeviceLayout(bool startUp) {
    const CatalogueChoice choice = Choice();
    const bool drive =
        !choice.device.empty() && NeedsDrive(choice.kind, choice.module, choice.device);
    w_.settings->setTitle(drive ? tr("Communication setting") : tr("Select model"));
    w_.modelRow->setVisible(!drive);
    w_.serialRows->setVisible(drive);
    w_.loadDrive->setVisible(drive);
    if (drive) {
        // A model name left from another device would end up in the new
        // file's header.
        FillNames(*w_.model, {});
        SetSize(startUp ? Size::Full : Size::Serial);
    } else {
        FillNames(*w_.model, CatalogueModels(choice.kind, choice.module, choice.device));
        SetSize(Size::Model);
    }
    EnableLoads();
}

void CNewFileDialog::SetSize(Size size) {
    size_ = size;
    w_.stateRow->setVisible(size == Size::Full);
}

// The flows pump events while they wait for the drive: whatever the user
// could press meanwhile would change the lists, the link or the document
// set under them. Only "Stop test" stays live.
void CNewFileDialog::SetBusy(bool busy) {
    busy_ = busy;
    for (QWidget* input : w_.Inputs())
        input->setEnabled(!busy);
    if (!busy)
        EnableLoads();
}

// Nothing to load without a model, nothing to make without a device.
void CNewFileDialog::EnableLoads() {
    if (busy_)
        return;
    w_.loadModel->setEnabled(w_.model->currentIndex() >= 0);
    w_.loadDrive->setEnabled(w_.device->currentIndex() >= 0);
}

void CNewFileDialog::ShowState(const std::string& text) {
    w_.progress->hide();
    w_.state->show();
    w_.state->setText(QString::fromStdString(TranslateCoreText(text)));
}

// The bar appears in the place of the state line once a file is being made.
void CNewFileDialog::ShowProgress(int value, int maximum) {
    if (w_.progress->isHidden()) {
        SetSize(Size::Full);
        w_.state->hide();
        w_.progress->show();
    }
    w_.progress->setRange(0, maximum);
    w_.progress->setValue(value);
}

CatalogueChoice CNewFileDialog::Choice() const {
    return {CheckedKind(), FileName(*w_.module), FileName(*w_.device), FileName(*w_.model)};
}

// The drive is always asked at address 255, whatever the Address box says:
// it answers any address it is asked at for its identity.
DriveLine CNewFileDialog::Line() const {
    DriveLine line;
    line.port = w_.port->currentIndex() + 1;
    line.baudRate = w_.baudRate->currentText().toStdString();
    line.protocol = w_.protocol->currentText().toStdString();
    line.address = kDefaultAddress;
    return line;
}

void CNewFileDialog::OnProtocolClicked() {
    FillModules();
    ApplyDeviceLayout(false);
}

void CNewFileDialog::OnModuleChanged() {
    FillDevices();
    ApplyDeviceLayout(false);
}

void CNewFileDialog::OnDeviceChanged() {
    ApplyDeviceLayout(false);
}

void CNewFileDialog::OnAutoTest() {
    AutoTestChoice choice;
    choice.line = Line();
    bool valid = false;
    const int address = w_.address->text().toInt(&valid);
    choice.line.address = static_cast<uint8_t>(valid ? address : kDefaultAddress);
    choice.scanAddress = w_.testAddress->isChecked();
    choice.scanPorts = w_.testPorts->isChecked();
    choice.scanSettings = w_.testProtocol->isChecked();

    w_.autoTest->hide();
    w_.stopTest->show();
    SetBusy(true);
    SetSize(Size::Full);
    ShowState(tr("State:").toStdString());
    std::optional<AutoTestFound> found;
    RunDriveFlow(master_, ui_, [&] {
        found =
            RunAutoTest(master_, ui_, choice, [this](const std::string& text) { ShowState(text); });
    });
    SetBusy(false);
    SetSize(Size::Serial);
    w_.stopTest->hide();
    w_.autoTest->show();
    if (!found)
        return;
    const bool listed = found->port >= 1 && found->port <= w_.port->count();
    w_.port->setCurrentIndex(listed ? found->port - 1 : w_.port->currentIndex());
    SelectText(*w_.baudRate, found->baudRate);
    SelectText(*w_.protocol, found->protocol);
    w_.address->setText(QString::number(found->address));
}

// Takes effect at the auto test's next trial.
void CNewFileDialog::OnStopTest() {
    master_.stopRequested = true;
    w_.stopTest->hide();
    w_.autoTest->show();
}

void CNewFileDialog::OnTestOptions() {
    w_.optionsMenu->popup(w_.options->mapToGlobal(w_.options->rect().bottomLeft()));
}

void CNewFileDialog::OnLoadModel() {
    SetBusy(true);
    const bool loaded = LoadFromCatalogue(doc_, ui_, Choice());
    SetBusy(false);
    if (loaded)
        accept();
}

void CNewFileDialog::OnLoadDrive() {
    SetBusy(true);
    bool loaded = false;
    RunDriveFlow(master_, ui_,
                 [&] { loaded = LoadFromDrive(doc_, ui_, master_, Choice(), Line()); });
    SetBusy(false);
    if (loaded) {
        accept();
        return;
    }
    w_.progress->hide();
    w_.state->show();
    SetSize(Size::Serial);
}

void CNewFileDialog::reject() {
    if (!busy_)
        QDialog::reject();
}

void CNewFileDialog::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace corvid::app
