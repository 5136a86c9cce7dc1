#include "IOInsertDialog.h"

#include "DialogControls.h"
#include "ShownText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace corvid::app {

namespace {

// The "Select:" list, in the order of IOInsertKind. They are the file's own
// keywords, so they stay untranslated.
constexpr std::array<const char*, 6> kKindNames = {"Input",      "Output",  "PollInfo",
                                                   "StrobeInfo", "COSInfo", "CyclicInfo"};

constexpr int kNameLength = 32;

bool IsEntryKind(int item) {
    return item == static_cast<int>(IOInsertKind::Input) ||
           item == static_cast<int>(IOInsertKind::Output);
}

// Whole numbers only; how large they may be is the core's to say at OK.
QLineEdit* NumberField(const QString& name, QWidget* parent) {
    QLineEdit* field = TextField(name, parent);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setText(QStringLiteral("0"));
    return field;
}

// The number as typed. One too large even for 64 bits gives the largest
// value, which OK refuses like any other that does not fit.
uint64_t NumberOf(const QLineEdit& field) {
    bool ok = false;
    const qulonglong value = field.text().toULongLong(&ok);
    if (ok)
        return value;
    return field.text().isEmpty() ? 0 : std::numeric_limits<uint64_t>::max();
}

// The numbers N of the entries, as a default list offers them: those a
// default can name (it holds 16 bits).
QStringList EntryNumbers(const std::vector<IOEntry>& list) {
    QStringList numbers;
    for (const IOEntry& entry : list)
        if (entry.Number <= std::numeric_limits<uint16_t>::max())
            numbers << QString::number(entry.Number);
    return numbers;
}

// 0 selects nothing. A number that names no entry is added to the list, so
// OK keeps the default as it was rather than dropping it to none.
void SelectDefault(QComboBox& list, std::optional<uint16_t> number) {
    if (!number || *number == 0) {
        list.setCurrentIndex(-1);
        return;
    }
    SelectText(list, QString::number(*number));
}

std::optional<uint16_t> ChosenDefault(const QComboBox& list) {
    if (list.currentIndex() < 0)
        return std::nullopt;
    return static_cast<uint16_t>(list.currentText().toUInt());
}

} // namespace

CIOInsertDialog::CIOInsertDialog(CEDSDoc& doc, EDSFileId file, std::string_view selectedKey,
                                 QWidget* parent)
    : QDialog(parent), doc_(doc), file_(file), model_(*doc.FileModel<CDeviceNetEDS>(file)) {
    setObjectName(QStringLiteral("IOInsertDialog"));
    setWindowTitle(tr("Insert"));
    BuildControls();
    FillDefaultLists();
    if (const std::optional<IOInsertRequest> source = IOInsertSource(model_, selectedKey))
        ShowRequest(*source);
    else
        select_->setCurrentIndex(-1);
    connect(select_, &QComboBox::currentIndexChanged, this, &CIOInsertDialog::Arrange);
    Arrange();
}

void CIOInsertDialog::BuildControls() {
    select_ = ChoiceBox(QStringLiteral("Select"), {}, this);
    for (const char* kind : kKindNames)
        select_->addItem(QString::fromLatin1(kind));
    index_ = NumberField(QStringLiteral("Index"), this);
    size_ = NumberField(QStringLiteral("Size"), this);
    bit_ = NumberField(QStringLiteral("Bit"), this);
    auto* typeMask = new QGroupBox(tr("Type Mask"), this);
    auto* boxes = new QGridLayout(typeMask);
    const std::array<QString, 4> bitNames = {tr("Poll"), tr("Strobe"), tr("Change of State"),
                                             tr("Cyclic")};
    const std::array<const char*, 4> boxNames = {"Poll", "Strobe", "ChangeOfState", "Cyclic"};
    for (size_t bit = 0; bit < typeMask_.size(); ++bit) {
        auto* box = new QCheckBox(bitNames[bit], typeMask);
        box->setObjectName(QString::fromLatin1(boxNames[bit]));
        boxes->addWidget(box, static_cast<int>(bit / 2), static_cast<int>(bit % 2));
        typeMask_[bit] = box;
    }
    defaultInput_ = ChoiceBox(QStringLiteral("DefaultInput"), {}, this);
    defaultOutput_ = ChoiceBox(QStringLiteral("DefaultOutput"), {}, this);
    name_ = TextField(QStringLiteral("NameString"), this);
    name_->setMaxLength(kNameLength);
    pathSize_ = NumberField(QStringLiteral("PathSize"), this);
    path_ = TextField(QStringLiteral("Path"), this);
    help_ = TextField(QStringLiteral("HelpString"), this);

    form_ = new QFormLayout(this);
    form_->addRow(tr("Select:"), select_);
    form_->addRow(tr("Index:"), index_);
    form_->addRow(tr("Size:"), size_);
    form_->addRow(tr("Bit:"), bit_);
    form_->addRow(typeMask);
    form_->addRow(tr("Default Input:"), defaultInput_);
    form_->addRow(tr("Default Output:"), defaultOutput_);
    form_->addRow(tr("Name String:"), name_);
    form_->addRow(tr("Path Size:"), pathSize_);
    form_->addRow(tr("Path:"), path_);
    form_->addRow(tr("Help String:"), help_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CIOInsertDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CIOInsertDialog::reject);
    form_->addRow(buttons);
}

