// The "New EDS File" dialog over a copy of the shipped catalogue and against
// corvid-drive-sim: its layouts, loads from the catalogue and from a drive,
// the auto test with Stop, what may be pressed while those run, and the
// choice it reopens on.

#include "NewFileDialog.h"
#include "AppTestSupport.h"
#include "EDSView.h"
#include "MessageWindow.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"

#include "DriveSimulator.h"
#include "ProgramHome.h"

#include "dictionaries/ProfileFile.h"
#include "pages/ProjectTree.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <memory>

namespace corvid::app::test {

namespace {

using corvid::test::DriveSimulator;
using corvid::test::kDrives;
using corvid::test::ProgramHome;
using corvid::test::ScriptedUserInterface;
using Size = CNewFileDialog::Size;

void Select(QComboBox& list, const QString& text) {
    const int index = list.findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list.setCurrentIndex(index);
}

int Height(CNewFileDialog& dialog) {
    dialog.layout()->activate();
    return dialog.height();
}

// What a user could press while a flow runs, and what became of it.
struct BusyState {
    bool busy = false;
    Size size = Size::Model;
    int height = 0;
    int enabledInputs = -1;
    bool stopLive = false;
    bool closed = false; // by Cancel, Escape or the close box
};

BusyState Probe(CNewFileDialog& dialog) {
    const CNewFileWidgets& w = dialog.Widgets();
    BusyState state;
    state.busy = dialog.Busy();
    state.size = dialog.CurrentSize();
    state.height = Height(dialog);
    state.enabledInputs = 0;
    for (QWidget* input : w.Inputs())
        state.enabledInputs += input->isEnabled() ? 1 : 0;
    state.stopLive = w.stopTest->isVisible() && w.stopTest->isEnabled();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    w.cancel->click();
    dialog.close();
    state.closed = !dialog.isVisible();
    return state;
}

} // namespace

class NewFileDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramHome> home;
    std::unique_ptr<ScriptedUserInterface> ui;
    std::unique_ptr<CMainFrame> frame;

    // A dialog over the frame's document set; its lines and questions go to
    // the scripted interface. `configure` is Configure.ini as it starts.
    std::unique_ptr<CNewFileDialog> Open(const std::string& configure = {}) {
        if (!configure.empty())
            home->Write("Configure.ini", configure);
        auto dialog = std::make_unique<CNewFileDialog>(frame->Document(), *ui, frame.get());
        dialog->show();
        return dialog;
    }

    static std::string PortTo(const std::string& device) {
        return "[SerialPorts]\nCOM1=" + device + "\n";
    }

private slots:
    void init() {
        QSettings().clear(); // no last choice: the dialog opens on the first of each list
        home = std::make_unique<ProgramHome>();
        ui = std::make_unique<ScriptedUserInterface>();
        frame = std::make_unique<CMainFrame>(*ui);
    }
    void cleanup() {
        frame.reset();
        ui.reset();
        home.reset();
    }

    // The lists are the catalogue's (tests/generate): here which rows show.
    void Layout_FollowsTheDeviceOfEachFieldbus() {
        auto dialog = Open("[Comport]\ncomName=3\nbaudRate=38400\nprotocol=7 O 1 ASCII\n");
        const CNewFileWidgets& w = dialog->Widgets();
        QVERIFY(w.canopen->isChecked());
        // Servo-S offers ready-made models.
        QCOMPARE(Items(*w.model), QStringList({"SV-200", "SV-400"}));
        QVERIFY(w.modelRow->isVisible() && !w.serialRows->isVisible());
        QVERIFY(!w.loadDrive->isVisible());
        QCOMPARE(dialog->CurrentSize(), Size::Model);
        const int modelHeight = Height(*dialog);

        Select(*w.device, "VFD-E");
        QVERIFY(!w.modelRow->isVisible() && w.serialRows->isVisible());
        QVERIFY(w.loadDrive->isVisible() && !w.stateRow->isVisible());
        QCOMPARE(dialog->CurrentSize(), Size::Serial);
        QVERIFY(Height(*dialog) > modelHeight);
        // The remembered settings: the third port, the stored rate and framing.
        QCOMPARE(w.port->currentIndex(), 2);
        QCOMPARE(w.baudRate->currentText(), QString("38400"));
        QCOMPARE(w.protocol->currentText(), QString("7 O 1 ASCII"));
        // No model name of another device goes into a file made from a drive.
        QCOMPARE(w.model->count(), 0);

        w.devicenet->click();
        QCOMPARE(Items(*w.model), QStringList({"CD-075", "CD-150"}));
        QCOMPARE(dialog->CurrentSize(), Size::Model);
        w.ethernetip->click();
        QCOMPARE(Items(*w.model), QStringList({"CE-075", "CE-150"}));
    }

