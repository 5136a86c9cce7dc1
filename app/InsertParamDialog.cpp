#include "InsertParamDialog.h"

#include "CIPEditCommands.h"
#include "CoreTextTranslation.h"
#include "DialogControls.h"
#include "ShownText.h"

#include "dictionaries/TypeDictionaries.h"
#include "editing/ParamEditing.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvid::app {

namespace {

QComboBox* SizeList(const QString& name, QWidget* parent) {
    QStringList sizes;
    for (int size = 0; size <= 255; ++size)
        sizes << QString::number(size);
    QComboBox* list = ChoiceBox(name, sizes, parent);
    list->setCurrentIndex(-1);
    return list;
}

std::optional<uint8_t> SizeOf(const QComboBox& list) {
    if (list.currentIndex() < 0)
        return std::nullopt;
    return static_cast<uint8_t>(list.currentIndex());
}

// The dictionary list a parameter with no type of its own chooses from:
// the CIP elementary types, which both fieldbuses' current files use.
constexpr uint8_t kNewTypeList = kLastLegacyFieldbusType + 1;

} // namespace

CInsertParamDialog::CInsertParamDialog(CEDSDoc& doc, EDSFileRef file, IUserInterface& ui,
                                       const std::optional<CEDSParam>& copied,
                                       std::optional<size_t> selected, QWidget* parent)
    : QDialog(parent), doc_(doc), file_(file), ui_(ui) {
    setObjectName(QStringLiteral("InsertParamDialog"));
    setWindowTitle(tr("Insert parameter"));
    const CEDSParamList& params = ParamsOf(doc_, file_);
    if (selected && *selected >= params.size())
        selected.reset();
    // The copy buffer comes first; Param selects the view's row, or the
    // last parameter when none is selected.
    const CEDSParam* source = copied ? &*copied : selected ? &params[*selected] : nullptr;
    if (copied && !selected && !params.empty())
        selected = params.size() - 1;
    typeList_ = source != nullptr ? source->DataType : kNewTypeList;
    BuildControls();
    FillParamList(selected);
    const size_t groups = GroupNamesOf(doc_, file_).size();
    FillGroupList(0);
    ShowForm(source != nullptr ? FormOfParam(*source, groups) : ParamForm{});
    // With no parameter to take a type from, a real type is offered rather
    // than none.
    if (source == nullptr)
        dataType_->setCurrentIndex(0);
}

void CInsertParamDialog::BuildControls() {
    auto* grid = new QGridLayout(this);
    auto* name = Field(&ParamForm::ParameterName, "ParameterName", this);
    auto* nameRow = new QFormLayout;
    nameRow->addRow(tr("Parameter name:"), name);
    grid->addWidget(InsertOptions(), 0, 0);
    grid->addLayout(nameRow, 1, 0);
    grid->addWidget(LinkPath(), 2, 0);
    grid->addWidget(Descriptor(), 3, 0);
    grid->addWidget(DataType(), 4, 0);
    grid->addWidget(Value(), 0, 1);
    grid->addWidget(Scaling(), 1, 1, 2, 1);
    grid->addWidget(ScalingLinks(), 3, 1);
    grid->addWidget(UnitsAndHelp(), 4, 1);
    grid->addWidget(GroupAndEnum(), 0, 2, 5, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CInsertParamDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInsertParamDialog::reject);
    grid->addWidget(buttons, 5, 0, 1, 3);
}

QGroupBox* CInsertParamDialog::InsertOptions() {
    auto* box = new QGroupBox(tr("Insert options"), this);
    param_ = ChoiceBox(QStringLiteral("Parameter"), {}, box);
    place_ = new QButtonGroup(box);
    auto* places = new QHBoxLayout;
    const std::array<QString, 3> names = {tr("Front"), tr("Back"), tr("Replace")};
    const std::array<InsertPlace, 3> values = {InsertPlace::Front, InsertPlace::Back,
                                               InsertPlace::Replace};
    const std::array<const char*, 3> objectNames = {"Front", "Back", "Replace"};
    for (size_t i = 0; i < names.size(); ++i) {
        auto* button = new QRadioButton(names[i], box);
        button->setObjectName(QString::fromLatin1(objectNames[i]));
        place_->addButton(button, static_cast<int>(values[i]));
        places->addWidget(button);
    }
    place_->button(static_cast<int>(InsertPlace::Back))->setChecked(true);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Parameter:"), param_);
    form->addRow(tr("Insert into:"), places);
    return box;
}

