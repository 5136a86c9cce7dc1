#pragma once

#include "NewFileChoices.h"
#include "NewFileUserInterface.h"
#include "NewFileWidgets.h"

#include "device/ModbusMaster.h"
#include "generate/ComportSettings.h"
#include "generate/NewFileFlows.h"

#include <QDialog>

namespace corvid::app {

// The "New EDS File" dialog: the user picks a fieldbus, a module and a
// device of the catalogue, then either loads one of its ready-made models or
// makes the file from a drive on a serial line, and may let the auto test
// find the line's settings. The flows themselves are the core's; the dialog
// collects their choices and shows their progress. It owns the drive link
// for its lifetime. Accepted when a file was added to the document set.
class CNewFileDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog's sizes: everything with the state line; the serial
    // settings without it; the model list alone.
    enum class Size { Full, Serial, Model };

    // Log lines and questions go to `window` (the main frame's user
    // interface); new files go to `doc`.
    CNewFileDialog(CEDSDoc& doc, IUserInterface& window, QWidget* parent = nullptr);
    ~CNewFileDialog() override;

    Size CurrentSize() const { return size_; }
    // True while a load or the auto test runs.
    bool Busy() const { return busy_; }
    const CNewFileWidgets& Widgets() const { return w_; }

    // Cancel and Escape: ignored while a load or the auto test runs, which
    // still uses the dialog's drive link and lists.
    void reject() override;
    // Remembers the fieldbus, module, device and address for the next time.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectControls();
    void SelectSettings(const ComportSettings& settings);
    void RestoreChoices(const NewFileChoices& choices);
    EDSKind CheckedKind() const;
    void FillModules();
    void FillDevices();
    void ApplyDeviceLayout(bool startUp);
    void SetSize(Size size);
    void SetBusy(bool busy);
    void EnableLoads();
    void ShowState(const std::string& text);
    void ShowProgress(int value, int maximum);
    CatalogueChoice Choice() const;
    DriveLine Line() const;

    void OnProtocolClicked();
    void OnModuleChanged();
    void OnDeviceChanged();
    void OnAutoTest();
    void OnStopTest();
    void OnTestOptions();
    void OnLoadModel();
    void OnLoadDrive();

    CEDSDoc& doc_;
    CNewFileUserInterface ui_;
    CNewFileWidgets w_;
    CModbusMaster master_;
    Size size_ = Size::Full;
    bool busy_ = false;
};

} // namespace corvid::app