    void Layout_ADriveDeviceFirstStartsFullAndAnEmptyPortSelectsNothing() {
        home->Write("CANopen/CN-100/conf.ini", "[Servo-S]\nNeedCom=1\n");
        auto dialog = Open("[Comport]\ncomName=0\n");
        const CNewFileWidgets& w = dialog->Widgets();
        QCOMPARE(dialog->CurrentSize(), Size::Full);
        QVERIFY(w.stateRow->isVisible());
        QCOMPARE(w.port->currentIndex(), -1);
    }

    void Reopen_OnTheLastChoiceWithItsMenuOpenWhileTicking() {
        {
            CNewFileDialog dialog(frame->Document(), *ui, frame.get());
            dialog.show();
            const CNewFileWidgets& w = dialog.Widgets();
            w.devicenet->click();
            w.module->setCurrentIndex(w.module->findText("Wrenfold-2(WRF-N1)"));
            w.address->setText(QStringLiteral("7"));
            // A tick leaves the options menu open for the next one.
            w.optionsMenu->popup(QPoint(0, 0));
            QVERIFY(QTest::qWaitForWindowExposed(w.optionsMenu));
            w.optionsMenu->setActiveAction(w.testPorts);
            QTest::keyClick(w.optionsMenu, Qt::Key_Return);
            QVERIFY(w.testPorts->isChecked());
            w.optionsMenu->setActiveAction(w.testAddress);
            QTest::mouseClick(w.optionsMenu, Qt::LeftButton, {},
                              w.optionsMenu->actionGeometry(w.testAddress).center());
            QVERIFY(w.testAddress->isChecked());
            QVERIFY(w.optionsMenu->isVisible());
            w.optionsMenu->close();
            dialog.reject();
        }
        CNewFileDialog again(frame->Document(), *ui, frame.get());
        const CNewFileWidgets& w = again.Widgets();
        QVERIFY(w.devicenet->isChecked());
        QCOMPARE(w.module->currentText(), QString("Wrenfold-2(WRF-N1)"));
        QCOMPARE(w.device->currentText(), QString("VFD-E"));
        QCOMPARE(w.address->text(), QString("7"));
        QCOMPARE(w.settings->title(), QString("Communication setting"));
    }

    // Once per fieldbus is the load flow's rule (tests/generate): here the
    // dialog's fieldbus reaches it, and a refusal keeps the dialog open.
    void LoadModel_AddsTheCatalogueFileOnce() {
        for (int attempt = 0; attempt < 2; ++attempt) {
            auto dialog = Open();
            const CNewFileWidgets& w = dialog->Widgets();
            w.devicenet->click();
            Select(*w.model, "CD-150");
            w.loadModel->click();
            QCOMPARE(dialog->result(), attempt == 0 ? int(QDialog::Accepted) : 0);
            QCOMPARE(dialog->isVisible(), attempt == 1);
            QVERIFY(!dialog->Busy() && w.loadModel->isEnabled());
        }
        QCOMPARE(frame->Document().FileCount(EDSKind::DeviceNet), size_t{1});
        QCOMPARE(frame->ProjectWindow().Model(EDSKind::DeviceNet).rowCount(), 1);
        QCOMPARE(frame->Document().Header({EDSKind::DeviceNet, 0})->Model, std::string("CD-150"));
    }

