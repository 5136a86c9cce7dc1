#include "SavePromptDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvid::app {

CSavePromptDialog::CSavePromptDialog(const QString& caption, const QString& question,
                                     const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(question, this));
    auto* name = new QLabel(fileName, this);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(name);
    auto* buttons = new QDialogButtonBox(this);
    AddButton(buttons, tr("YES"), MessageAnswer::Yes);
    AddButton(buttons, tr("NO"), MessageAnswer::No);
    AddButton(buttons, tr("All Not"), MessageAnswer::AllNot);
    AddButton(buttons, tr("Cancel"), MessageAnswer::Cancel);
    layout->addWidget(buttons);
}

void CSavePromptDialog::AddButton(QDialogButtonBox* box, const QString& text,
                                  MessageAnswer answer) {
    QPushButton* button = box->addButton(text, QDialogButtonBox::ActionRole);
    button->setDefault(answer == MessageAnswer::Yes);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        accept();
    });
}

} // namespace corvid::app
