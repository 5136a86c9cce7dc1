#pragma once

#include "door/EDSDoc.h"
#include "editing/ParamForm.h"

#include <QDialog>

#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

namespace corvid::app {

// "Insert parameter" of the Params page of a DeviceNet or EtherNet/IP file.
// It opens with the values of the copied parameter or of the selected one,
// and every Ok adds a parameter with the values in the form, by the core's
// rules; it stays open until Cancel, so a user can add a run of similar
// parameters. A refused field or a No keeps the form and the model as they
// were.
class CInsertParamDialog : public QDialog {
    Q_OBJECT
public:
    // `copied`: the view's copy buffer for this fieldbus; `selected`: the
    // position of the parameter selected in the view.
    CInsertParamDialog(CEDSDoc& doc, EDSFileRef file, IUserInterface& ui,
                       const std::optional<CEDSParam>& copied, std::optional<size_t> selected,
                       QWidget* parent);

    void accept() override;

signals:
    // Ok placed a parameter at this position of the file's list.
    void ParamInserted(size_t position);

private:
    struct TextRow {
        QLineEdit* edit;
        std::string ParamForm::*field;
    };

    void BuildControls();
    QGroupBox* InsertOptions();
    QGroupBox* LinkPath();
    QGroupBox* Descriptor();
    QGroupBox* DataType();
    QGroupBox* Value();
    QGroupBox* Scaling();
    QGroupBox* ScalingLinks();
    QGroupBox* UnitsAndHelp();
    QGroupBox* GroupAndEnum();
    QLineEdit* Field(std::string ParamForm::*field, const char* name, QWidget* parent);
    void FillParamList(std::optional<size_t> selected);
    void FillGroupList(size_t selected);
    void ShowForm(const ParamForm& form);
    ParamForm ReadForm() const;
    std::string Typed(const QString& text) const;

    CEDSDoc& doc_;
    EDSFileRef file_;
    IUserInterface& ui_;
    // The list the Type names come from: the two numberings share names.
    uint8_t typeList_;
    // Typed texts are written as UTF-8 when the parameter the dialog opened
    // with held UTF-8, otherwise in the file's 8-bit code page.
    bool utf8_ = false;

    QComboBox* param_ = nullptr;
    QButtonGroup* place_ = nullptr;
    QComboBox* pathSize_ = nullptr;
    std::array<QCheckBox*, 7> descriptor_{};
    QComboBox* dataType_ = nullptr;
    QComboBox* dataSize_ = nullptr;
    QComboBox* group_ = nullptr;
    QPlainTextEdit* enum_ = nullptr;
    std::vector<TextRow> texts_;
};

} // namespace corvid::app