    void NewCommand_OpensTheDialogAndShowsTheLoadedFile() {
        QAction* command = frame->Actions().newFile;
        QVERIFY(command->isEnabled());
        bool found = false;
        bool modal = false;
        bool newWhileOpen = true;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = frame->findChild<CNewFileDialog*>();
            found = dialog != nullptr;
            if (!found)
                return;
            modal = dialog->isModal();
            // While the dialog is open, the window starts nothing else.
            newWhileOpen = frame->Actions().newFile->isEnabled();
            dialog->Widgets().ethernetip->click();
            dialog->Widgets().loadModel->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        command->trigger();
        QVERIFY(found && modal && !newWhileOpen);
        QCOMPARE(frame->Document().FileCount(EDSKind::EtherNetIP), size_t{1});
        QVERIFY(frame->ProjectWindow().TabsShown());
        QVERIFY(frame->MessageWindow().Text().contains("Load File:  Reading data from "));
        QVERIFY(command->isEnabled());

        // The new file is on no disk yet: its summary shows at once, the tree
        // marks it, and Exit asks about it by name.
        QCOMPARE(frame->View().Section(), std::string(kFileSummarySection));
        QCOMPARE(frame->View().ShownFile(), std::optional<EDSFileRef>({EDSKind::EtherNetIP, 0}));
        const std::string title = frame->Document().Header({EDSKind::EtherNetIP, 0})->Title;
        QCOMPARE(frame->ProjectWindow().Model(EDSKind::EtherNetIP).RootIndex(0).data().toString(),
                 QString::fromStdString(title + "*"));
        ui->answers = {MessageAnswer::Cancel};
        QVERIFY(!frame->close());
        QCOMPARE(ui->questions.back().text,
                 "Do you want to save changes to the file?\n" + title + ".eds");
    }

    void LoadDrive_MakesAFileForEachFieldbusWithOnlyTheDialogLocked() {
        DriveSimulator drive({kDrives + "/type7_rating.json"});
        QVERIFY(!drive.path().empty());
        for (const bool canopen : {true, false}) {
            auto dialog = Open(PortTo(drive.path()));
            const CNewFileWidgets& w = dialog->Widgets();
            if (!canopen)
                w.devicenet->click();
            Select(*w.device, "VFD-E");
            QVERIFY(w.port->currentText().contains(QString::fromStdString(drive.path())));
            Select(*w.baudRate, "19200");
            Select(*w.protocol, "8 E 1 RTU");
            // The Address box is not asked: the drive is read at 255.
            w.address->setText("12");
            BusyState during;
            QTimer::singleShot(0, this, [&] { during = Probe(*dialog); });
            w.loadDrive->click();
            QVERIFY(during.busy);
            QCOMPARE(during.enabledInputs, 0);
            QVERIFY(!during.closed);
            QCOMPARE(during.size, Size::Full);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            const EDSKind kind = canopen ? EDSKind::CANopen : EDSKind::DeviceNet;
            QCOMPARE(frame->Document().FileCount(kind), size_t{1});
            const EDSFileHeader& header = *frame->Document().Header({kind, 0});
            QCOMPARE(header.Device, std::string("VFD-E"));
            QVERIFY(header.PathName.empty());
        }
        // What else is remembered, and the log, are the load flow's
        // (tests/generate NewFileFlowTest); the port number is the dialog's.
        QCOMPARE(ProfileString(home->File("Configure.ini"), "Comport", "comName"),
                 std::string("1"));
    }