QGroupBox* CInsertParamDialog::LinkPath() {
    auto* box = new QGroupBox(tr("Link path size and path"), this);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Path:"), Field(&ParamForm::LinkPath, "LinkPath", box));
    pathSize_ = SizeList(QStringLiteral("PathSize"), box);
    form->addRow(tr("Size:"), pathSize_);
    return box;
}

QGroupBox* CInsertParamDialog::Descriptor() {
    auto* box = new QGroupBox(tr("Descriptor"), this);
    auto* column = new QVBoxLayout(box);
    const std::array<QString, 7> names = {tr("Settable Path"),
                                          tr("Enumerated Strings"),
                                          tr("Scaling"),
                                          tr("Scaling Links"),
                                          tr("Read only parameter"),
                                          tr("Monitor Parameter"),
                                          tr("Extended Precision Scaling")};
    for (size_t bit = 0; bit < names.size(); ++bit) {
        descriptor_[bit] = new QCheckBox(names[bit], box);
        column->addWidget(descriptor_[bit]);
    }
    return box;
}

QGroupBox* CInsertParamDialog::DataType() {
    auto* box = new QGroupBox(tr("Data type and data size"), this);
    dataType_ = ChoiceBox(QStringLiteral("DataType"), {}, box);
    for (const std::string& name : FieldbusTypeChoices(typeList_))
        dataType_->addItem(QString::fromStdString(name));
    dataSize_ = SizeList(QStringLiteral("DataSize"), box);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Type:"), dataType_);
    form->addRow(tr("Size:"), dataSize_);
    return box;
}

QGroupBox* CInsertParamDialog::Value() {
    auto* box = new QGroupBox(tr("Value"), this);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Min:"), Field(&ParamForm::Minimum, "Minimum", box));
    form->addRow(tr("Max:"), Field(&ParamForm::Maximum, "Maximum", box));
    form->addRow(tr("Default:"), Field(&ParamForm::Default, "Default", box));
    return box;
}

QGroupBox* CInsertParamDialog::Scaling() {
    auto* box = new QGroupBox(tr("Scaling"), this);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Mult:"), Field(&ParamForm::Multiplier, "Multiplier", box));
    form->addRow(tr("Div:"), Field(&ParamForm::Divider, "Divider", box));
    form->addRow(tr("Base:"), Field(&ParamForm::Base, "Base", box));
    form->addRow(tr("Offset:"), Field(&ParamForm::Offset, "Offset", box));
    return box;
}

QGroupBox* CInsertParamDialog::ScalingLinks() {
    auto* box = new QGroupBox(tr("Scaling links and precision"), this);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Mult:"), Field(&ParamForm::MultiplierLink, "MultiplierLink", box));
    form->addRow(tr("Div:"), Field(&ParamForm::DivisorLink, "DivisorLink", box));
    form->addRow(tr("Base:"), Field(&ParamForm::BaseLink, "BaseLink", box));
    form->addRow(tr("Offset:"), Field(&ParamForm::OffsetLink, "OffsetLink", box));
    form->addRow(tr("Precision:"), Field(&ParamForm::Precision, "Precision", box));
    return box;
}

QGroupBox* CInsertParamDialog::UnitsAndHelp() {
    auto* box = new QGroupBox(tr("Units and help"), this);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Units:"), Field(&ParamForm::UnitsStr, "UnitsStr", box));
    form->addRow(tr("Help:"), Field(&ParamForm::HelpStr, "HelpStr", box));
    return box;
}

QGroupBox* CInsertParamDialog::GroupAndEnum() {
    auto* box = new QGroupBox(tr("Group and enum"), this);
    group_ = ChoiceBox(QStringLiteral("Group"), {}, box);
    enum_ = new QPlainTextEdit(box);
    enum_->setObjectName(QStringLiteral("Enum"));
    enum_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Group:"), group_);
    form->addRow(tr("Enum:"), enum_);
    return box;
}

