#pragma once

#include "dictionaries/UserInterface.h"

#include <QDialog>

class QDialogButtonBox;

namespace corvid::app {

// The question asked on exit for each modified file: "YES", "NO",
// "All Not" (save none of the remaining files) and "Cancel" (stay open).
class CSavePromptDialog : public QDialog {
    Q_OBJECT
public:
    CSavePromptDialog(const QString& caption, const QString& question, const QString& fileName,
                      QWidget* parent);

    MessageAnswer Answer() const { return answer_; }

private:
    void AddButton(QDialogButtonBox* box, const QString& text, MessageAnswer answer);

    MessageAnswer answer_ = MessageAnswer::Cancel;
};

} // namespace corvid::app
