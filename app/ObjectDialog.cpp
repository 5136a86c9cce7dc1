#include "ObjectDialog.h"

#include "CoreTextTranslation.h"
#include "DialogControls.h"
#include "ShownText.h"

#include "dictionaries/ModuleFolder.h"
#include "dictionaries/TypeDictionaries.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace corvid::app {

namespace {

std::string Stored(const QString& text) {
    return ForFile(text.trimmed(), false);
}

QString Hex(unsigned value) {
    return QString::number(value, 16).toUpper();
}

// An empty entry for "not given", then the dictionary's names in file order.
QStringList DictionaryChoices(const char* section, const char* file) {
    QStringList items{QString()};
    for (const std::string& name : ChoiceList(section, ModuleFolder() + file))
        items << Shown(name);
    return items;
}

} // namespace

CObjectDialog::CObjectDialog(CEDSDoc& doc, EDSFileId file, CANopenObject* pasteRecord,
                             QWidget* parent)
    : QDialog(parent), doc_(doc), file_(file), paste_(pasteRecord), shown_(pasteRecord) {
    setObjectName(QStringLiteral("ObjectDialog"));
    const std::string_view title =
        paste_ != nullptr ? object_texts::kPasteObject : object_texts::kNewObject;
    setWindowTitle(QString::fromStdString(TranslateCoreText(std::string(title))));
    BuildControls();
    if (paste_ != nullptr) {
        index_->setText(Hex(paste_->Index));
        FillSubIndexList();
        ShowRecord(*paste_);
    } else {
        FillNewMode();
    }
    ConnectControls();
}

void CObjectDialog::BuildControls() {
    index_ = TextField(QStringLiteral("Index"), this);
    subIndex_ = ChoiceBox(QStringLiteral("SubIndex"), {}, this);
    category_ = new QButtonGroup(this);
    auto* categories = new QGroupBox(tr("Object Category:"), this);
    auto* categoryRow = new QHBoxLayout(categories);
    const QStringList categoryNames{tr("Mandatory"), tr("Optional"), tr("Manufacturer")};
    for (int category = kCategoryMandatory; category <= kCategoryManufacturer; ++category) {
        auto* button = new QRadioButton(categoryNames[category - 1], categories);
        category_->addButton(button, category);
        categoryRow->addWidget(button);
    }
    name_ = TextField(QStringLiteral("ParameterName"), this);
    objectType_ = ChoiceBox(QStringLiteral("ObjectType"),
                            DictionaryChoices("Code-Name", kObjectTypeFile), this);
    accessType_ = ChoiceBox(QStringLiteral("AccessType"),
                            {QString(), "ro", "wo", "rw", "rwr", "rww", "const"}, this);
    dataType_ =
        ChoiceBox(QStringLiteral("DataType"), DictionaryChoices("Index-Name", kDataTypeFile), this);
    mappable_ = new QCheckBox(tr("Mappable:"), this);
    mappable_->setObjectName(QStringLiteral("Mappable"));
    lowLimit_ = TextField(QStringLiteral("LowLimit"), this);
    highLimit_ = TextField(QStringLiteral("HighLimit"), this);
    defaultValue_ = TextField(QStringLiteral("DefaultValue"), this);

    auto* grid = new QGridLayout(this);
    int row = 0;
    const auto add = [&](const QString& label, QWidget* control, const QString& after = {}) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(control, row, 1);
        if (!after.isEmpty())
            grid->addWidget(new QLabel(after, this), row, 2);
        ++row;
    };
    add(tr("Index:"), index_, tr("(Hex)"));
    add(tr("SubIndex:"), subIndex_);
    grid->addWidget(categories, row++, 0, 1, 3);
    add(tr("Parameter Name:"), name_);
    add(tr("Object Type:"), objectType_);
    add(tr("Access Type:"), accessType_);
    add(tr("Data Type:"), dataType_);
    grid->addWidget(mappable_, row++, 1);
    add(tr("Low Limit:"), lowLimit_);
    add(tr("High Limit:"), highLimit_);
    add(tr("Default Value:"), defaultValue_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CObjectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CObjectDialog::reject);
    grid->addWidget(buttons, row, 0, 1, 3);
}

void CObjectDialog::FillNewMode() {
    subIndex_->addItem(QString());
    for (unsigned sub = 1; sub <= 0xFE; ++sub)
        subIndex_->addItem(Hex(sub));
    category_->button(kCategoryMandatory)->setChecked(true);
}