void CIOInsertDialog::FillDefaultLists() {
    defaultInput_->addItems(EntryNumbers(model_.IOInfoSection.Inputs));
    defaultOutput_->addItems(EntryNumbers(model_.IOInfoSection.Outputs));
    defaultInput_->setCurrentIndex(-1);
    defaultOutput_->setCurrentIndex(-1);
}

void CIOInsertDialog::ShowRequest(const IOInsertRequest& request) {
    select_->setCurrentIndex(static_cast<int>(request.Kind));
    for (size_t bit = 0; bit < typeMask_.size(); ++bit)
        typeMask_[bit]->setChecked(((request.TypeMask >> bit) & 1U) != 0);
    SelectDefault(*defaultInput_, request.DefaultInput);
    SelectDefault(*defaultOutput_, request.DefaultOutput);
    if (!IsEntryKind(select_->currentIndex()))
        return;
    index_->setText(QString::number(request.Index));
    size_->setText(QString::number(request.Size));
    bit_->setText(QString::number(request.SigBits));
    pathSize_->setText(QString::number(request.PathSize));
    // A name the file already holds is shown whole, even past the length
    // the field lets the user type, so OK never stores it cut.
    const QString name = Shown(request.Name);
    name_->setMaxLength(std::max(kNameLength, static_cast<int>(name.size())));
    name_->setText(name);
    path_->setText(Shown(request.Path));
    help_->setText(Shown(request.Help));
    utf8_ =
        HoldsUtf8Text(request.Name) || HoldsUtf8Text(request.Path) || HoldsUtf8Text(request.Help);
}

void CIOInsertDialog::Arrange() {
    const bool entry = IsEntryKind(select_->currentIndex());
    for (QWidget* field : {index_, size_, bit_, name_, pathSize_, path_, help_})
        form_->setRowVisible(field, entry);
    for (QWidget* list : {defaultInput_, defaultOutput_})
        form_->setRowVisible(list, !entry);
    adjustSize();
}

std::string CIOInsertDialog::FileText(const QLineEdit& field) const {
    return ForFile(field.text(), utf8_);
}

IOInsertRequest CIOInsertDialog::Request(IOInsertKind kind) const {
    IOInsertRequest request;
    request.Kind = kind;
    request.Index = NumberOf(*index_);
    request.Size = NumberOf(*size_);
    request.SigBits = NumberOf(*bit_);
    for (size_t bit = 0; bit < typeMask_.size(); ++bit)
        if (typeMask_[bit]->isChecked())
            request.TypeMask = static_cast<uint16_t>(request.TypeMask | (1U << bit));
    request.Name = FileText(*name_);
    request.PathSize = NumberOf(*pathSize_);
    request.Path = FileText(*path_);
    request.Help = FileText(*help_);
    request.DefaultInput = ChosenDefault(*defaultInput_);
    request.DefaultOutput = ChosenDefault(*defaultOutput_);
    return request;
}

void CIOInsertDialog::accept() {
    const int item = select_->currentIndex();
    if (item < 0) {
        QDialog::accept(); // nothing chosen: nothing to add
        return;
    }
    const IOInsertRequest request = Request(static_cast<IOInsertKind>(item));
    if (!doc_.Commit(file_, IOInfoChange{request}).Stored())
        return;
    storedKey_ = kKindNames[static_cast<size_t>(item)];
    if (IsEntryKind(item))
        storedKey_ += std::to_string(request.Index);
    QDialog::accept();
}

} // namespace corvid::app
