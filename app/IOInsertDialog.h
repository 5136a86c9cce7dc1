#pragma once

#include "devicenet/DeviceNetModel.h"
#include "door/EDSDoc.h"
#include "editing/IOInfoEditing.h"

#include <QDialog>

#include <array>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace corvid::app {

// The Insert dialog of the DeviceNet IO_Info page: adds or replaces a
// connection entry or an InputN / OutputN. It opens with the values of the
// selected row's entry; the form shows only the fields of the chosen kind.
// OK stores by the core's rules; a refusal or a No keeps the dialog open and
// the model as it was. OK with no kind chosen closes without a change.
class CIOInsertDialog : public QDialog {
    Q_OBJECT
public:
    // `selectedKey`: the key of the row selected in the IO_Info list of
    // `file`, a DeviceNet file of `doc`, to which OK commits.
    CIOInsertDialog(CEDSDoc& doc, EDSFileId file, std::string_view selectedKey, QWidget* parent);

    // True once OK has stored an entry.
    bool Stored() const { return !storedKey_.empty(); }
    // The row key of the entry OK stored ("PollInfo", "Input3"); empty
    // while nothing is stored.
    const std::string& StoredKey() const { return storedKey_; }

    void accept() override;

private:
    void BuildControls();
    void FillDefaultLists();
    void ShowRequest(const IOInsertRequest& request);
    // Shows the fields of the chosen kind and fits the form to them.
    void Arrange();
    IOInsertRequest Request(IOInsertKind kind) const;
    std::string FileText(const QLineEdit& field) const;

    CEDSDoc& doc_;
    EDSFileId file_;
    const CDeviceNetEDS& model_;
    // Texts typed are written in UTF-8 when the entry opened held UTF-8,
    // otherwise in the file's 8-bit code page.
    bool utf8_ = false;
    std::string storedKey_;

    QFormLayout* form_;
    QComboBox* select_;
    QLineEdit* index_;
    QLineEdit* size_;
    QLineEdit* bit_;
    std::array<QCheckBox*, 4> typeMask_;
    QComboBox* defaultInput_;
    QComboBox* defaultOutput_;
    QLineEdit* name_;
    QLineEdit* pathSize_;
    QLineEdit* path_;
    QLineEdit* help_;
};

} // namespace corvid::app