void CObjectDialog::FillSubIndexList() {
    if (paste_->Category == 0) {
        for (unsigned sub = 0; sub <= 0xFE; ++sub)
            subIndex_->addItem(Hex(sub));
        subIndex_->setCurrentIndex(paste_->SubIndex);
        return;
    }
    subIndex_->addItem(QString());
    if (paste_->SubObjects.empty()) {
        subIndex_->setEnabled(false);
        return;
    }
    for (const CANopenObject& sub : paste_->SubObjects)
        subIndex_->addItem(Hex(sub.SubIndex));
}

void CObjectDialog::ShowRecord(const CANopenObject& record) {
    const QSignalBlocker blockCategory(category_);
    for (QAbstractButton* button : category_->buttons())
        button->setEnabled(record.Category != 0);
    if (record.Category != 0)
        category_->button(record.Category)->setChecked(true);
    name_->setText(Shown(record.ParameterName));
    SelectText(*objectType_, Shown(ObjectTypeName(record.ObjectType)));
    SelectText(*accessType_, Shown(record.AccessType));
    SelectText(*dataType_, Shown(DataTypeName(record.DataType)));
    mappable_->setChecked(record.PDOMapping);
    lowLimit_->setText(Shown(record.LowLimit));
    highLimit_->setText(Shown(record.HighLimit));
    defaultValue_->setText(Shown(record.DefaultValue));
}

// In paste mode every change goes into the record shown at once; in new
// mode the controls are read on OK only.
void CObjectDialog::ConnectControls() {
    const auto onText = [this](QLineEdit* field, std::string CANopenObject::*member) {
        connect(field, &QLineEdit::textEdited, this, [this, member](const QString& text) {
            if (shown_ != nullptr)
                shown_->*member = Stored(text);
        });
    };
    onText(name_, &CANopenObject::ParameterName);
    onText(lowLimit_, &CANopenObject::LowLimit);
    onText(highLimit_, &CANopenObject::HighLimit);
    onText(defaultValue_, &CANopenObject::DefaultValue);
    connect(objectType_, &QComboBox::activated, this, [this] {
        if (shown_ != nullptr)
            shown_->ObjectType = ObjectTypeCode(Stored(objectType_->currentText()));
    });
    connect(dataType_, &QComboBox::activated, this, [this] {
        if (shown_ != nullptr)
            shown_->DataType = DataTypeIndex(Stored(dataType_->currentText()));
    });
    connect(accessType_, &QComboBox::activated, this, [this] {
        if (shown_ != nullptr)
            shown_->AccessType = Stored(accessType_->currentText());
    });
    connect(mappable_, &QCheckBox::toggled, this, [this](bool checked) {
        if (shown_ != nullptr)
            shown_->PDOMapping = checked;
    });
    connect(category_, &QButtonGroup::idClicked, this, [this](int category) {
        if (shown_ != nullptr && shown_->Category != 0)
            shown_->Category = static_cast<uint8_t>(category);
    });
    connect(subIndex_, &QComboBox::currentIndexChanged, this, &CObjectDialog::OnSubIndexChosen);
}

void CObjectDialog::OnSubIndexChosen(int item) {
    if (item < 0)
        return;
    if (paste_ == nullptr) {
        // A sub-index has no category of its own.
        for (QAbstractButton* button : category_->buttons())
            button->setEnabled(item == 0);
        return;
    }
    if (paste_->Category == 0) {
        paste_->SubIndex = static_cast<uint8_t>(item);
        return;
    }
    shown_ = item == 0 ? paste_ : &paste_->SubObjects[static_cast<size_t>(item - 1)];
    ShowRecord(*shown_);
}

CANopenObject CObjectDialog::NewRecord() const {
    CANopenObject record;
    record.SubIndex = static_cast<uint8_t>(std::max(subIndex_->currentIndex(), 0));
    record.Category = record.SubIndex == 0 ? static_cast<uint8_t>(category_->checkedId()) : 0;
    record.ParameterName = Stored(name_->text());
    record.LowLimit = Stored(lowLimit_->text());
    record.HighLimit = Stored(highLimit_->text());
    record.DefaultValue = Stored(defaultValue_->text());
    record.ObjectType = ObjectTypeCode(Stored(objectType_->currentText()));
    record.DataType = DataTypeIndex(Stored(dataType_->currentText()));
    record.AccessType = Stored(accessType_->currentText());
    record.PDOMapping = mappable_->isChecked();
    return record;
}

void CObjectDialog::accept() {
    CANopenObject record = paste_ != nullptr ? *paste_ : NewRecord();
    placed_ = doc_.Commit(file_, ObjectRecordChange{std::move(record), Stored(index_->text())})
                  .PlacedObject;
    if (placed_)
        QDialog::accept();
}

} // namespace corvid::app