    void LoadDrive_AFailureKeepsTheDialogForAnotherTry() {
        auto dialog = Open(PortTo(home->File("no-such-tty")));
        const CNewFileWidgets& w = dialog->Widgets();
        Select(*w.device, "VFD-E");
        ui->answers = {MessageAnswer::Ok};
        w.loadDrive->click();
        QVERIFY(dialog->isVisible());
        QCOMPARE(ui->Log(), std::string("Load File:  Failure to open serial port.\r\n"));
        QCOMPARE(ui->questions.size(), size_t{1});
        QCOMPARE(dialog->CurrentSize(), Size::Serial);
        QVERIFY(!dialog->Busy() && w.loadDrive->isEnabled() && w.cancel->isEnabled());
        w.cancel->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    // The terminal goes away in the middle of reading the drive, as when
    // the adapter is pulled: the reason shows, the program and its open
    // files stay, and the dialog is ready for another try.
    void LoadDrive_ALostTerminalEndsTheWalkNotTheProgram() {
        frame->OpenPaths({QString(CORVID_DATA_DIR) + "/samples/servo_drive.eds"});
        DriveSimulator drive({kDrives + "/type7_rating.json"});
        QVERIFY(!drive.path().empty());
        auto dialog = Open(PortTo(drive.path()));
        const CNewFileWidgets& w = dialog->Widgets();
        Select(*w.device, "VFD-E");
        Select(*w.baudRate, "19200");
        Select(*w.protocol, "8 E 1 RTU");
        QElapsedTimer sinceLoss;
        QTimer pull;
        connect(&pull, &QTimer::timeout, this, [&] {
            if (w.progress->isVisible() && w.progress->value() > 0 && !sinceLoss.isValid()) {
                drive.Stop();
                sinceLoss.start();
            }
        });
        pull.start(5);
        ui->answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
        w.loadDrive->click();
        pull.stop();
        QVERIFY(sinceLoss.isValid());
        QVERIFY(sinceLoss.elapsed() < 2000);
        QVERIFY(!ui->questions.empty());
        QCOMPARE(ui->questions.back().icon, MessageIcon::Error);
        QVERIFY(ui->questions.back().text.starts_with(drive.path() + ": "));
        QVERIFY(dialog->isVisible() && !dialog->Busy() && w.loadDrive->isEnabled());
        QCOMPARE(frame->Document().FileCount(EDSKind::CANopen), size_t{1});
        QCOMPARE(frame->Document().Header({EDSKind::CANopen, 0})->Title,
                 std::string("servo_drive"));
    }

    void AutoTest_FindsTheDriveAndFillsTheSettings() {
        DriveSimulator drive({kDrives + "/type7_rating.json", "--strict-address"});
        auto dialog = Open(PortTo(drive.path()) + "[Comport]\ntestModbusID=7\nbaudRate=19200\n"
                                                  "protocol=8 E 1 RTU\naddress=255\n");
        const CNewFileWidgets& w = dialog->Widgets();
        Select(*w.device, "VFD-E");
        // Only the line as set: one trial, which answers.
        w.testProtocol->trigger();
        QVERIFY(!w.testProtocol->isChecked());
        ui->answers = {MessageAnswer::Ok};
        w.autoTest->click();
        QCOMPARE(w.address->text(), QString("7"));
        QCOMPARE(w.baudRate->currentText(), QString("19200"));
        QCOMPARE(w.protocol->currentText(), QString("8 E 1 RTU"));
        QCOMPARE(ui->questions.at(0).text,
                 "Auto Test:  Success in automatically testing serial port COM1 (" + drive.path() +
                     "): 19200, 8 E 1 RTU, address 7.\r\n");
        QCOMPARE(ui->questions.at(0).icon, MessageIcon::Information);
        QVERIFY(w.autoTest->isVisible() && w.autoTest->isEnabled() && !w.stopTest->isVisible());
        QCOMPARE(dialog->CurrentSize(), Size::Serial);
    }

    void AutoTest_StopEndsTheSearchAndEverythingElseWaits() {
        // The drive runs at 19200: the first trial, at 4800, waits in vain.
        DriveSimulator drive({kDrives + "/type7_rating.json"});
        auto dialog = Open(PortTo(drive.path()));
        const CNewFileWidgets& w = dialog->Widgets();
        Select(*w.device, "VFD-E");
        const int serialHeight = Height(*dialog);
        BusyState during;
        QString state;
        QTimer::singleShot(0, this, [&] {
            during = Probe(*dialog);
            state = w.state->text();
            w.stopTest->click();
        });
        w.autoTest->click();
        QVERIFY(during.busy && during.stopLive && !during.closed);
        QCOMPARE(during.enabledInputs, 0);
        QCOMPARE(during.size, Size::Full);
        QCOMPARE(during.height, serialHeight); // the state line has its place
        QCOMPARE(state, QString("State: COM1, 4800, 8 N 2 RTU, 255"));
        // Stopped after the first trial of 54.
        QCOMPARE(ui->Log(), std::string("Auto Test:  Automatically testing serial port.\r\n"
                                        "Auto Test:  Automatic test of serial port stopped.\r\n"));
        QVERIFY(ui->questions.empty());
        QVERIFY(!dialog->Busy() && w.autoTest->isVisible() && !w.stopTest->isVisible());
        QCOMPARE(Height(*dialog), serialHeight);
        QVERIFY(dialog->isVisible());
    }
};

} // namespace corvid::app::test

int RunNewFileDialogTest(int argc, char** argv) {
    corvid::app::test::NewFileDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "NewFileDialogTest.moc"
