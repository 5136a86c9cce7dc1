#pragma once

#include "canopen/CANopenModel.h"
#include "canopen/CANopenObjectEditing.h"
#include "door/EDSDoc.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace corvid::app {

// The object dialog of the CANopen object pages. In new mode ("New
// Object") nothing changes until OK; in paste mode ("Paste Object") the
// dialog edits the clipboard record itself, so its changes stay on the
// clipboard whichever button closes it. OK places the record by the core's
// rules; a refusal or a No keeps the dialog open and the model as it was.
class CObjectDialog : public QDialog {
    Q_OBJECT
public:
    // Paste mode when `pasteRecord` is given: the record the dialog edits.
    // OK commits the record to `file` of `doc`, whose questions it asks.
    CObjectDialog(CEDSDoc& doc, EDSFileId file, CANopenObject* pasteRecord, QWidget* parent);

    // The record OK placed; nothing while the dialog is open or after Cancel.
    std::optional<ObjectKey> Placed() const { return placed_; }

    void accept() override;

private:
    void BuildControls();
    void ConnectControls();
    void FillNewMode();
    void FillSubIndexList();
    void ShowRecord(const CANopenObject& record);
    void OnSubIndexChosen(int item);
    CANopenObject NewRecord() const;

    CEDSDoc& doc_;
    EDSFileId file_;
    CANopenObject* paste_;
    // Paste mode: the record whose fields the controls show (the clipboard
    // record or one of its sub-indexes); null in new mode.
    CANopenObject* shown_;
    std::optional<ObjectKey> placed_;

    QLineEdit* index_;
    QComboBox* subIndex_;
    QButtonGroup* category_;
    QLineEdit* name_;
    QComboBox* objectType_;
    QComboBox* accessType_;
    QComboBox* dataType_;
    QCheckBox* mappable_;
    QLineEdit* lowLimit_;
    QLineEdit* highLimit_;
    QLineEdit* defaultValue_;
};

} // namespace corvid::app
