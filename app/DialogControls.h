#pragma once

// Controls of the program's dialogs, each named so tests and the dialog's
// own code find it by the name of the value it holds.

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

namespace corvid::app {

// Text fields hold names, paths and help strings: wide enough for a usual
// one, whatever the labels beside them leave over.
inline constexpr int kTextFieldChars = 32;

inline QLineEdit* TextField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kTextFieldChars);
    return field;
}

inline QComboBox* ChoiceBox(const QString& name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

// Selects `text`, adding it when the list lacks it, so a value the list
// does not offer is still shown as it is and kept, rather than replaced by
// another entry.
inline void SelectText(QComboBox& box, const QString& text) {
    int item = box.findText(text, Qt::MatchExactly);
    if (item < 0) {
        box.addItem(text);
        item = box.count() - 1;
    }
    box.setCurrentIndex(item);
}

} // namespace corvid::app