QLineEdit* CInsertParamDialog::Field(std::string ParamForm::*field, const char* name,
                                     QWidget* parent) {
    QLineEdit* edit = TextField(QString::fromLatin1(name), parent);
    texts_.push_back({edit, field});
    return edit;
}

void CInsertParamDialog::FillParamList(std::optional<size_t> selected) {
    param_->clear();
    for (const uint32_t number : ParamNumbers(ParamsOf(doc_, file_)))
        param_->addItem(QStringLiteral("Param%1").arg(number));
    param_->setCurrentIndex(selected ? static_cast<int>(*selected) : -1);
}

void CInsertParamDialog::FillGroupList(size_t selected) {
    group_->clear();
    group_->addItem(QString());
    for (const std::string& name : GroupNamesOf(doc_, file_))
        group_->addItem(Shown(name));
    group_->addItem(QStringLiteral("***new group***"));
    group_->setCurrentIndex(static_cast<int>(selected));
}

void CInsertParamDialog::ShowForm(const ParamForm& form) {
    for (const TextRow& row : texts_) {
        row.edit->setText(Shown(form.*row.field));
        utf8_ = utf8_ || HoldsUtf8Text(form.*row.field);
    }
    pathSize_->setCurrentIndex(form.PathSize ? *form.PathSize : -1);
    dataSize_->setCurrentIndex(form.DataSize ? *form.DataSize : -1);
    for (size_t bit = 0; bit < descriptor_.size(); ++bit)
        descriptor_[bit]->setChecked((form.Descriptor >> bit & 1u) != 0);
    // A code the dictionary has no name for is still shown, not replaced.
    const QString type = QString::fromStdString(form.DataTypeName);
    if (type.isEmpty())
        dataType_->setCurrentIndex(-1);
    else
        SelectText(*dataType_, type);
    group_->setCurrentIndex(static_cast<int>(form.Group));
    utf8_ = utf8_ || HoldsUtf8Text(form.EnumText);
    enum_->setPlainText(Shown(form.EnumText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

std::string CInsertParamDialog::Typed(const QString& text) const {
    return ForFile(text, utf8_);
}

ParamForm CInsertParamDialog::ReadForm() const {
    ParamForm form;
    for (const TextRow& row : texts_)
        form.*row.field = Typed(row.edit->text());
    form.PathSize = SizeOf(*pathSize_);
    form.DataSize = SizeOf(*dataSize_);
    form.Descriptor = 0;
    for (size_t bit = 0; bit < descriptor_.size(); ++bit)
        if (descriptor_[bit]->isChecked())
            form.Descriptor = static_cast<uint8_t>(form.Descriptor | 1u << bit);
    form.DataTypeName = dataType_->currentText().toStdString();
    form.DataTypeList = typeList_;
    form.Group = static_cast<size_t>(std::max(group_->currentIndex(), 0));
    form.EnumText = Typed(enum_->toPlainText());
    return form;
}

void CInsertParamDialog::accept() {
    CEDSParam param;
    const CommitResult built = ParamFromForm(ReadForm(), param);
    if (built.Status != CommitStatus::Stored) {
        ui_.AskMessage(built.Message, std::string(kMessageCaption), MessageButtons::Ok,
                       MessageIcon::Warning);
        return;
    }
    std::optional<size_t> selected;
    if (param_->currentIndex() >= 0)
        selected = static_cast<size_t>(param_->currentIndex());
    const auto place = static_cast<InsertPlace>(place_->checkedId());
    size_t position = 0;
    if (InsertCIPParam(doc_, file_, std::move(param), selected, place, &position).Status !=
        CommitStatus::Stored)
        return;
    // The lists follow the file, so a second Ok with "***new group***"
    // adds another group and Param names the parameters as they are now.
    const int group = group_->currentIndex();
    FillParamList(selected);
    FillGroupList(static_cast<size_t>(std::max(group, 0)));
    emit ParamInserted(position);
}

} // namespace corvid::app
